// A console helper for the end-to-end script: runs one capture mode and
// prints the name of the file written, without its folder, in UTF-8.
//   capture_probe screen FILE    capture mode 1: the new viewer's picture, to FILE;
//   capture_probe pick [X]       an area picker for the user's drag: "picker",
//                                then "saved NAME";
//   capture_probe continuous [X] one shot a second after the start: "shot NAME".
// The last two first show a window of many colours at (40, 40), or (X, 40),
// 500 x 400, and end with "done" while it is still on screen.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/support/capture_test_support.h"
#include "ui/controls.h"
#include "velmora/capture/bmp_file.h"
#include "velmora/capture/cap_area_window.h"
#include "velmora/capture/continuous_capture_window.h"
#include "velmora/capture/full_screen_capture.h"

using namespace capture;
using capture_test::WaitFor;

namespace {

void Say(const std::wstring& line) {
  std::string bytes(line.size() * 3 + 1, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), int(bytes.size()), nullptr, nullptr));
  std::printf("%s\n", bytes.c_str());
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"screen" && argc == 3) {
    const ViewerWindow* viewer = RunFullScreenCapture();
    return viewer && WriteBmpFile(viewer->Image(), argv[2]) == 0 ? 0 : 1;
  }
  const int left = argc > 2 ? _wtoi(argv[2]) : 40;
  const capture_test::TestWindow pattern(CLR_INVALID, {left, 40, left + 500, 440}, WS_POPUP);
  if (mode == L"pick") {
    const CapAreaWindow* picker = OpenNewAreaPicker();
    if (!picker) return 1;
    Say(L"picker");
    WaitFor([&] { return !picker->Exists(); });
    Say(L"saved " + std::wstring(FileLeaf(picker->LastSave().path)));
  } else if (mode == L"continuous") {
    using W = ContinuousCaptureWindow;
    W* window = ShowContinuousCapture({});
    ui::SetText(window->Control(W::kTxtNum), L"1");
    SetForegroundWindow(pattern.Handle());
    SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(W::kCmdStart, BN_CLICKED), LPARAM(window->Control(W::kCmdStart)));
    WaitFor([&] { return window->Model().ShotCount() > 0; });
    Say(L"shot " + std::wstring(FileLeaf(window->LastShot().path)));
  } else {
    return 2;  // see above for the usage
  }
  Say(L"done");
  ui::Delay(3);  // the screen stays as it was while the script reads it
  return 0;
}
