#include <gtest/gtest.h>

#include "tests/support/capture_test_support.h"
#include "tests/support/handle_counts.h"
#include "velmora/capture/bmp_format.h"
#include "velmora/capture/full_screen_capture.h"

using namespace capture;
using namespace capture_test;

namespace {

void Mouse(const ViewerWindow& viewer, UINT message, int x, int y) {
  SendMessageW(viewer.ImageControl(), message, 0, MAKELPARAM(x, y));
}

void CloseViewer(ViewerWindow* viewer) {
  SendMessageW(viewer->Handle(), WM_CLOSE, 0, 0);
  PumpMessages();
}

// The popup menu is dismissed from inside its own loop, as Esc would.
void RightClick(const ViewerWindow& viewer) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  Mouse(viewer, WM_RBUTTONDOWN, 20, 20);  // returns once the menu has closed
  KillTimer(nullptr, timer);
}

}  // namespace

TEST(Viewer, ShowsOneReadOfTheScreenWithoutItselfTopMostBeyondTheLeftEdgeAndPansByDragging) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const auto before = SettledScreenPixels(0, 0, width, height);
  ViewerWindow* viewer = RunFullScreenCapture();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(PixelsOf(viewer->Image().Bitmap(), width, height) == before);
  EXPECT_TRUE(IsWindowVisible(viewer->Handle()) && GetWindowLongPtrW(viewer->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT outer, image;
  GetWindowRect(viewer->Handle(), &outer);
  EXPECT_EQ(outer.left, -ui::TwipsToPixels(1000, viewer->Dpi()));
  Mouse(*viewer, WM_LBUTTONDOWN, 300, 200);
  Mouse(*viewer, WM_MOUSEMOVE, 250, 170);
  Mouse(*viewer, WM_LBUTTONUP, 300, 200);  // the pointer moved with the picture
  SetWindowPos(viewer->Handle(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(viewer->ImageControl(), &image);
  POINT area{0, 0};
  ClientToScreen(viewer->Handle(), &area);
  EXPECT_EQ(image.left - area.x, -50);  // and resizing never re-centres it

  // The first viewer is on screen now, so the second one shows it.
  ASSERT_TRUE(WaitFor([&] { return ScreenPixels(0, 0, width, height) != before; }));
  const auto after = SettledScreenPixels(0, 0, width, height);
  ViewerWindow* second = RunFullScreenCapture();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(PixelsOf(second->Image().Bitmap(), width, height) == after);
  EXPECT_EQ(OpenViewerCount(), 2u);
  CloseViewer(second);
  CloseViewer(viewer);
  EXPECT_EQ(OpenViewerCount(), 0u);
}

TEST(Viewer, RightButtonSavesTheWholePictureAndClosingRemembersThePlaceInTwipsUnlessMinimised) {
  const wchar_t* const names[] = {L"MainLeft", L"MainTop", L"MainWidth", L"MainHeight"};
  const int pixels[] = {100, 120, 500, 300};
  for (const bool minimised : {false, true}) {
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Velmora\\Settings");
    ViewerWindow* viewer = RunFullScreenCapture();
    RightClick(*viewer);
    EXPECT_EQ(viewer->SaveMenuCaption(), L"保存到: 《" + viewer->SaveName() + L"》");
    const auto plan = ReadBmpHeaders(ReadWholeFile(viewer->SaveName()));
    DeleteFileW(viewer->SaveName().c_str());
    EXPECT_EQ(Size(plan->width, plan->height), Size(viewer->Image().Width(), viewer->Image().Height()));
    SetWindowPos(viewer->Handle(), nullptr, 100, 120, 500, 300, SWP_NOZORDER);
    if (minimised) ShowWindow(viewer->Handle(), SW_MINIMIZE);
    const UINT dpi = viewer->Dpi();
    CloseViewer(viewer);
    for (int i = 0; i < 4; ++i) {
      wchar_t text[16] = L"";
      DWORD size = sizeof text;
      RegGetValueW(HKEY_CURRENT_USER, L"Software\\Velmora\\Settings", names[i], RRF_RT_REG_SZ, nullptr, text, &size);
      EXPECT_EQ(text, minimised ? L"" : std::to_wstring(ui::PixelsToTwips(pixels[i], dpi))) << names[i];
    }
  }
}

TEST(Viewer, ManyOpenedSavedAndClosedLeaveNoHandles) {
  // Classes, the shared viewer and the system's caches are made by the first.
  for (int i = 0; i < 5; ++i) CloseViewer(RunFullScreenCapture());
  const DWORD gdi = testsupport::GdiObjectCount(), user = testsupport::UserObjectCount();
  for (int i = 0; i < 40; ++i) {
    ViewerWindow* viewer = RunFullScreenCapture();
    ASSERT_NE(viewer, nullptr);
    if (i % 10 == 0) RightClick(*viewer), DeleteFileW(viewer->LastSave().path.c_str());
    CloseViewer(viewer);
  }
  EXPECT_EQ(OpenViewerCount(), 0u);
  EXPECT_EQ(Size(testsupport::GdiObjectCount(), testsupport::UserObjectCount()), Size(gdi, user));
}
