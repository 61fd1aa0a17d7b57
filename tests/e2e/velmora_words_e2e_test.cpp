// Velmora.exe from a program folder of the test's own: entries chosen through
// the real popup menu are typed into Wine's notepad, the application the user
// worked in last, and a calculator in "Kelvo软件" starts.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"

namespace {

using namespace e2e::velmora;

constexpr wchar_t kMixed[] = L"GB/T 150.1-2011 压力容器 αβΔΩ ±×÷≤≥℃ + ^ % ~ { } %{F4} R&D";

void WriteUtf8(const std::wstring& path, const std::wstring& text) {
  std::string bytes = "\xEF\xBB\xBF";
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  const std::size_t start = bytes.size();
  bytes.resize(start + static_cast<std::size_t>(n));
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data() + start, n, nullptr, nullptr);
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// Velmora.exe with a Greek list of the test's own, no list of common symbols
// and one calculator in "Kelvo软件".
class TestProgramFolder {
 public:
  TestProgramFolder() {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"velmora_e2e_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
    CreateDirectoryW((path_ + L"符号").c_str(), nullptr);
    CreateDirectoryW((path_ + L"Kelvo软件").c_str(), nullptr);
    ready_ = CopyFileW(e2e::DistPath(L"Velmora.exe").c_str(), (path_ + L"Velmora.exe").c_str(), FALSE) &&
             CopyFileW(e2e::DistPath(L"Kelvo软件/Lmtdcalc.exe").c_str(), (path_ + L"Kelvo软件\\Lmtdcalc.exe").c_str(),
                       FALSE);
    WriteUtf8(path_ + L"符号\\希腊字母.txt", std::wstring(L"α\r\n") + kMixed + L"\r\n\r\nΩ");
  }
  ~TestProgramFolder() { e2e::RemoveFolder(path_.substr(0, path_.size() - 1)); }
  TestProgramFolder(const TestProgramFolder&) = delete;
  TestProgramFolder& operator=(const TestProgramFolder&) = delete;

  bool Ready() const { return ready_; }
  std::wstring Program() const { return path_ + L"Velmora.exe"; }

 private:
  std::wstring path_;
  bool ready_ = false;
};

class VelmoraWordsE2E : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { folder_ = new TestProgramFolder; }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(folder_->Ready());
    // A notepad started while Wine's desktop is still closing down after the
    // previous test may never show its window: start another one then.
    for (int attempt = 0; attempt < 3 && !notepadWindow_; ++attempt) {
      notepad_ = std::make_unique<e2e::Program>(L"C:\\windows\\notepad.exe");
      ASSERT_TRUE(notepad_->Started());
      const ULONGLONG end = GetTickCount64() + 10000;
      while (!(notepadWindow_ = e2e::FindWindowOf(notepad_->Id(), L"Notepad")) && GetTickCount64() < end) Sleep(50);
    }
    ASSERT_NE(notepadWindow_, nullptr);
    edit_ = FindWindowExW(notepadWindow_, nullptr, L"Edit", nullptr);
    ASSERT_NE(edit_, nullptr);

    velmora_ = std::make_unique<e2e::Program>(folder_->Program());
    ASSERT_TRUE(velmora_->Started());
    bar_ = BarByVersionClick(velmora_->Id());
    ASSERT_NE(bar_, nullptr);
  }

  // Notepad, with its text and caret given, becomes the application the
  // user worked in last: in front for longer than the bar's tracking period.
  void WorkInNotepad(const std::wstring& text, int caret) {
    SendMessageW(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    e2e::BringToFront(notepadWindow_);
    const ULONGLONG end = GetTickCount64() + 10000;
    while (GetForegroundWindow() != notepadWindow_ && GetTickCount64() < end) e2e::Settle(50);
    ASSERT_EQ(GetForegroundWindow(), notepadWindow_);
    SendMessageW(edit_, EM_SETSEL, caret, caret);
    e2e::Settle(800);  // the bar's tracker looks every 200 ms
  }

  // 符号 ▸ a group ▸ an entry, from the menu opened with "菜".
  void ChooseSymbol(int group, int entry) {
    ASSERT_TRUE(OpenMenu(Pid(), bar_));
    ASSERT_TRUE(ChooseByKeys(Pid(), {3, group, entry}));
  }

  DWORD Pid() const { return velmora_->Id(); }

  static TestProgramFolder* folder_;
  std::unique_ptr<e2e::Program> notepad_;
  HWND notepadWindow_ = nullptr;
  HWND edit_ = nullptr;
  std::unique_ptr<e2e::Program> velmora_;
  HWND bar_ = nullptr;
};

