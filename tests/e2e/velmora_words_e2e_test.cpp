// Velmora.exe from a program folder of the test's own, driven through its
// real popup menu: an entry is typed into Wine's notepad, the application
// the user worked in last, and a calculator in "Kelvo软件" starts.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"

namespace {

using namespace e2e::velmora;

constexpr wchar_t kEntry[] = L"压力 αΩ≤℃ +^%~{} R&D";

void WriteUtf8(const std::wstring& path, const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

HWND WaitForTopLevel(const wchar_t* className, const wchar_t* caption) {
  HWND found = nullptr;
  const ULONGLONG end = GetTickCount64() + kDeadline;
  while (!(found = FindWindowW(className, caption)) && GetTickCount64() < end) e2e::Settle(50);
  return found;
}

TEST(VelmoraWordsE2E, AMenuEntryIsTypedIntoNotepadAndACalculatorStarts) {
  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"velmora_e2e_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  for (const wchar_t* sub : {L"", L"符号", L"Kelvo软件"}) CreateDirectoryW((folder + sub).c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(e2e::DistPath(L"Velmora.exe").c_str(), (folder + L"Velmora.exe").c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(e2e::DistPath(L"Kelvo软件/Lmtdcalc.exe").c_str(), (folder + L"Kelvo软件\\Lmtdcalc.exe").c_str(),
                        FALSE));
  WriteUtf8(folder + L"符号\\希腊字母.txt", std::wstring(L"α\r\n") + kEntry + L"\r\nΩ");

  e2e::Program notepad(L"C:\\windows\\notepad.exe");
  const HWND notepadWindow = WaitForTopLevel(L"Notepad", nullptr);
  ASSERT_NE(notepadWindow, nullptr);
  const HWND edit = FindWindowExW(notepadWindow, nullptr, L"Edit", nullptr);
  e2e::Program velmora(folder + L"Velmora.exe");
  const HWND bar = BarByVersionClick(velmora.Id());
  ASSERT_NE(bar, nullptr);

  // Notepad, its caret between two characters, is where the user worked
  // last: in front for longer than the bar's tracking period.
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"前后"));
  e2e::BringToFront(notepadWindow);
  const ULONGLONG front = GetTickCount64() + 10000;
  while (GetForegroundWindow() != notepadWindow && GetTickCount64() < front) e2e::Settle(50);
  SendMessageW(edit, EM_SETSEL, 1, 1);
  e2e::Settle(800);
  // 符号 ▸ 希腊字母 ▸ its second entry, from the menu opened with "菜".
  ASSERT_TRUE(OpenMenu(velmora.Id(), bar));
  ASSERT_TRUE(ChooseByKeys(velmora.Id(), {3, 4, 1}));
  const std::wstring expected = std::wstring(L"前") + kEntry + L"后";
  EXPECT_EQ(e2e::WaitForText(edit, expected, 15000), expected);
  EXPECT_EQ(e2e::ClipboardText(), kEntry);

  // 帮助, 关于, 上主页检查更新, 符号, Kelvo软件说明文档, Kelvo软件 ▸ Lmtdcalc.exe
  ASSERT_TRUE(OpenMenu(velmora.Id(), bar));
  ASSERT_TRUE(ChooseByKeys(velmora.Id(), {5, 0}));
  const HWND calculator = WaitForTopLevel(nullptr, L"计算温差");
  ASSERT_NE(calculator, nullptr);
  DWORD processId = 0;
  GetWindowThreadProcessId(calculator, &processId);
  EXPECT_NE(processId, velmora.Id()) << "a program of its own";
  PostMessageW(calculator, WM_CLOSE, 0, 0);
  const ULONGLONG closing = GetTickCount64() + 10000;
  while (IsWindow(calculator) && GetTickCount64() < closing) e2e::Settle(50);
  e2e::RemoveFolder(folder.substr(0, folder.size() - 1));
}

}  // namespace
