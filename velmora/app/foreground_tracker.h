#pragma once
// The window that receives typed words: the last foreground window that was
// not the bar itself. The bar polls the foreground window (every 200 ms) and
// hands it to Tick; clicking the bar, dragging it or opening its menu
// therefore never changes the target, while the program's other windows (a
// help window, a capture viewer) and a null handle (while activation
// changes) are recorded like any other.

namespace words {

template <typename Handle>
class ForegroundTracker {
 public:
  explicit ForegroundTracker(Handle bar) : bar_(bar) {}

  void Tick(Handle foreground) {
    if (foreground != bar_) target_ = foreground;
  }
  Handle Target() const { return target_; }

 private:
  Handle bar_;
  Handle target_{};
};

}  // namespace words
