#include <gtest/gtest.h>

#include <cstdint>
#include <cwctype>
#include <vector>

#include "ui/controls.h"
#include "ui/handles.h"
#include "velmora/capture/bmp_format.h"
#include "velmora/capture/cap_area_window.h"
#include "tests/support/handle_counts.h"
#include "velmora/capture/capture_test_support.h"

using namespace capture;
using namespace capture_test;

namespace {

LRESULT CALLBACK PatternProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(hwnd, &r);
    const ui::Bitmap pattern(PatternBitmap(r.right, r.bottom));
    const ui::MemoryDc memory(CreateCompatibleDC(reinterpret_cast<HDC>(wParam)));
    const ui::SelectionGuard selected(memory.get(), pattern.get());
    BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, r.right, r.bottom, memory.get(), 0, 0, SRCCOPY);
    return 1;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// An ordinary (not top-most) window whose every pixel differs from its
// neighbours, under the picker's selections, so a shifted copy shows.
class PatternWindow {
 public:
  PatternWindow() {
    static const ATOM kClass = [] {
      WNDCLASSEXW wc{sizeof wc};
      wc.lpfnWndProc = PatternProcedure;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"VelmoraPickerTestPattern";
      return RegisterClassExW(&wc);
    }();
    (void)kClass;
    hwnd_ = CreateWindowExW(0, L"VelmoraPickerTestPattern", L"", WS_POPUP | WS_VISIBLE, 40, 40, 500, 400, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
    PumpMessages();
  }
  ~PatternWindow() {
    DestroyWindow(hwnd_);
    PumpMessages();
  }

 private:
  HWND hwnd_ = nullptr;
};

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<short>(x), static_cast<short>(y)); }

struct Drag {
  POINT from, to;
  UINT down = WM_LBUTTONDOWN, up = WM_LBUTTONUP;
  WPARAM held = MK_LBUTTON;
};

// Presses, moves in a few steps and stops short of releasing.
void PressAndMove(HWND picker, const Drag& d) {
  SendMessageW(picker, WM_MOUSEMOVE, 0, At(d.from.x, d.from.y));
  SendMessageW(picker, d.down, d.held, At(d.from.x, d.from.y));
  for (int step = 1; step <= 4; ++step) {
    SendMessageW(picker, WM_MOUSEMOVE, d.held,
                 At(d.from.x + (d.to.x - d.from.x) * step / 4, d.from.y + (d.to.y - d.from.y) * step / 4));
  }
}

void Release(HWND picker, const Drag& d) { SendMessageW(picker, d.up, 0, At(d.to.x, d.to.y)); }

struct ClipboardBitmap {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

ClipboardBitmap ReadClipboardBitmap() {
  ClipboardBitmap result;
  if (!OpenClipboard(nullptr)) return result;
  if (auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    result = {info.bmWidth, info.bmHeight, PixelsOf(bitmap, info.bmWidth, info.bmHeight)};
  }
  CloseClipboard();
  return result;
}

// The pixels of a 24-bit bitmap file as 0x00RRGGBB, top row first.
std::vector<std::uint32_t> FilePixels(const std::vector<std::byte>& file, const BmpPlan& plan) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < plan.height; ++y) {
    const std::size_t row = plan.pixelOffset + static_cast<std::size_t>(plan.height - 1 - y) * plan.rowBytes;
    for (int x = 0; x < plan.width; ++x) {
      const std::size_t at = row + static_cast<std::size_t>(x) * 3;
      pixels.push_back(std::to_integer<std::uint32_t>(file[at + 2]) << 16 |
                       std::to_integer<std::uint32_t>(file[at + 1]) << 8 | std::to_integer<std::uint32_t>(file[at]));
    }
  }
  return pixels;
}

bool IsJoinedCaptureName(const std::wstring& path) {
  const std::wstring leaf(FileLeaf(path));
  const std::wstring prefix = L"Kelvo抓屏";
  if (leaf.size() != prefix.size() + 14 + 4 || leaf.compare(0, prefix.size(), prefix) != 0) return false;
  for (std::size_t i = prefix.size(); i < prefix.size() + 14; ++i) {
    if (!std::iswdigit(leaf[i])) return false;
  }
  return leaf.ends_with(L".bmp");
}