TestProgramFolder* VelmoraWordsE2E::folder_ = nullptr;

constexpr int kGreek = 4;  // 希腊字母, fifth in 符号
constexpr int kCommon = 0;  // 常用符号, whose list the test folder lacks

TEST_F(VelmoraWordsE2E, AGreekEntryIsTypedAtNotepadsCaretAndLeftOnTheClipboard) {
  WorkInNotepad(L"前后", 1);
  ChooseSymbol(kGreek, 0);
  EXPECT_EQ(e2e::WaitForText(edit_, L"前α后", 10000), L"前α后");
  EXPECT_EQ(GetForegroundWindow(), notepadWindow_) << "notepad is brought forward";
  EXPECT_EQ(e2e::ClipboardText(), L"α");
}

TEST_F(VelmoraWordsE2E, AnEntryMixingChineseGreekSymbolsAndKeyNotationArrivesExactly) {
  WorkInNotepad(L"", 0);
  ChooseSymbol(kGreek, 1);
  EXPECT_EQ(e2e::WaitForText(edit_, kMixed, 15000), kMixed);
  EXPECT_EQ(e2e::ClipboardText(), kMixed);
  EXPECT_TRUE(IsWindow(notepadWindow_)) << "%{F4} is not Alt+F4";
}

TEST_F(VelmoraWordsE2E, AMissingListTypesItsDefaultCaption) {
  WorkInNotepad(L"", 0);
  ChooseSymbol(kCommon, 0);
  EXPECT_EQ(e2e::WaitForText(edit_, L"符号文字1", 10000), L"符号文字1");
  EXPECT_EQ(e2e::ClipboardText(), L"符号文字1");
}

TEST_F(VelmoraWordsE2E, AnEmptyEntryTypesNothingAndLeavesEmptyTextOnTheClipboard) {
  e2e::SetClipboardText(L"earlier");
  ASSERT_EQ(e2e::ClipboardText(), L"earlier");
  WorkInNotepad(L"kept", 4);
  ChooseSymbol(kGreek, 2);
  const ULONGLONG end = GetTickCount64() + 10000;
  while (e2e::ClipboardText() != L"" && GetTickCount64() < end) e2e::Settle(50);
  EXPECT_EQ(e2e::ClipboardText(), L"");
  // Past the half second before typing, with time to spare.
  e2e::Settle(1500);
  EXPECT_EQ(e2e::TextOf(edit_), L"kept");
}

TEST_F(VelmoraWordsE2E, ACalculatorChosenInKelvoSoftwareStarts) {
  ASSERT_TRUE(OpenMenu(Pid(), bar_));
  // 帮助, 关于, 上主页检查更新, 符号, Kelvo软件说明文档, Kelvo软件 ▸ Lmtdcalc.exe
  ASSERT_TRUE(ChooseByKeys(Pid(), {5, 0}));
  HWND calculator = nullptr;
  const ULONGLONG end = GetTickCount64() + 20000;
  while (!(calculator = FindWindowW(nullptr, L"计算温差")) && GetTickCount64() < end) e2e::Settle(50);
  ASSERT_NE(calculator, nullptr);
  DWORD processId = 0;
  GetWindowThreadProcessId(calculator, &processId);
  EXPECT_NE(processId, Pid()) << "a program of its own";
  PostMessageW(calculator, WM_CLOSE, 0, 0);
  const ULONGLONG closing = GetTickCount64() + 10000;
  while (IsWindow(calculator) && GetTickCount64() < closing) e2e::Settle(50);
}

}  // namespace
