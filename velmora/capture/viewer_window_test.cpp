#include <gtest/gtest.h>

#include <windowsx.h>

#include "tests/support/handle_counts.h"
#include "velmora/capture/bmp_format.h"
#include "velmora/capture/capture_save.h"
#include "velmora/capture/capture_test_support.h"
#include "velmora/capture/viewer_window.h"

using namespace capture;
using namespace capture_test;

namespace {

POINT ImageTopLeft(const ViewerWindow& viewer) {
  RECT r;
  GetWindowRect(viewer.ImageControl(), &r);
  MapWindowPoints(nullptr, viewer.AreaControl(), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top};
}

void Mouse(HWND control, UINT message, int x, int y) {
  SendMessageW(control, message, 0, MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
}

void CloseViewer(ViewerWindow* viewer) {
  SendMessageW(viewer->Handle(), WM_CLOSE, 0, 0);
  PumpMessages();
}

std::wstring SettingText(const wchar_t* name) {
  wchar_t text[64] = L"";
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Velmora\\Settings", name, RRF_RT_REG_SZ, nullptr, text, &size)) {
    return L"(none)";
  }
  return text;
}

// Dismisses the popup menu from inside its own loop, as Esc would.
void CALLBACK DismissMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (FindWindowW(L"#32768", nullptr)) EndMenu();
}

void RightClick(const ViewerWindow& viewer) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, DismissMenu);
  Mouse(viewer.ImageControl(), WM_RBUTTONDOWN, 20, 20);  // returns once the menu has closed
  KillTimer(nullptr, timer);
  Mouse(viewer.ImageControl(), WM_RBUTTONUP, 20, 20);
}

}  // namespace

