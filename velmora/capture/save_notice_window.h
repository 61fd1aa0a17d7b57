#pragma once
// A small top-most notice near the bar that says where a capture file went
// when it did not land in the root of C: (a standard account may not write
// there), or that it could not be saved. The text is the window's own text
// and its label's, so screen readers can read it. It never takes the focus,
// closes itself after about four seconds or on a click, and a click on a
// saved file's notice opens Explorer with the file selected.

#include <windows.h>

#include <functional>
#include <string>

#include "velmora/capture/save_report.h"

namespace capture {

// Where the notice stands: beside the rectangle this returns (the bar's, in
// screen pixels). An empty rectangle, or no anchor, puts it in the lower
// right corner of the work area.
void SetSaveNoticeAnchor(std::function<RECT()> anchor);

// How a click on a saved file's notice shows the file; empty: Explorer's
// window on its folder, the file selected.
void SetSaveNoticeFolderOpener(std::function<void(const std::wstring& file)> open);

// Shows the notice for one save, replacing a notice already shown; does
// nothing when the file went where the capture names it.
void ShowSaveNotice(const SaveResult& result);

// Shows any other short notice the same way, at the same place; a click
// only closes it.
void ShowNotice(const std::wstring& text);

// Shows the notice for a capture that could not be taken.
void ShowCaptureFailedNotice();

// Hides a notice on screen while a shot is taken, and shows it again.
void SetSaveNoticeShown(bool shown);

// The notice on screen, if any.
HWND SaveNoticeHandle();

}  // namespace capture
