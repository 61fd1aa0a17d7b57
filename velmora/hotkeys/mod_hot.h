#pragma once
// The two global hot keys of the bar: Ctrl+Alt+C (id 1, the area picker) and
// Ctrl+Alt+V (id 2, the full-screen capture). They are registered to the bar,
// and the bar's window procedure is replaced by HotKeyProc, which acts on the
// hot-key message and passes every message on to the bar's own procedure.

#include <windows.h>

#include <functional>
#include <string_view>

#include "velmora/hotkeys/hotkey_model.h"

namespace hotkeys {

// What the two hot keys run; the program sets both. A key whose handler is
// not set does nothing.
struct HotKeyHandlers {
  std::function<void()> areaCapture;
  std::function<void()> fullScreenCapture;
};
void SetHotKeyHandlers(HotKeyHandlers handlers);

// Adds ("Add") or removes ("Del") one hot key of the main window. The first
// "Add" puts HotKeyProc in place of the window's procedure; a "Del" puts the
// window's own procedure back for all hot keys. Other actions do nothing.
void SetHotKey(HWND mainWindow, int id, std::wstring_view description, std::wstring_view action);

// The replaced window procedure; installed by SetHotKey, never called directly.
LRESULT CALLBACK HotKeyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Ctrl+Alt+C then Ctrl+Alt+V, when the bar is created.
void RegisterCaptureHotKeys(HWND bar);
// Both removed, id 1 then id 2, first thing when the bar goes away.
void UnregisterCaptureHotKeys(HWND bar);

}  // namespace hotkeys