TEST(Viewer, ShowsTheScreenWithoutItselfTopMostAndBeyondTheLeftEdge) {
  PumpMessages();
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const auto before = ScreenPixels(0, 0, width, height);
  ViewerWindow* viewer = RunFullScreenCapture();
  ASSERT_NE(viewer, nullptr);
  PumpMessages();
  ASSERT_EQ(viewer->Image().Width(), width);
  EXPECT_TRUE(PixelsOf(viewer->Image().Bitmap(), width, height) == before);
  EXPECT_TRUE(IsWindowVisible(viewer->Handle()));
  EXPECT_TRUE(GetWindowLongPtrW(viewer->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  wchar_t caption[64];
  GetWindowTextW(viewer->Handle(), caption, 64);
  EXPECT_EQ(std::wstring(caption).rfind(L"抓屏程序 ", 0), 0u);
  RECT outer;
  GetWindowRect(viewer->Handle(), &outer);
  EXPECT_EQ(outer.left, -ui::TwipsToPixels(1000, viewer->Dpi()));
  // The viewer is on screen now, so a second one shows the first.
  const auto after = ScreenPixels(0, 0, width, height);
  EXPECT_FALSE(after == before);
  ViewerWindow* second = RunFullScreenCapture();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(PixelsOf(second->Image().Bitmap(), width, height) == after);
  EXPECT_EQ(OpenViewerCount(), 2u);
  CloseViewer(second);
  CloseViewer(viewer);
  EXPECT_EQ(OpenViewerCount(), 0u);
}

TEST(Viewer, DragsFollowThePointerAndStopAtEveryEdge) {
  ViewerWindow* viewer = RunFullScreenCapture();
  ASSERT_NE(viewer, nullptr);
  const HWND image = viewer->ImageControl();
  RECT area;
  GetClientRect(viewer->AreaControl(), &area);
  const int minX = area.right - viewer->Image().Width(), minY = area.bottom - viewer->Image().Height();
  EXPECT_EQ(ImageTopLeft(*viewer).x, 0);  // larger than the area: top-left corner at the area's
  EXPECT_EQ(ImageTopLeft(*viewer).y, 0);

  Mouse(image, WM_LBUTTONDOWN, 300, 200);
  Mouse(image, WM_MOUSEMOVE, 250, 170);
  EXPECT_EQ(ImageTopLeft(*viewer).x, -50);
  EXPECT_EQ(ImageTopLeft(*viewer).y, -30);
  Mouse(image, WM_MOUSEMOVE, 400, 400);  // past the top-left
  EXPECT_EQ(ImageTopLeft(*viewer).x, 0);
  EXPECT_EQ(ImageTopLeft(*viewer).y, 0);
  Mouse(image, WM_MOUSEMOVE, -9000, -9000);  // past the bottom-right
  EXPECT_EQ(ImageTopLeft(*viewer).x, minX);
  EXPECT_EQ(ImageTopLeft(*viewer).y, minY);
  Mouse(image, WM_LBUTTONUP, 5000, 5000);
  EXPECT_EQ(ImageTopLeft(*viewer).x, 0);  // the release moves once more

  Mouse(image, WM_MOUSEMOVE, 100, 100);  // no button: nothing moves
  EXPECT_EQ(ImageTopLeft(*viewer).x, 0);
  Mouse(image, WM_MBUTTONDOWN, 100, 100);
  Mouse(image, WM_MOUSEMOVE, 90, 100);
  Mouse(image, WM_MBUTTONUP, 100, 100);  // the picture moved with the pointer
  EXPECT_EQ(ImageTopLeft(*viewer).x, -10);

  // Resizing moves the area's edges but not the picture.
  RECT outer;
  GetWindowRect(viewer->Handle(), &outer);
  SetWindowPos(viewer->Handle(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages();
  GetClientRect(viewer->AreaControl(), &area);
  EXPECT_EQ(area.right, 900);
  EXPECT_EQ(area.bottom, 700 - ui::TwipsToPixels(350, viewer->Dpi()));
  EXPECT_EQ(ImageTopLeft(*viewer).x, -10);
  CloseViewer(viewer);
}

TEST(Viewer, EnlargedBeyondThePictureADragPushesItToBottomRight) {
  ViewerWindow* viewer = RunFullScreenCapture();
  ASSERT_NE(viewer, nullptr);
  const int width = viewer->Image().Width(), height = viewer->Image().Height();
  SetWindowPos(viewer->Handle(), nullptr, -50, -60, width + 300, height + 200, SWP_NOZORDER);
  PumpMessages();
  EXPECT_EQ(ImageTopLeft(*viewer).x, 0);  // not re-centred by the resize
  // The system may keep the window from growing far past the screen, but
  // the area still ends up wider than the picture.
  RECT area;
  GetClientRect(viewer->AreaControl(), &area);
  ASSERT_GT(area.right, width);
  Mouse(viewer->ImageControl(), WM_LBUTTONDOWN, 10, 10);
  Mouse(viewer->ImageControl(), WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(ImageTopLeft(*viewer).x, area.right - width);
  EXPECT_EQ(ImageTopLeft(*viewer).y, area.bottom > height ? area.bottom - height : 0);
  CloseViewer(viewer);
}

TEST(Viewer, ClosingWritesItsPlaceInTwipsButNotWhenMinimised) {
  ViewerWindow* viewer = RunFullScreenCapture();
  ASSERT_NE(viewer, nullptr);
  SetWindowPos(viewer->Handle(), nullptr, 100, 120, 500, 300, SWP_NOZORDER);
  const UINT dpi = viewer->Dpi();
  CloseViewer(viewer);
  EXPECT_EQ(SettingText(L"MainLeft"), std::to_wstring(ui::PixelsToTwips(100, dpi)));
  EXPECT_EQ(SettingText(L"MainTop"), std::to_wstring(ui::PixelsToTwips(120, dpi)));
  EXPECT_EQ(SettingText(L"MainWidth"), std::to_wstring(ui::PixelsToTwips(500, dpi)));
  EXPECT_EQ(SettingText(L"MainHeight"), std::to_wstring(ui::PixelsToTwips(300, dpi)));

  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Velmora\\Settings");
  viewer = RunFullScreenCapture();
  ASSERT_NE(viewer, nullptr);
  ShowWindow(viewer->Handle(), SW_MINIMIZE);
  PumpMessages();
  CloseViewer(viewer);
  EXPECT_EQ(SettingText(L"MainLeft"), L"(none)");
}

TEST(Viewer, RightButtonSavesTheWholePictureAndTheMenuNamesTheFile) {
  ViewerWindow* viewer = RunFullScreenCapture();
  ASSERT_NE(viewer, nullptr);
  Mouse(viewer->ImageControl(), WM_LBUTTONDOWN, 300, 200);  // a panned view still saves everything
  Mouse(viewer->ImageControl(), WM_LBUTTONUP, 200, 100);
  RightClick(*viewer);
  ASSERT_TRUE(viewer->LastSave().saved);
  EXPECT_EQ(viewer->LastSave().path, viewer->SaveName());
  EXPECT_EQ(viewer->SaveName().rfind(L"c:\\Kelvo抓屏", 0), 0u);
  EXPECT_EQ(viewer->SaveName().size(), std::wstring(L"c:\\Kelvo抓屏20081105_140307.bmp").size());
  EXPECT_EQ(viewer->SaveMenuCaption(), L"保存到: 《" + viewer->SaveName() + L"》");
  const auto plan = ReadBmpHeaders(ReadWholeFile(viewer->SaveName()));
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->width, viewer->Image().Width());
  EXPECT_EQ(plan->height, viewer->Image().Height());
  DeleteFileW(viewer->SaveName().c_str());
  CloseViewer(viewer);
}

TEST(Viewer, WhenDriveCRefusesTheFileTheMenuNamesThePicturesFolder) {
  // Folders named like the next seconds' capture files block the first write.
  std::vector<std::wstring> blocked;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  for (int s = 0; s < 30; ++s) {
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart += static_cast<ULONGLONG>(s) * 10000000;
    FILETIME utc{t.LowPart, t.HighPart}, local;
    SYSTEMTIME st;
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &st);
    blocked.push_back(CaptureFileName({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond},
                                      TimeLayout::Separated));
    CreateDirectoryW(blocked.back().c_str(), nullptr);
  }
  ViewerWindow* viewer = RunFullScreenCapture();
  ASSERT_NE(viewer, nullptr);
  RightClick(*viewer);
  const std::wstring fallback = PathInFolder(PicturesFolder(), viewer->SaveName());
  EXPECT_TRUE(viewer->LastSave().saved);
  EXPECT_EQ(viewer->LastSave().path, fallback);
  EXPECT_EQ(viewer->SaveMenuCaption(), L"保存到: 《" + fallback + L"》");
  EXPECT_TRUE(ReadBmpHeaders(ReadWholeFile(fallback)));
  DeleteFileW(fallback.c_str());
  for (const auto& folder : blocked) RemoveDirectoryW(folder.c_str());
  CloseViewer(viewer);
}

TEST(Viewer, HundredViewersOpenedAndClosedLeaveNoHandles) {
  // Classes and shared objects are made once, and the system's own caches
  // (device contexts among them) fill up over the first viewers.
  for (int i = 0; i < 20; ++i) {
    ViewerWindow* viewer = RunFullScreenCapture();
    if (i % 10 == 0) RightClick(*viewer), DeleteFileW(viewer->LastSave().path.c_str());
    CloseViewer(viewer);
  }
  const DWORD gdi = testsupport::GdiObjectCount();
  const DWORD user = testsupport::UserObjectCount();
  for (int i = 0; i < 100; ++i) {
    ViewerWindow* viewer = RunFullScreenCapture();
    ASSERT_NE(viewer, nullptr);
    if (i % 10 == 0) RightClick(*viewer), DeleteFileW(viewer->LastSave().path.c_str());
    CloseViewer(viewer);
  }
  EXPECT_EQ(OpenViewerCount(), 0u);
  EXPECT_EQ(testsupport::GdiObjectCount(), gdi);
  EXPECT_EQ(testsupport::UserObjectCount(), user);
}
