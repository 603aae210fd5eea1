#include "frontend/check/probe_runner.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/message_catalogue.h"

namespace check {
namespace {

// Shared with the probe's thread, which may outlive the check when it hangs.
struct Pending {
  std::mutex lock;
  std::condition_variable done;
  std::optional<CheckLines> lines;
};

}  // namespace

CheckLines RunProbes(const std::vector<Probe>& probes, std::chrono::milliseconds limit) {
  std::vector<std::shared_ptr<Pending>> pending;
  for (const Probe& probe : probes) {
    auto p = std::make_shared<Pending>();
    pending.push_back(p);
    std::thread([p, run = probe.run] {
      CheckLines lines = run();
      std::lock_guard hold(p->lock);
      p->lines = std::move(lines);
      p->done.notify_all();
    }).detach();
  }
  const auto deadline = std::chrono::steady_clock::now() + limit;
  CheckLines out;
  for (std::size_t i = 0; i < probes.size(); ++i) {
    std::unique_lock hold(pending[i]->lock);
    if (pending[i]->done.wait_until(hold, deadline, [&] { return pending[i]->lines.has_value(); })) {
      for (CheckLine& line : *pending[i]->lines) out.push_back(std::move(line));
    } else {
      const auto seconds = std::to_string(std::chrono::duration_cast<std::chrono::seconds>(limit).count());
      out.push_back({probes[i].topic, Level::kAttention,
                     platform::FormatText(Tr("%1 : pas de réponse en %2 s, vérification abandonnée"),
                                          {probes[i].title, seconds})});
    }
  }
  return out;
}

}  // namespace check
