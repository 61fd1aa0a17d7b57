#pragma once
// The top-level window base every program builds on: one window class per
// kind of window, a window procedure that hands each message to a member
// function, placement and sizing in twips with the window's real DPI.

#include <windows.h>

#include <string>

namespace ui {

// Twips are 1/1440 inch; at 96 DPI one pixel is 15 twips.
int TwipsToPixels(int twips, UINT dpi);
int PixelsToTwips(int pixels, UINT dpi);

enum class Placement {
  CenterScreen,   // centred on the primary screen
  SystemDefault,  // where the system places a new window
  Explicit,       // at WindowOptions::x/y (pixels, screen coordinates)
};

struct WindowOptions {
  const wchar_t* className = nullptr;  // registered on first use
  std::wstring caption;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  DWORD exStyle = 0;
  int clientWidthTwips = 0;
  int clientHeightTwips = 0;
  Placement placement = Placement::CenterScreen;
  int x = 0, y = 0;
  COLORREF background = CLR_INVALID;  // CLR_INVALID: the system's button face
  HWND owner = nullptr;
  bool quitWhenDestroyed = false;  // the program's only window
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  // Creates the window (not yet shown). Returns false when the system refuses.
  bool Create(const WindowOptions& options);
  void Show(int command = SW_SHOWNORMAL) const;
  void Destroy();

  HWND Handle() const { return hwnd_; }
  bool Exists() const { return hwnd_ != nullptr; }
  UINT Dpi() const;
  int Px(int twips) const { return TwipsToPixels(twips, Dpi()); }
  // The window's colour; the system's under a high-contrast theme.
  COLORREF Background() const;
  HBRUSH BackgroundBrush() const;

 protected:
  // Called for every message; the default forwards to the handlers below and
  // to DefWindowProc.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

  virtual void OnCreate() {}
  virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnDpiChanged(UINT /*dpi*/) {}
  virtual void OnDestroy() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static bool RegisterClassOnce(const wchar_t* className, bool topLevel);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  COLORREF background_ = CLR_INVALID;
  HBRUSH backgroundBrush_ = nullptr;  // owned when background_ is a custom colour
  bool ownsBrush_ = false;
  bool quitWhenDestroyed_ = false;
};

// Whether a high-contrast theme is on: every window then keeps the system's
// colours, whatever colours it was given.
bool HighContrastOn();

// Answers a WM_CTLCOLOR* message for a control drawn in its own colours: the
// text colour and the background are set together (a background alone would
// leave the text in whatever colour the device context had) and the brush
// returned. Under high contrast it sets nothing and returns nullptr: the
// default answer, in the system's colours, must stand.
HBRUSH CustomColours(HDC dc, COLORREF text, COLORREF background, HBRUSH brush, bool highContrast = HighContrastOn());

// The message loop of a program: runs until WM_QUIT, with keyboard navigation
// (Tab between controls) for whichever top-level window has the message.
int RunMessageLoop();

// Waits the given seconds of elapsed time while dispatching pending window
// events, so timers and menu commands keep running during the wait. Returns
// early when the program is quitting (the quit message stays queued).
void Delay(double seconds);
// The same, ending early when the object (a thread, an event) is signalled;
// returns whether it was.
bool DelayUntil(HANDLE object, double seconds);

}  // namespace ui
