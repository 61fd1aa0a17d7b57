#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <atomic>

#include "tests/support/capture_test_support.h"
#include "ui/controls.h"
#include "ui/system.h"
#include "velmora/capture/cap_area_window.h"
#include "velmora/capture/continuous_capture_window.h"
#include "velmora/capture/full_screen_capture.h"
#include "velmora/capture/hidden_helper.h"
#include "velmora/capture/save_notice_window.h"
#include "velmora/capture/shot_window.h"
#include "velmora/words/send_word.h"
#include "velmora/words/typing_guard.h"

using namespace capture;
using namespace capture_test;

namespace {

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }
bool FrameAt(int x, int y) { return ScreenPixels(x, y, 1, 1)[0] == 0x00FF00u; }

struct Drag { POINT from, to; UINT down = WM_LBUTTONDOWN, up = WM_LBUTTONUP; WPARAM held = MK_LBUTTON; };

// Presses and moves halfway, then to the end, stopping short of the release.
void PressAndMove(HWND picker, const Drag& d) {
  SendMessageW(picker, d.down, d.held, At(d.from));
  SendMessageW(picker, WM_MOUSEMOVE, d.held, At({(d.from.x + d.to.x) / 2, (d.from.y + d.to.y) / 2}));
  SendMessageW(picker, WM_MOUSEMOVE, d.held, At(d.to));
}

// A bitmap of another size than 200 x 100 reads as other pixels.
std::vector<std::uint32_t> ClipboardPixels() {
  OpenClipboard(nullptr);
  auto pixels = PixelsOf(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)), 200, 100);
  CloseClipboard();
  return pixels;
}

std::size_t ThreadCount() {
  const ui::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{sizeof entry};
  std::size_t count = 0;
  for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
    count += entry.th32OwnerProcessID == GetCurrentProcessId();
  return count;
}

// A window on a thread of its own that, drawing its own picture (WM_PRINT, which PrintWindow sends), asks the control
// window, then hangs until the test lets it go.
struct HangingWindow {
  static inline const ui::KernelHandle release{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  static inline std::atomic<HWND> window, control;
  static inline std::atomic<bool> answered;
  static inline WNDPROC painting;
  static LRESULT CALLBACK Procedure(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    if (message == WM_PRINT) {
      answered = SendMessageTimeoutW(control, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored) != 0;
      WaitForSingleObject(release.get(), 60000);
    }
    return CallWindowProcW(painting, w, message, wParam, lParam);
  }
  static DWORD WINAPI Run(void*) {
    const TestWindow shown(RGB(200, 120, 30), {300, 200, 477, 295});
    const LONG_PTR hanging = reinterpret_cast<LONG_PTR>(&Procedure);
    painting = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(shown.Handle(), GWLP_WNDPROC, hanging));
    window = shown.Handle();
    for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0;) DispatchMessageW(&msg);
    return 0;
  }
};

void Ticks(const CapAreaWindow& picker, int count) {
  while (count-- > 0) SendMessageW(picker.Handle(), WM_TIMER, CapAreaWindow::kIdleTimerId, 0);
}

}  // namespace

