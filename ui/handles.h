#pragma once
// Owning wrappers for the Win32 handles the programs create. Every handle
// that needs releasing lives in one of these, so no path can leak it.

#include <windows.h>

#include <utility>

namespace ui {

// A handle released by `Release` when the owner goes away.
template <typename Handle, auto Release>
class Unique {
  static constexpr Handle Null{};

 public:
  Unique() = default;
  explicit Unique(Handle h) : h_(h) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : h_(std::exchange(other.h_, Null)) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.h_, Null));
    return *this;
  }
  ~Unique() { reset(); }

  Handle get() const { return h_; }
  explicit operator bool() const { return h_ != Null; }
  Handle release() { return std::exchange(h_, Null); }
  void reset(Handle h = Null) {
    if (h_ != Null) Release(h_);
    h_ = h;
  }

 private:
  Handle h_ = Null;
};

namespace detail {
inline void DeleteGdi(HGDIOBJ h) { ::DeleteObject(h); }
inline void DeleteMemoryDc(HDC h) { ::DeleteDC(h); }
inline void DestroyMenuHandle(HMENU h) { ::DestroyMenu(h); }
inline void CloseRegKey(HKEY h) { ::RegCloseKey(h); }
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void DestroyIconHandle(HICON h) { ::DestroyIcon(h); }
inline void CloseFind(HANDLE h) { ::FindClose(h); }
}  // namespace detail

using Font = Unique<HFONT, detail::DeleteGdi>;
using Brush = Unique<HBRUSH, detail::DeleteGdi>;
using Pen = Unique<HPEN, detail::DeleteGdi>;
using Bitmap = Unique<HBITMAP, detail::DeleteGdi>;
using Palette = Unique<HPALETTE, detail::DeleteGdi>;
using MemoryDc = Unique<HDC, detail::DeleteMemoryDc>;
using Menu = Unique<HMENU, detail::DestroyMenuHandle>;
using RegKey = Unique<HKEY, detail::CloseRegKey>;
using KernelHandle = Unique<HANDLE, detail::CloseKernelHandle>;
using Icon = Unique<HICON, detail::DestroyIconHandle>;

// A handle whose "none" value is INVALID_HANDLE_VALUE: a file from
// CreateFileW, a search from FindFirstFileExW.
template <auto Release>
class InvalidIsNone {
 public:
  explicit InvalidIsNone(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  HANDLE get() const { return h_.get() ? h_.get() : INVALID_HANDLE_VALUE; }
  explicit operator bool() const { return static_cast<bool>(h_); }

 private:
  Unique<HANDLE, Release> h_;
};
using File = InvalidIsNone<detail::CloseKernelHandle>;
using FindSearch = InvalidIsNone<detail::CloseFind>;

// A device context obtained with GetDC / GetWindowDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd, bool wholeWindow = false)
      : hwnd_(hwnd), dc_(wholeWindow ? ::GetWindowDC(hwnd) : ::GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects an object into a DC for a scope and puts the previous one back.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;
  ~SelectionGuard() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { ::BeginPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { ::EndPaint(hwnd_, &ps_); }
  HDC dc() const { return ps_.hdc; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
};

}  // namespace ui
