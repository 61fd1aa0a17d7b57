#pragma once
// Ends the program when the last window that keeps it alive is destroyed.
// Every top-level window of the program's own classes keeps it alive unless
// it is marked as a helper.

#include <windows.h>

namespace velmora {

// A hidden window that must not keep the program running on its own (the
// shared capture viewer that is never shown, a continuous capture's shot
// windows). Call once, after creating the window.
inline void MarkHelperWindow(HWND window) { SetPropW(window, L"Velmora.HelperWindow", reinterpret_cast<HANDLE>(1)); }
inline bool IsHelperWindow(HWND window) { return GetPropW(window, L"Velmora.HelperWindow") != nullptr; }

// Watches the window destructions of the calling thread while it exists.
class LifetimeWatch {
 public:
  LifetimeWatch();
  LifetimeWatch(const LifetimeWatch&) = delete;
  LifetimeWatch& operator=(const LifetimeWatch&) = delete;
  ~LifetimeWatch();

 private:
  HHOOK hook_ = nullptr;
};

}  // namespace velmora