void ExpectPickOf200By100(const Drag& drag, bool readOutInside) {
  const PatternWindow pattern;
  const auto expected = ScreenPixels(100, 100, 200, 100);  // the screen before the picker, read on its own
  CapAreaWindow* picker = OpenNewAreaPicker();
  ASSERT_NE(picker, nullptr);
  const HWND hwnd = picker->Handle();
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  RECT client;
  GetClientRect(hwnd, &client);
  ASSERT_EQ(origin.x, 0);
  ASSERT_EQ(origin.y, 0);
  ASSERT_EQ(client.right, GetSystemMetrics(SM_CXSCREEN));
  ASSERT_EQ(client.bottom, GetSystemMetrics(SM_CYSCREEN));

  PressAndMove(hwnd, drag);
  if (drag.held == MK_LBUTTON) {
    EXPECT_EQ(ui::GetText(picker->txtPos()), L"200,100");
    ASSERT_NE(picker->Frame(), nullptr);
    EXPECT_EQ(*picker->Frame(), (FrameCorners{99, 99, 301, 201}));
    // The frame is on screen one pixel outside the selection.
    EXPECT_EQ(ScreenPixels(99, 99, 1, 1)[0], 0x00FF00u);
    EXPECT_EQ(ScreenPixels(301, 201, 1, 1)[0], 0x00FF00u);
    EXPECT_NE(ScreenPixels(100, 100, 1, 1)[0], 0x00FF00u);
  } else {
    EXPECT_EQ(picker->Frame(), nullptr);  // only the left button draws
  }
  RECT box;
  GetWindowRect(picker->txtPos(), &box);
  EXPECT_EQ(box.left, drag.from.x);
  EXPECT_EQ(box.bottom, drag.from.y - 2);
  if (readOutInside) {
    // The box stands over the selection on screen, yet stays out of the capture.
    EXPECT_TRUE(ScreenPixels(100, 100, 200, 100) != expected);
  }
  Release(hwnd, drag);
  EXPECT_FALSE(picker->Exists());

  EXPECT_TRUE(picker->CopiedToClipboard());
  const ClipboardBitmap clip = ReadClipboardBitmap();
  EXPECT_EQ(clip.width, 200);
  EXPECT_EQ(clip.height, 100);
  EXPECT_TRUE(clip.pixels == expected);

  const SaveResult& saved = picker->LastSave();
  ASSERT_TRUE(saved.saved);
  EXPECT_TRUE(IsJoinedCaptureName(saved.path)) << saved.path;
  const auto file = ReadWholeFile(saved.path);
  DeleteFileW(saved.path.c_str());
  const auto plan = ReadBmpHeaders(file);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->width, 200);
  EXPECT_EQ(plan->height, 100);
  ASSERT_EQ(plan->bitsPerPixel, 24);
  EXPECT_TRUE(FilePixels(file, *plan) == expected);
}

}  // namespace

TEST(AreaPicker, DragDownAndRightTakesTheRectangleFromTheFrozenScreen) {
  ExpectPickOf200By100({{100, 100}, {300, 200}}, false);
}

TEST(AreaPicker, DragUpAndLeftTakesTheSameRectangle) { ExpectPickOf200By100({{300, 200}, {100, 100}}, false); }

TEST(AreaPicker, DragUpwardAcrossTheReadOutLeavesItOutOfTheCapture) {
  ExpectPickOf200By100({{100, 200}, {300, 100}}, true);
}

TEST(AreaPicker, RightButtonAlsoCapturesWithoutFrameOrReadOut) {
  ExpectPickOf200By100({{300, 100}, {100, 200}, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON}, false);
}

