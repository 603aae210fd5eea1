// What a generation tells the person waiting for it: a status text, kept fresh a few times
// a second (the dialog also repaints itself then), and message boxes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace cfg {

struct GeneratorHooks {
  // The status box text; an empty text closes the box. May be left empty.
  std::function<void(const std::string& text)> status;
  // A message box (text, caption). Empty: platform::ShowMessageBox.
  std::function<void(std::string_view text, std::string_view caption)> message;
  // True once the owner asked to stop ("Arrêter"). May be left empty.
  std::function<bool()> stopped;
  // The machines the listing has described so far, told as they come. May be left empty.
  std::function<void(int machines)> machinesRead;

  void Status(const std::string& text) const;
  void Message(std::string_view text, std::string_view caption) const;
  bool Stopped() const { return stopped && stopped(); }
  void MachinesRead(int machines) const {
    if (machinesRead) machinesRead(machines);
  }
};

// Lets a status through at most every intervalMs (the first one at once), so a listing
// of tens of thousands of games spends its time converting, not repainting.
class StatusThrottle {
 public:
  explicit StatusThrottle(unsigned intervalMs = 250) : intervalMs_(intervalMs) {}
  bool Due();

 private:
  unsigned intervalMs_;
  long long last_ = -1;
};

}  // namespace cfg