// The 200 x 100 rectangle from (100, 100), whichever way it is dragged, is cut from the frozen screen onto the
// clipboard and into the file; the read-out box, standing over it on an upward drag, stays out of both.
TEST(AreaPicker, EveryDragTakesTheFrozenRectangleIdlePickersCloseAndNothingLeaks) {
  const TestWindow pattern(CLR_INVALID, {40, 40, 540, 440}, WS_POPUP);
  const Drag drags[] = {{{100, 100}, {300, 200}},
                        {{300, 200}, {100, 100}},
                        {{100, 200}, {300, 100}},
                        {{300, 100}, {100, 200}, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON}};
  for (const Drag& drag : drags) {
    SCOPED_TRACE(testing::Message() << drag.from.x << "," << drag.from.y << " button " << drag.down);
    ASSERT_TRUE(WaitFor([] { return !FrameAt(99, 99); }));  // the last picker's frame is gone
    const auto expected = SettledScreenPixels(100, 100, 200, 100);
    CapAreaWindow* picker = OpenNewAreaPicker();
    PressAndMove(picker->Handle(), drag);
    RECT box;
    GetWindowRect(picker->txtPos(), &box);
    EXPECT_EQ(Size(box.left, box.bottom), Size(drag.from.x, drag.from.y - 2));
    const bool left = drag.held == MK_LBUTTON;  // only the left button shows the size and the frame
    EXPECT_EQ(ui::GetText(picker->txtPos()), left ? L"200,100" : L"请选择要抓取的窗口并拖动:");
    EXPECT_EQ(picker->Frame() != nullptr, left);  // on screen one pixel outside, once painting gets there:
    EXPECT_TRUE(!left || WaitFor([] { return FrameAt(99, 99) && FrameAt(301, 201) && !FrameAt(100, 100); }));
    SendMessageW(picker->Handle(), drag.up, 0, At(drag.to));
    EXPECT_TRUE(!picker->Exists() && picker->CopiedToClipboard() && ClipboardPixels() == expected);
    const std::wstring& saved = picker->LastSave().path;
    const ui::Bitmap file(static_cast<HBITMAP>(LoadImageW(nullptr, saved.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    DeleteFileW(saved.c_str());
    EXPECT_TRUE(PixelsOf(file.get(), 200, 100) == expected);
  }
  EXPECT_TRUE(NoHandlesLeft([] {
    CapAreaWindow* picker = OpenNewAreaPicker();
    PressAndMove(picker->Handle(), {{100, 100}, {120, 110}});
    SendMessageW(picker->Handle(), WM_LBUTTONUP, 0, At({120, 110}));
    DeleteFileW(picker->LastSave().path.c_str());
  }));
  EXPECT_EQ(OpenAreaPickerCount(), 0u);

  // Frozen before it appears; closed by its idle clock, the shared one keeping its count.
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const auto before = SettledScreenPixels(0, 0, width, height);
  CapAreaWindow* picker = OpenNewAreaPicker();
  EXPECT_TRUE(PixelsOf(picker->Background().Bitmap(), width, height) == before);
  EXPECT_TRUE(IsZoomed(picker->Handle()) && IsWindowVisible(picker->txtPos()));
  RECT placed{100, 100, 400, 300}, screen{0, 0, width, height};  // a monitor of another DPI under its centre:
  SendMessageW(picker->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&placed));
  EXPECT_TRUE(GetWindowRect(picker->Handle(), &placed) && EqualRect(&placed, &screen));  // it stays over the screen
  EXPECT_TRUE(KillTimer(picker->Handle(), CapAreaWindow::kIdleTimerId));  // its clock was running
  SendMessageW(picker->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));  // in the middle of a selection
  Ticks(*picker, 10);
  EXPECT_TRUE(picker->Exists());
  Ticks(*picker, 1);
  EXPECT_FALSE(picker->Exists() || picker->CopiedToClipboard() || !picker->LastSave().attempts.empty());
  CapAreaWindow* shared = ShowSharedAreaPicker();
  Ticks(*shared, 11);
  ASSERT_EQ(ShowSharedAreaPicker(), shared);  // the same object, loaded again
  Ticks(*shared, 1);
  EXPECT_FALSE(shared->Exists());
}

// Its clock shoots the foreground window with the bar hidden; reopened, it shows " 000" until the next shot continues
// the count. Every shot window closes itself, never shown, and many shots leave no handles.
TEST(ContinuousCapture, ItsClockShootsTheForegroundWindowAndManyShotsLeaveNoHandles) {
  using W = ContinuousCaptureWindow;
  const TestWindow target(RGB(30, 120, 200), {300, 200, 477, 295});
  int hides = 0, shows = 0, marked = 0;
  W* window = ShowContinuousCapture({[&] { ++hides; }, [&] { ++shows; }});
  SetHiddenHelperMark([&](HWND shot) { marked += !IsWindowVisible(shot); });
  RECT spot;  // top-most at the screen's right edge
  GetWindowRect(window->Handle(), &spot);
  EXPECT_TRUE(GetWindowLongPtrW(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST && spot.right == GetSystemMetrics(SM_CXSCREEN));
  SetForegroundWindow(target.Handle());  // the user goes back to the window to be shot
  const auto click = [&](int id) {
    SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(window->Control(id)));
  };
  const auto label = [&] { return ui::GetText(window->Control(W::kLabNum)); };
  ui::SetText(window->Control(W::kTxtNum), L"0");  // no interval: running, but no clock
  click(W::kCmdStart);
  EXPECT_FALSE(KillTimer(window->Handle(), W::kShotTimerId));
  click(W::kCmdStart);
  ui::SetText(window->Control(W::kTxtNum), L"1");
  click(W::kCmdStart);
  ASSERT_TRUE(WaitFor([&] { return window->Model().ShotCount() == 1; }));
  click(W::kCmdStart);  // pause
  EXPECT_EQ(label(), L" 001");
  EXPECT_TRUE(hides == 1 && shows == 1 && IsWindowVisible(window->Handle()));
  EXPECT_EQ(BmpFileSizeThenDelete(window->LastShot().path), Size(177, 95));  // the target's outer size

  click(W::kCmdClose);
  ASSERT_EQ(ShowContinuousCapture({}), window);  // the same object, with no bar to show
  EXPECT_EQ(label(), L" 000");
  ui::SetText(window->Control(W::kTxtNum), L"0");  // shots from here on come from the test alone
  click(W::kCmdStart);
  EXPECT_TRUE(NoHandlesLeft([&] {
    SendMessageW(window->Handle(), WM_TIMER, W::kShotTimerId, 0);
    DeleteFileW(window->LastShot().path.c_str());
    WaitFor([] { return OpenShotWindowCount() == 0; });
  }, 10));
  EXPECT_EQ(label(), L" 012");  // the count went on after reopening
  EXPECT_EQ(marked, 12);  // none of them keeps the program running
  SetHiddenHelperMark({});
  click(W::kCmdClose);
}

// Each capture window, closed while active, puts the window worked in in front again, not the top-most window of ours
// (the bar) next in the z-order.
TEST(CaptureWindows, ClosingHandsTheActivationBackToTheWindowWorkedIn) {
  const TestWindow worked(RGB(10, 20, 30), {100, 100, 300, 200});
  const TestWindow bar(RGB(255, 128, 128), {600, 500, 656, 519}, WS_POPUP);
  SetWindowPos(bar.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  const std::function<HWND()> opens[] = {[] { return RunFullScreenCapture()->Handle(); },
                                         [] { return ShowContinuousCapture({})->Handle(); },
                                         [] { return OpenNewAreaPicker()->Handle(); }};
  for (const auto& open : opens) {
    SetForegroundWindow(worked.Handle());
    const HWND opened = open();
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == opened; }));
    SendMessageW(opened, WM_CLOSE, 0, 0);
    EXPECT_TRUE(!IsWindow(opened) && WaitFor([&] { return GetForegroundWindow() == worked.Handle(); }));
  }
}

