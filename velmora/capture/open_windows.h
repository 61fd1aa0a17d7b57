#pragma once
// Windows made anew at each command and owned here until they close. A
// closed window leaves only an empty object behind; such objects are dropped
// at the next opening, never from inside their own window procedure.

#include <cstddef>
#include <memory>
#include <vector>

namespace capture {

template <typename W>
class OpenWindows {
 public:
  // Keeps a window that could be made; nullptr when it could not.
  W* Add(std::unique_ptr<W> window) {
    DropClosed();
    if (!window->Exists()) return nullptr;
    windows_.push_back(std::move(window));
    return windows_.back().get();
  }
  std::size_t Count() {
    DropClosed();
    return windows_.size();
  }

 private:
  void DropClosed() {
    std::erase_if(windows_, [](const std::unique_ptr<W>& w) { return !w->Exists(); });
  }
  std::vector<std::unique_ptr<W>> windows_;
};

}  // namespace capture
