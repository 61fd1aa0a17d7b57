// The statement window typing into Wine's notepad, started as a separate
// program: tracking its title, keeping it while the helper is in front, and
// typing a sentence exactly without touching the clipboard.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/system.h"
#include "velmora/words/word_list_windows_test_support.h"
#include "velmora/input/input_test_support.h"
#include "velmora/input/input_window.h"

namespace velmora {
namespace {

using testing::PumpUntil;

struct FindNotepad {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK MatchNotepad(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<FindNotepad*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t className[32]{};
  GetClassNameW(hwnd, className, 32);
  if (pid != search->processId || lstrcmpiW(className, L"Notepad") != 0) return TRUE;
  search->found = hwnd;
  return FALSE;
}

class Notepad {
 public:
  Notepad() {
    STARTUPINFOW startup{sizeof startup};
    wchar_t commandLine[] = L"notepad.exe";
    if (!CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) return;
    CloseHandle(process_.hThread);
    process_.hThread = nullptr;
    PumpUntil([this] {
      FindNotepad search{process_.dwProcessId};
      EnumWindows(&MatchNotepad, reinterpret_cast<LPARAM>(&search));
      window_ = search.found && IsWindowVisible(search.found) ? search.found : nullptr;
      return window_ != nullptr && FindWindowW(L"Notepad", nullptr) != nullptr;
    }, 30000);
  }
  Notepad(const Notepad&) = delete;
  Notepad& operator=(const Notepad&) = delete;
  ~Notepad() {
    if (!process_.hProcess) return;
    // Typed text would make it ask about saving: it is simply ended.
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hProcess);
  }