// A window that answers and then hangs in drawing its own picture: the control window answers meanwhile, the shot is
// the screen's after about a second, and the late picture, freed on the thread that drew it (which then ends), leaves
// no handle. The first round makes what lives as long as the program.
TEST(ContinuousCapture, AWindowThatHangsInItsPaintIsReadOffTheScreenWhileTheControlWindowAnswers) {
  const std::uint64_t held = Picture::HeldBytes();
  const std::size_t threads = ThreadCount() + 1;  // with the target's
  DWORD id = 0;
  const ui::KernelHandle thread(CreateThread(nullptr, 0, HangingWindow::Run, nullptr, 0, &id));
  ASSERT_TRUE(WaitFor([] { return HangingWindow::window != nullptr; }));
  const HWND target = HangingWindow::window;
  HangingWindow::control = ShowContinuousCapture({})->Handle();
  RECT r;
  GetWindowRect(target, &r);
  const auto round = [&] {
    HangingWindow::answered = false;
    EXPECT_TRUE(PixelsOf(CaptureWholeWindow(target, true).Bitmap(), r.right - r.left, r.bottom - r.top) ==
                ScreenPixels(r.left, r.top, r.right - r.left, r.bottom - r.top));
    EXPECT_TRUE(HangingWindow::answered);  // by the control window while the target hangs
    SetEvent(HangingWindow::release.get());
  };
  const auto drawnAndGone = [&] { return Picture::HeldBytes() == held && ThreadCount() == threads; };
  round();
  ASSERT_TRUE(WaitFor(drawnAndGone));
  ResetEvent(HangingWindow::release.get());
  const DWORD before = testsupport::GdiObjectCount();
  round();
  EXPECT_TRUE(WaitFor([&] { return drawnAndGone() && testsupport::GdiObjectCount() == before; }));
  PostThreadMessageW(id, WM_QUIT, 0, 0);
  WaitForSingleObject(thread.get(), 30000);
  SendMessageW(HangingWindow::control, WM_COMMAND, MAKEWPARAM(ContinuousCaptureWindow::kCmdClose, BN_CLICKED), 0);
}

