// Two independent pieces of work run at once: the list loader and the sort split their
// work in two where the halves share nothing they change.
#pragma once

#include <functional>
#include <future>
#include <system_error>

namespace catalogue {

// Runs `second` on another thread while `first` runs on this one, and returns when both
// are done; an exception of either comes out here. Without a thread to be had, both run
// here, one after the other.
template <class First, class Second>
void RunSideBySide(First&& first, Second&& second) {
  std::future<void> other;
  try {
    other = std::async(std::launch::async, std::ref(second));
  } catch (const std::system_error&) {
    first();
    second();
    return;
  }
  try {
    first();
  } catch (...) {
    other.wait();  // `second` may use what the caller is about to unwind
    throw;
  }
  other.get();
}

}  // namespace catalogue
