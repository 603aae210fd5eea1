#include "configurator/listgen/generator_hooks.h"

#include <chrono>

#include "platform/message_box.h"

namespace cfg {

void GeneratorHooks::Status(const std::string& text) const {
  if (status) status(text);
}

void GeneratorHooks::Message(std::string_view text, std::string_view caption) const {
  if (message) message(text, caption);
  else platform::ShowMessageBox(text, caption);
}

bool StatusThrottle::Due() {
  const long long now = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now().time_since_epoch())
                            .count();
  if (last_ >= 0 && now - last_ < intervalMs_) return false;
  last_ = now;
  return true;
}

}  // namespace cfg
