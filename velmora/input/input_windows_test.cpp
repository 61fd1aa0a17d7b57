// The statement window with real windows and files under Wine: browsing,
// loading sentences, resizing, its lifetime, and typing into notepad.
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

std::string Cp936(const std::wstring& text) {
  const int n = WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
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

// A program folder with a sentence folder: a file of three lines (the middle
// one empty, the last without a line end), a second file, one that does not
// match the pattern, and a subfolder with a file of its own.
class StatementWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* sub : {L"语句", L"语句\\回复"}) CreateDirectoryW((scratch_.Path() + sub).c_str(), nullptr);
    scratch_.Write(L"语句\\技术条件.txt", Cp936(L"按GB150制造\r\n\r\n水压试验合格"));
    scratch_.Write(L"语句\\常用.inf", Cp936(L"收到，谢谢！\r\n"));
    scratch_.Write(L"语句\\说明.doc", "x");
    scratch_.Write(L"语句\\回复\\好的.txt", Cp936(L"好的\r\n"));
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

TEST_F(StatementWindow, BrowsesFoldersToFilesAndAClickedFileGivesItsLines) {
  EXPECT_EQ(e2e::TextOf(window_.Handle()), std::wstring(input::kInputCaption));
  EXPECT_EQ(Files(), (Strings{L"常用.inf", L"技术条件.txt"}));
  EXPECT_TRUE(Sentences().empty());
  ClickFile(L"技术条件.txt");
  EXPECT_EQ(Sentences(), (Strings{L"按GB150制造", L"", L"水压试验合格"}));
  ClickFile(L"常用.inf");  // replaces them; a final line end adds no entry
  EXPECT_EQ(Sentences(), (Strings{L"收到，谢谢！"}));

  EXPECT_EQ(ListItems(Item(InputWindow::kDir1)).back(), L"回复");  // the only subfolder, last
  Choose(InputWindow::kDir1, L"回复", LBN_DBLCLK);
  EXPECT_EQ(Files(), (Strings{L"好的.txt"}));
  Choose(InputWindow::kDir1, L"语句", LBN_DBLCLK);  // back up through the path's entries
  EXPECT_EQ(Files(), (Strings{L"常用.inf", L"技术条件.txt"}));

  // A file deleted, or a folder removed, after it was listed.
  DeleteFileW((scratch_.Path() + L"语句\\技术条件.txt").c_str());
  ClickFile(L"技术条件.txt");
  EXPECT_TRUE(Sentences().empty());
  DeleteFileW((scratch_.Path() + L"语句\\回复\\好的.txt").c_str());
  RemoveDirectoryW((scratch_.Path() + L"语句\\回复").c_str());
  Choose(InputWindow::kDir1, L"回复", LBN_DBLCLK);
  EXPECT_TRUE(window_.Exists());
  EXPECT_EQ(Files(), (Strings{L"常用.inf", L"技术条件.txt"})) << "the lists stay where they were";
}

TEST_F(StatementWindow, ADriveThatIsNotReadyLeavesTheListsWhereTheyWere) {
  // A drive letter whose folder has gone stands in for an empty disc drive.
  const std::wstring gone = scratch_.Path() + L"盘";
  CreateDirectoryW(gone.c_str(), nullptr);
  if (!DefineDosDeviceW(0, L"Q:", gone.c_str())) GTEST_SKIP() << "no drive letters can be made here";
  RemoveDirectoryW(gone.c_str());
  const HWND drive1 = Item(InputWindow::kDrive1);
  const LRESULT q = SendMessageW(drive1, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"q:"));
  const Strings folders = ListItems(Item(InputWindow::kDir1));
  if (q >= 0) {
    SendMessageW(drive1, CB_SETCURSEL, static_cast<WPARAM>(q), 0);
    SendMessageW(window_.Handle(), WM_COMMAND, MAKEWPARAM(InputWindow::kDrive1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(drive1));
    EXPECT_EQ(ListItems(Item(InputWindow::kDir1)), folders);
    EXPECT_EQ(e2e::TextOf(drive1).substr(0, 2), L"c:") << "back on the drive the folders are on";
  }
  DefineDosDeviceW(DDD_REMOVE_DEFINITION, L"Q:", nullptr);
  if (q < 0) GTEST_SKIP() << "the system does not list a drive without its folder";
}

TEST_F(StatementWindow, EveryLoadFreesItsFontsAndKeepsTheTarget) {
  const HWND other = CreateWindowExW(0, L"STATIC", L"另一个窗口", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                                     nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(PumpUntil([&] { return window_.InputTarget() == other; }));
  EXPECT_EQ(ListItems(Item(InputWindow::kList2)), (Strings{L"另一个窗口"}));
  for (int load = 0; load < 3; ++load) {
    SCOPED_TRACE(load);
    window_.Open();  // while open, only brought forward
    std::vector<HGDIOBJ> fonts;
    for (const int id : {InputWindow::kList1, InputWindow::kDrive1, InputWindow::kDir1, InputWindow::kFile1}) {
      fonts.push_back(reinterpret_cast<HGDIOBJ>(SendMessageW(Item(id), WM_GETFONT, 0, 0)));
      ASSERT_EQ(GetObjectType(fonts.back()), static_cast<DWORD>(OBJ_FONT));
    }
    SendMessageW(Item(InputWindow::kCommand2), BM_CLICK, 0, 0);
    ASSERT_FALSE(window_.Exists());
    for (const HGDIOBJ font : fonts) EXPECT_EQ(GetObjectType(font), 0u);
    window_.Open();
    EXPECT_EQ(window_.InputTarget(), other);
  }
  DestroyWindow(other);
}

HWND g_sentences = nullptr;
void CALLBACK SelectSecondSentence(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  SendMessageW(g_sentences, LB_SETCURSEL, 1, 0);
}

TEST_F(StatementWindow, TracksNotepadAndTypesTheSentenceChosenWhenTheWaitEnds) {
  const std::wstring sentence = L"压力容器按GB150制造，水压试验1.25P！";
  scratch_.Write(L"语句\\发送.txt", Cp936(sentence + L"\r\n第二句\r\n" + sentence));
  window_.Destroy();
  window_.Open();
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
  EXPECT_EQ(ui::GetClipboardText(window_.Handle()), sentinel) << "the clipboard is not touched";
}

}  // namespace
}  // namespace velmora