// Where the window that would receive the keys outranks us, Windows would drop them: nothing is typed, and the notice
// at the bar says the word is on the clipboard, to be pasted.
TEST(SaveNotice, ATargetThatOutranksUsGetsNoKeysAndTheNoticeSaysToPaste) {
  const TestWindow target(RGB(1, 2, 3), {100, 100, 300, 200});
  const HWND edit = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 0, 0, 150, 40, target.Handle(), nullptr,
                                    nullptr, nullptr);
  SetFocus(edit);
  HWND asked = nullptr;
  words::SendWord(target.Handle(), L"Ω", nullptr, {[&](HWND w) { return (asked = w) != nullptr; }, ShowNotice});
  EXPECT_EQ(asked, target.Handle());
  EXPECT_EQ(ui::GetClipboardText(nullptr), L"Ω");
  const HWND notice = SaveNoticeHandle();
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(ui::GetText(notice), words::kPasteInsteadNotice);
  PumpMessages();
  EXPECT_EQ(ui::GetText(edit), L"");
  SendMessageW(notice, WM_LBUTTONUP, 0, 0);
}

// The shell's wait dispatches messages: a notice shown then replaces one already closed, and stays.
TEST(SaveNotice, AClickClosesTheNoticeBeforeTheFolderOpensAndANoticeShownMeanwhileStays) {
  const std::wstring root = L"c:\\Kelvo抓屏20261207101010.bmp", file = L"C:\\P\\Kelvo抓屏20261207101010.bmp";
  std::wstring opened;
  SetSaveNoticeFolderOpener([&](const std::wstring& path) {
    opened += path + (SaveNoticeHandle() ? L" with the notice open" : L"");
    ShowNotice(L"第二个");
  });
  ShowSaveNotice({true, file, {{root, 5}, {file, 0}}, root});
  const HWND first = SaveNoticeHandle();
  SendMessageW(first, WM_LBUTTONUP, 0, 0);
  const HWND second = SaveNoticeHandle();
  EXPECT_TRUE(!IsWindow(first) && second && ui::GetText(second) == L"第二个");
  SendMessageW(second, WM_LBUTTONUP, 0, 0);  // a notice of no file: a click only closes it
  SetSaveNoticeFolderOpener({});
  EXPECT_TRUE(opened == file && !SaveNoticeHandle());
}
