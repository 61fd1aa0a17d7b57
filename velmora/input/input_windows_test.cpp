// The statement window with real windows and files under Wine: browsing,
// loading sentences, its lifetime, and typing into notepad.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/e2e_support.h"
#include "tests/support/scratch_folder.h"
#include "ui/system.h"
#include "velmora/input/input_window.h"

namespace velmora {
namespace {

using Strings = std::vector<std::wstring>;

bool PumpUntil(const std::function<bool()>& condition, int deadline = 10000) {
  const ULONGLONG end = GetTickCount64() + deadline;
  while (!condition() && GetTickCount64() < end) e2e::Settle(20);
  return condition();
}

Strings ListItems(HWND list) {
  Strings items;
  for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

// Sentence files (one of three lines, the middle empty, the last without a line
// end), one the pattern leaves out, and a subfolder with a file of its own.
class StatementWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* sub : {L"语句", L"语句\\回复"}) CreateDirectoryW((scratch_.Path() + sub).c_str(), nullptr);
    scratch_.Write(L"语句\\技术条件.txt", "按GB150制造\r\n\r\n水压试验合格");
    scratch_.Write(L"语句\\常用.inf", "收到，谢谢！\r\n");
    scratch_.Write(L"语句\\说明.doc", "x");
    scratch_.Write(L"语句\\发送.txt", "压力容器按GB150制造，水压试验1.25P！\r\n第二句\r\n压力容器按GB150制造，水压试验1.25P！");
    scratch_.Write(L"语句\\回复\\好的.txt", "好的\r\n");
    window_.Open();
    ASSERT_TRUE(window_.Exists());
  }
  void TearDown() override { window_.Destroy(); }

