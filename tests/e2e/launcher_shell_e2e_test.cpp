// The launcher's shell call: a calculator listed in "Kelvo软件" is started by
// opening the listed name, as a click on its menu entry does.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/e2e_support.h"
#include "velmora/words/folder_listing.h"
#include "velmora/words/word_list_table.h"

TEST(LauncherShell, ACalculatorInTheToolsFolderIsListedAndStarts) {
  const auto& tools = words::FolderMenus()[12];
  ASSERT_EQ(tools.menuName, L"mnuKelvoSoftText");
  const std::wstring appPath = e2e::DistPath(L"");
  const auto names = words::ListFolderFiles(appPath + std::wstring(tools.listedFolder));
  ASSERT_NE(std::find(names.begin(), names.end(), L"Lmtdcalc.exe"), names.end());

  words::OpenFolderEntry(nullptr, appPath, tools, L"Lmtdcalc.exe");
  HWND window = nullptr;
  const ULONGLONG end = GetTickCount64() + 20000;
  while (!(window = FindWindowW(nullptr, L"计算温差")) && GetTickCount64() < end) Sleep(50);
  ASSERT_NE(window, nullptr);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  EXPECT_NE(processId, GetCurrentProcessId());  // a separate program
  PostMessageW(window, WM_CLOSE, 0, 0);
  const ULONGLONG closing = GetTickCount64() + 10000;
  while (IsWindow(window) && GetTickCount64() < closing) Sleep(50);
  EXPECT_FALSE(IsWindow(window));
}
