// Saves one capture of the whole screen to the path given as the only
// argument and prints the path written. Used by the end-to-end script that
// checks our BMP files against an independent dump of the X screen.
#include <windows.h>

#include <cstdio>

#include "ui/os_functions.h"
#include "velmora/capture/capture_picture.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fwprintf(stderr, L"usage: capture_probe FILE.bmp\n");
    return 2;
  }
  ui::SetProcessDpiAware();
  const capture::Picture picture = capture::CaptureScreen();
  const DWORD error = capture::WriteBmpFile(picture, argv[1]);
  if (error) {
    std::fwprintf(stderr, L"write failed: %lu\n", error);
    return 1;
  }
  std::wprintf(L"%d %d\n", picture.Width(), picture.Height());
  return 0;
}