TEST(AreaPicker, FrozenScreenHoldsNeitherThePickerNorItsPrompt) {
  const PatternWindow pattern;
  PumpMessages();
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const auto before = ScreenPixels(0, 0, width, height);
  CapAreaWindow* picker = OpenNewAreaPicker();
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(ui::GetText(picker->txtPos()), L"请选择要抓取的窗口并拖动:");
  EXPECT_TRUE(IsWindowVisible(picker->txtPos()));
  EXPECT_TRUE(IsZoomed(picker->Handle()));
  EXPECT_EQ(GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  ASSERT_EQ(picker->Background().Width(), width);
  EXPECT_TRUE(PixelsOf(picker->Background().Bitmap(), width, height) == before);
  for (int i = 0; i < 11; ++i) SendMessageW(picker->Handle(), WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
  EXPECT_FALSE(picker->Exists());
}

TEST(AreaPicker, ClickWithoutMovementStillClosesThePicker) {
  const PatternWindow pattern;
  CapAreaWindow* picker = OpenNewAreaPicker();
  ASSERT_NE(picker, nullptr);
  SendMessageW(picker->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(250, 150));
  SendMessageW(picker->Handle(), WM_LBUTTONUP, 0, At(250, 150));
  EXPECT_FALSE(picker->Exists());
  EXPECT_TRUE(picker->LastSave().saved);  // the degenerate picture is still saved
  DeleteFileW(picker->LastSave().path.c_str());
}

TEST(AreaPicker, IdleCloseOnTheEleventhTickWithoutAFileAndNoKeysHandled) {
  const PatternWindow pattern;
  CapAreaWindow* picker = OpenNewAreaPicker();
  ASSERT_NE(picker, nullptr);
  const HWND hwnd = picker->Handle();
  SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
  SendMessageW(hwnd, WM_CHAR, VK_ESCAPE, 0);
  EXPECT_TRUE(picker->Exists());
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));  // in the middle of a selection
  for (int tick = 1; tick <= 10; ++tick) SendMessageW(hwnd, WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
  EXPECT_TRUE(picker->Exists());
  SendMessageW(hwnd, WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
  EXPECT_FALSE(picker->Exists());
  EXPECT_FALSE(picker->CopiedToClipboard());
  EXPECT_TRUE(picker->LastSave().attempts.empty());
  EXPECT_EQ(OpenAreaPickerCount(), 0u);
}

TEST(AreaPicker, IdleCloseAlsoComesFromItsOwnClock) {
  const PatternWindow pattern;
  CapAreaWindow* picker = OpenNewAreaPicker();
  ASSERT_NE(picker, nullptr);
  const ULONGLONG deadline = GetTickCount64() + 60000;
  while (picker->Exists() && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
    MSG msg;
    // Only the clock's messages: real mouse movement would restart the count.
    while (PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) DispatchMessageW(&msg);
  }
  EXPECT_FALSE(picker->Exists());
}

TEST(AreaPicker, TheSharedPickerKeepsItsIdleCountWhenOpenedAgain) {
  const PatternWindow pattern;
  CapAreaWindow* shared = ShowSharedAreaPicker();
  ASSERT_NE(shared, nullptr);
  for (int tick = 0; tick < 11; ++tick) SendMessageW(shared->Handle(), WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
  ASSERT_FALSE(shared->Exists());
  ASSERT_EQ(ShowSharedAreaPicker(), shared);  // the same object, loaded again
  ASSERT_TRUE(shared->Exists());
  EXPECT_EQ(shared->Model().IdleTicks(), 11);
  SendMessageW(shared->Handle(), WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
  EXPECT_FALSE(shared->Exists());
  // Opened again and moved over, it waits its full time.
  ShowSharedAreaPicker();
  SendMessageW(shared->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(shared->Handle(), WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
  EXPECT_TRUE(shared->Exists());
  for (int tick = 0; tick < 10; ++tick) SendMessageW(shared->Handle(), WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
  EXPECT_FALSE(shared->Exists());
}

TEST(AreaPicker, EveryHotKeyPressOpensAnotherPicker) {
  const PatternWindow pattern;
  CapAreaWindow* first = OpenNewAreaPicker();
  CapAreaWindow* second = OpenNewAreaPicker();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first->Handle(), second->Handle());
  EXPECT_EQ(OpenAreaPickerCount(), 2u);
  for (CapAreaWindow* picker : {first, second}) {
    for (int tick = 0; tick < 11; ++tick) SendMessageW(picker->Handle(), WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
  }
  EXPECT_EQ(OpenAreaPickerCount(), 0u);
}

TEST(AreaPicker, HundredPicksLeaveNoHandles) {
  const PatternWindow pattern;
  auto pick = [] {
    CapAreaWindow* picker = OpenNewAreaPicker();
    if (!picker) return false;
    PressAndMove(picker->Handle(), {{100, 100}, {120, 110}});
    Release(picker->Handle(), {{100, 100}, {120, 110}});
    DeleteFileW(picker->LastSave().path.c_str());
    return !picker->Exists();
  };
  ASSERT_TRUE(pick());  // classes and the clipboard's first bitmap made once
  EXPECT_EQ(OpenAreaPickerCount(), 0u);
  const DWORD gdi = testsupport::GdiObjectCount();
  const DWORD user = testsupport::UserObjectCount();
  ASSERT_GT(gdi, 0u);  // the count must see something to mean anything
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(pick()) << i;
  EXPECT_EQ(OpenAreaPickerCount(), 0u);
  EXPECT_EQ(testsupport::GdiObjectCount(), gdi);
  EXPECT_EQ(testsupport::UserObjectCount(), user);
}
