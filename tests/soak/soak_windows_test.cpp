// Many captures in one process: every window made is gone again, every file
// written reads back as a bitmap of the right size, and the counts of GDI
// and USER objects end where they began.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/handle_counts.h"
#include "ui/system.h"
#include "velmora/capture/bmp_format.h"
#include "velmora/capture/cap_area_window.h"
#include "velmora/capture/continuous_capture_window.h"
#include "velmora/capture/shot_window.h"
#include "velmora/capture/viewer_window.h"

using namespace capture;

namespace {

// Wine keeps a few objects of its own around (cached brushes, the clipboard's
// copy); a leak of one object per round would show as hundreds.
constexpr DWORD kSlack = 8;

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 30000) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  while (!condition() && GetTickCount64() < deadline) ui::Delay(0.02);
  return condition();
}

struct Counts {
  DWORD gdi = testsupport::GdiObjectCount();
  DWORD user = testsupport::UserObjectCount();
};

void ExpectFlat(const Counts& before) {
  const Counts after;
  EXPECT_LE(after.gdi, before.gdi + kSlack) << "GDI objects grew from " << before.gdi;
  EXPECT_LE(after.user, before.user + kSlack) << "USER objects grew from " << before.user;
}

// The file reads back whole as an uncompressed bitmap of the given size.
void ExpectReadableBmp(const std::wstring& path, int width, int height) {
  std::vector<std::byte> bytes;
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot open " << std::string(path.begin(), path.end());
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  const auto plan = ReadBmpHeaders(bytes);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->fileBytes, read);
  if (width >= 0) {
    EXPECT_EQ(plan->width, width);
  }
  if (height >= 0) {
    EXPECT_EQ(plan->height, height);
  }
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<short>(x), static_cast<short>(y)); }

std::size_t VisibleWindowsOfThisProcess() {
  std::size_t count = 0;
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == GetCurrentProcessId() && IsWindowVisible(hwnd)) ++*reinterpret_cast<std::size_t*>(param);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

TEST(Soak, TwoHundredViewersOpenedAndClosed) {
  // The first round makes what lives as long as the program: the shared
  // hidden viewer, window classes, fonts.
  if (ViewerWindow* first = RunFullScreenCapture()) SendMessageW(first->Handle(), WM_CLOSE, 0, 0);
  PumpMessages();
  const std::size_t windowsBefore = VisibleWindowsOfThisProcess();
  const Counts before;
  for (int round = 0; round < 200; ++round) {
    ViewerWindow* viewer = RunFullScreenCapture();
    ASSERT_NE(viewer, nullptr) << "round " << round;
    EXPECT_TRUE(IsWindowVisible(viewer->Handle()));
    EXPECT_TRUE(viewer->Image());
    SendMessageW(viewer->Handle(), WM_CLOSE, 0, 0);
    PumpMessages();
  }
  EXPECT_EQ(OpenViewerCount(), 0u);
  EXPECT_EQ(VisibleWindowsOfThisProcess(), windowsBefore);
  ExpectFlat(before);
}

TEST(Soak, TwoHundredAreaPicksEachSavedAndReadable) {
  const auto pick = [](int round) {
    CapAreaWindow* picker = OpenNewAreaPicker();
    if (!picker) return;
    const HWND hwnd = picker->Handle();
    const int x = 50 + round % 40, y = 60 + round % 30;
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(x, y));
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, At(x + 100, y + 50));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, At(x + 100, y + 50));
    EXPECT_FALSE(picker->Exists()) << "round " << round;
    const SaveResult& saved = picker->LastSave();
    EXPECT_TRUE(saved.saved) << "round " << round;
    if (saved.saved) {
      // Picks within one second share a name: each is read before the next.
      ExpectReadableBmp(saved.path, 100, 50);
      DeleteFileW(saved.path.c_str());
    }
  };
  pick(0);
  PumpMessages();
  const std::size_t windowsBefore = VisibleWindowsOfThisProcess();
  const Counts before;
  for (int round = 1; round <= 200; ++round) {
    pick(round);
    PumpMessages();
  }
  EXPECT_EQ(OpenAreaPickerCount(), 0u);
  EXPECT_EQ(VisibleWindowsOfThisProcess(), windowsBefore);
  ExpectFlat(before);
}

TEST(Soak, ContinuousCaptureSixtyShotsAtOneSecond) {
  // The window being shot: a plain one of known size in front.
  const HWND target = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"shot target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      200, 150, 240, 130, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(target);
  int hides = 0, shows = 0;
  ContinuousCaptureWindow* window = ShowContinuousCapture({[&] { ++hides; }, [&] { ++shows; }});
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(target);
  PumpMessages();
  ui::SetText(window->Control(ContinuousCaptureWindow::kTxtNum), L"1");
  const auto click = [&](int id) {
    SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window->Control(id)));
  };
  click(ContinuousCaptureWindow::kCmdStart);
  const long long first = window->Model().ShotCount();
  ASSERT_TRUE(WaitFor([&] { return window->Model().ShotCount() > first; }));
  const Counts before;
  long long checked = window->Model().ShotCount();
  DeleteFileW(window->LastShot().path.c_str());
  for (int shot = 0; shot < 60; ++shot) {
    ASSERT_TRUE(WaitFor([&] { return window->Model().ShotCount() > checked; })) << "shot " << shot;
    checked = window->Model().ShotCount();
    const SaveResult& saved = window->LastShot();
    ASSERT_TRUE(saved.saved) << "shot " << shot;
    ExpectReadableBmp(saved.path, -1, -1);
    DeleteFileW(saved.path.c_str());
  }
  click(ContinuousCaptureWindow::kCmdStart);  // pause
  EXPECT_EQ(hides, shows);
  EXPECT_TRUE(WaitFor([] { return OpenShotWindowCount() == 0; }));
  ExpectFlat(before);
  click(ContinuousCaptureWindow::kCmdClose);
  DestroyWindow(target);
  PumpMessages();
  EXPECT_FALSE(window->Exists());
}
