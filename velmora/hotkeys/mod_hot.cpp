#include "velmora/hotkeys/mod_hot.h"

#include <string>

#include "velmora/hotkeys/hotkey_model.h"

namespace hotkeys {
namespace {

// The module's state: one main window, one replaced procedure.
struct HotKeyModule {
  WNDPROC PrevWndProc = nullptr;
  unsigned HotKeyMod = 0;
  unsigned HotKeyVk = 0;
  int HotKeyId = 0;
  HookState hook;
  HotKeyHandlers handlers;
};

HotKeyModule& Module() {
  static HotKeyModule module;
  return module;
}

// Failures while opening a capture window are ignored; the message still
// goes on to the bar's own procedure.
void RunIgnoringErrors(const std::function<void()>& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (...) {
  }
}

}  // namespace

void SetHotKeyHandlers(HotKeyHandlers handlers) {
  Module().handlers = std::move(handlers);
}

void SetHotKey(HWND mainWindow, int id, std::wstring_view description, std::wstring_view action) {
  HotKeyModule& m = Module();
  const HotKeyDescription parsed = RegistrationOf(description);
  m.HotKeyId = 0;
  m.HotKeyMod = 0;
  m.HotKeyVk = 0;
  const HookSteps steps = m.hook.Apply(ParseHotKeyAction(action));
  if (steps.install) {
    m.PrevWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(mainWindow, GWLP_WNDPROC));
    SetWindowLongPtrW(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotKeyProc));
  }
  m.HotKeyId = id;
  if (steps.registerKey) {
    m.HotKeyMod = parsed.modifiers;
    m.HotKeyVk = parsed.keyCode;
    RegisterHotKey(mainWindow, m.HotKeyId, m.HotKeyMod, m.HotKeyVk);  // a key taken by another program stays inactive
  }
  if (steps.restore) SetWindowLongPtrW(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m.PrevWndProc));
  if (steps.unregisterKey) UnregisterHotKey(mainWindow, m.HotKeyId);
}

LRESULT CALLBACK HotKeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  HotKeyModule& m = Module();
  // The message goes on to the procedure the window had when it arrived,
  // whatever the handlers do meanwhile.
  const WNDPROC previous = m.PrevWndProc;
  if (message == WM_HOTKEY) {
    if (wParam == kAreaCaptureId) RunIgnoringErrors(m.handlers.areaCapture);
    if (wParam == kFullScreenCaptureId) RunIgnoringErrors(m.handlers.fullScreenCapture);
  }
  return previous ? CallWindowProcW(previous, hwnd, message, wParam, lParam)
                  : DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterCaptureHotKeys(HWND bar) {
  for (const CaptureHotKey& key : kCaptureHotKeys) SetHotKey(bar, key.id, key.description, L"Add");
}

void UnregisterCaptureHotKeys(HWND bar) {
  for (const CaptureHotKey& key : kCaptureHotKeys) SetHotKey(bar, key.id, L"", L"Del");
}

}  // namespace hotkeys