  HWND Item(int id) const { return GetDlgItem(window_.Handle(), id); }
  Strings Files() const { return ListItems(Item(InputWindow::kFile1)); }
  Strings Sentences() const { return ListItems(Item(InputWindow::kList1)); }
  // A user's choice in a list, as the window hears it.
  void Choose(int id, const std::wstring& item, WORD notification) const {
    const LRESULT i = SendMessageW(Item(id), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(Item(id), LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    SendMessageW(window_.Handle(), WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(Item(id)));
  }
  void ClickFile(const std::wstring& name) const { Choose(InputWindow::kFile1, name, LBN_SELCHANGE); }
  void Send() const { SendMessageW(Item(InputWindow::kCmdSend), BM_CLICK, 0, 0); }

  testsupport::ScratchFolder scratch_;
  InputWindow window_{scratch_.Path() + L"语句\\"};
};

TEST_F(StatementWindow, BrowsesFoldersToFilesAndAClickedFileGivesItsLinesInPinkLists) {
  EXPECT_EQ(e2e::TextOf(window_.Handle()), std::wstring(input::kInputCaption));
  EXPECT_EQ(Files(), (Strings{L"发送.txt", L"常用.inf", L"技术条件.txt"}));
  EXPECT_TRUE(Sentences().empty());
  ClickFile(L"技术条件.txt");
  EXPECT_EQ(Sentences(), (Strings{L"按GB150制造", L"", L"水压试验合格"}));
  ClickFile(L"常用.inf");  // replaces them; a final line end adds no entry
  EXPECT_EQ(Sentences(), (Strings{L"收到，谢谢！"}));

  EXPECT_EQ(ListItems(Item(InputWindow::kDir1)).back(), L"回复");  // the only subfolder, last
  Choose(InputWindow::kDir1, L"回复", LBN_DBLCLK);
  EXPECT_EQ(Files(), (Strings{L"好的.txt"}));
  Choose(InputWindow::kDir1, L"语句", LBN_DBLCLK);  // back up through the path's entries
  EXPECT_EQ(Files().size(), 3u);

  // The file and drive lists, the drive list's dropped list too, ask for the
  // pink of the list controls (the test's desktop has no high contrast).
  COMBOBOXINFO drive{sizeof(COMBOBOXINFO)};
  ASSERT_TRUE(GetComboBoxInfo(Item(InputWindow::kDrive1), &drive));
  const ui::WindowDc dc(window_.Handle());
  for (const auto& [message, control] : {std::pair<UINT, HWND>{WM_CTLCOLORLISTBOX, Item(InputWindow::kFile1)},
                                         {WM_CTLCOLORLISTBOX, drive.hwndList}, {WM_CTLCOLOREDIT, drive.hwndCombo}}) {
    LOGBRUSH brush{};
    GetObjectW(reinterpret_cast<HBRUSH>(SendMessageW(window_.Handle(), message, reinterpret_cast<WPARAM>(dc.get()),
                                                     reinterpret_cast<LPARAM>(control))), sizeof brush, &brush);
    EXPECT_EQ(std::pair(brush.lbColor, GetBkColor(dc.get())), std::pair(RGB(255, 192, 255), RGB(255, 192, 255)));
  }
}

TEST_F(StatementWindow, EveryLoadFreesItsFonts) {
  for (int load = 0; load < 3; ++load) {
    SCOPED_TRACE(load);
    std::vector<HGDIOBJ> fonts;
    for (const int id : {InputWindow::kList1, InputWindow::kDrive1, InputWindow::kDir1, InputWindow::kFile1}) {
      fonts.push_back(reinterpret_cast<HGDIOBJ>(SendMessageW(Item(id), WM_GETFONT, 0, 0)));
      ASSERT_EQ(GetObjectType(fonts.back()), static_cast<DWORD>(OBJ_FONT));
    }
    SendMessageW(Item(InputWindow::kCommand2), BM_CLICK, 0, 0);
    ASSERT_FALSE(window_.Exists());
    for (const HGDIOBJ font : fonts) EXPECT_EQ(GetObjectType(font), 0u);
    window_.Open();
  }
}

HWND g_sentences = nullptr;
void CALLBACK SelectSecondSentence(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  SendMessageW(g_sentences, LB_SETCURSEL, 1, 0);
}

TEST_F(StatementWindow, TracksNotepadAndTypesTheSentenceChosenWhenTheWaitEnds) {
  const std::wstring sentence = L"压力容器按GB150制造，水压试验1.25P！";
  e2e::Program notepad(L"C:\\windows\\notepad.exe");
  HWND pad = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (pad = e2e::FindWindowOf(notepad.Id(), L"Notepad")) != nullptr; }, 30000));
  const HWND edit = FindWindowExW(pad, nullptr, L"Edit", nullptr);
  const std::wstring sentinel = L"剪贴板里原来的内容";
  ASSERT_TRUE(ui::SetClipboardText(window_.Handle(), sentinel));

  SetForegroundWindow(pad);
  ASSERT_TRUE(PumpUntil([&] { return window_.InputTarget() == pad; }));
  SetForegroundWindow(window_.Handle());
  e2e::Settle(1600);  // several ticks with the helper in front keep the target
  EXPECT_EQ(window_.InputTarget(), pad);
  EXPECT_EQ(ListItems(Item(InputWindow::kList2)), (Strings{e2e::TextOf(pad)}));

  ClickFile(L"发送.txt");
  Send();  // no sentence selected: notepad comes forward, nothing is typed
  e2e::Settle(500);
  EXPECT_EQ(e2e::TextOf(edit), L"");
  e2e::BringToFront(window_.Handle());
  RECT line{};
  SendMessageW(Item(InputWindow::kList1), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&line));
  POINT at{(line.left + line.right) / 2, (line.top + line.bottom) / 2};
  ClientToScreen(Item(InputWindow::kList1), &at);
  e2e::ClickAt(at);  // a real double-click on the third sentence
  e2e::ClickAt(at);
  EXPECT_TRUE(PumpUntil([&] { return e2e::TextOf(edit) == sentence; }));
  // The sentence is read when the wait ends, not when "发送" is clicked.
  SetForegroundWindow(window_.Handle());
  g_sentences = Item(InputWindow::kList1);
  SendMessageW(g_sentences, LB_SETCURSEL, 0, 0);
  SetTimer(nullptr, 0, 50, &SelectSecondSentence);
  Send();
  EXPECT_TRUE(PumpUntil([&] { return e2e::TextOf(edit) == sentence + L"第二句"; }));
  SendMessageW(Item(InputWindow::kCommand2), BM_CLICK, 0, 0);
  window_.Open();
  EXPECT_EQ(window_.InputTarget(), pad) << "the target outlives a load of the window";
  EXPECT_EQ(ui::GetClipboardText(window_.Handle()), sentinel) << "the clipboard is not touched";
}

}  // namespace
}  // namespace velmora