  HWND Window() const { return window_; }
  std::wstring Text() const {
    const HWND edit = FindWindowExW(window_, nullptr, L"Edit", nullptr);
    const LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT n = SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// A real double-click, as a user makes it, on one line of a list box.
void DoubleClickItem(HWND list, int index) {
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &at);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in[5]{};
  for (INPUT& e : in) {
    e.type = INPUT_MOUSE;
    e.mi.dx = MulDiv(at.x, 65535, w - 1);
    e.mi.dy = MulDiv(at.y, 65535, h - 1);
    e.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  in[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  in[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  in[3].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  in[4].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  SendInput(5, in, sizeof in[0]);
}

std::wstring List2Text(HWND helper) {
  const auto items = testing::ListItems(GetDlgItem(helper, InputWindow::kList2));
  return items.size() == 1 ? items.front() : L"<" + std::to_wstring(items.size()) + L" entries>";
}

// A top-level edit window of this process as the target: activated, it has
// the keyboard focus itself.
class EditTarget {
 public:
  EditTarget() {
    window_ = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 40, 40, 500, 200,
                              nullptr, nullptr, nullptr, nullptr);
  }
  EditTarget(const EditTarget&) = delete;
  EditTarget& operator=(const EditTarget&) = delete;
  ~EditTarget() { DestroyWindow(window_); }
  HWND Window() const { return window_; }
  void Activate() const { SetForegroundWindow(window_); }
  std::wstring Text() const { return testing::WindowText(window_); }

 private:
  HWND window_ = nullptr;
};

HWND g_sentences = nullptr;

void CALLBACK SelectSecondSentence(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  SendMessageW(g_sentences, LB_SETCURSEL, 1, 0);
}

TEST(StatementWindowSending, TheSentenceIsReadAfterTheWaitAndNothingWithoutASelection) {
  words::testing::ScratchFolder scratch;
  scratch.Write(L"两句.txt", testing::ToCodePage936(L"第一句\r\n第二句\r\n"));
  EditTarget target;
  InputWindow helper(scratch.Path());
  helper.Open();
  const HWND hwnd = helper.Handle();
  target.Activate();
  ASSERT_TRUE(PumpUntil([&] { return helper.InputTarget() == target.Window(); }));
  SetForegroundWindow(hwnd);
  testing::ClickFile(hwnd, L"两句.txt");
  g_sentences = GetDlgItem(hwnd, InputWindow::kList1);

  // No sentence selected: the target comes forward, nothing is typed.
  SendMessageW(GetDlgItem(hwnd, InputWindow::kCmdSend), BM_CLICK, 0, 0);
  testing::Pump(500);
  EXPECT_EQ(target.Text(), L"");

  // The selection moves to the second sentence during the wait.
  SetForegroundWindow(hwnd);
  SendMessageW(g_sentences, LB_SETCURSEL, 0, 0);
  SetTimer(nullptr, 0, 50, &SelectSecondSentence);
  SendMessageW(GetDlgItem(hwnd, InputWindow::kCmdSend), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return target.Text() == L"第二句"; })) << testing::ToCodePage936(target.Text());
  helper.Destroy();
}

TEST(StatementWindowWithNotepad, TracksNotepadAndTypesTheChosenSentenceExactly) {
  const std::wstring first = L"压力容器按GB150制造，水压试验1.25P！";
  const std::wstring second = L"a+b^c%d~{e}(f) α≤β ±5% “引号” ‰";
  words::testing::ScratchFolder scratch;
  scratch.Write(L"发送.txt", testing::ToCodePage936(first + L"\r\n第二句"));
  // The second sentence has characters outside code page 936: a UTF-8 file.
  scratch.Write(L"符号.txt", std::string("\xEF\xBB\xBF") + [&] {
    const int n = WideCharToMultiByte(CP_UTF8, 0, second.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, second.c_str(), -1, bytes.data(), n, nullptr, nullptr);
    bytes.pop_back();
    return bytes;
  }());

  Notepad notepad;
  ASSERT_NE(notepad.Window(), nullptr) << "notepad did not start";
  InputWindow helper(scratch.Path());
  helper.Open();
  ASSERT_TRUE(helper.Exists());
  const HWND hwnd = helper.Handle();

  const std::wstring sentinel = L"剪贴板里原来的内容";
  ASSERT_TRUE(ui::SetClipboardText(hwnd, sentinel));

  // The user works in notepad: it becomes the target, its title shown.
  SetForegroundWindow(notepad.Window());
  const std::wstring title = testing::WindowText(notepad.Window());
  ASSERT_TRUE(PumpUntil([&] { return helper.InputTarget() == notepad.Window(); }));
  EXPECT_EQ(List2Text(hwnd), title);

  // Back in the helper: the target and the shown title stay.
  SetForegroundWindow(hwnd);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hwnd; }));
  testing::Pump(1600);  // several ticks with the helper in front
  EXPECT_EQ(helper.InputTarget(), notepad.Window());
  EXPECT_EQ(List2Text(hwnd), title);

  // A double-click on a sentence types it into notepad.
  testing::ClickFile(hwnd, L"发送.txt");
  ASSERT_EQ(testing::ListItems(GetDlgItem(hwnd, InputWindow::kList1)).size(), 2u);
  DoubleClickItem(GetDlgItem(hwnd, InputWindow::kList1), 0);
  EXPECT_TRUE(PumpUntil([&] { return notepad.Text() == first; })) << "notepad shows: " << testing::ToCodePage936(notepad.Text());

  // "发送" with another sentence selected: it goes after the first.
  SetForegroundWindow(hwnd);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hwnd; }));
  testing::ClickFile(hwnd, L"符号.txt");
  SendMessageW(GetDlgItem(hwnd, InputWindow::kList1), LB_SETCURSEL, 0, 0);
  SendMessageW(GetDlgItem(hwnd, InputWindow::kCmdSend), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return notepad.Text() == first + second; }));

  EXPECT_EQ(ui::GetClipboardText(hwnd), sentinel);
  EXPECT_TRUE(helper.Exists());
  helper.Destroy();
}

}  // namespace
}  // namespace velmora
