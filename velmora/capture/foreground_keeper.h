#pragma once
// Gives the activation back, as a capture window closes, to the window the
// user worked in when it opened (the rule is in foreground_return.h).

#include <windows.h>

namespace capture {

class ForegroundKeeper {
 public:
  // At opening, before the capture window takes the activation; null: the
  // foreground window now.
  void Remember(HWND workedIn) { workedIn_ = workedIn ? workedIn : GetForegroundWindow(); }
  // Just before `self` is destroyed or hidden.
  void GiveBack(HWND self) const;

 private:
  HWND workedIn_ = nullptr;
};

}  // namespace capture
