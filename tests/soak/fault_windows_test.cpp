// Faults from outside: a hot key another program holds, and Velmora.exe on a
// data folder whose symbol lists are missing or broken. Nothing else is lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"
#include "velmora/hotkeys/mod_hot.h"
#include "velmora/words/word_list_table.h"

namespace fs = std::filesystem;

namespace {

constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;

// Whether another window can take the key: it cannot while one holds it.
bool KeyIsFree(UINT modifiers, UINT key) {
  const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const bool free = RegisterHotKey(other, 77, modifiers, key) != FALSE;
  if (free) UnregisterHotKey(other, 77);
  DestroyWindow(other);
  return free;
}

TEST(HotKeyFault, KeyHeldByAnotherProgramLeavesTheOtherKeyWorking) {
  e2e::Program holder(L"Z:" + fs::path(VELMORA_HOTKEY_HOLDER).make_preferred().wstring());
  ASSERT_TRUE(holder.Started());
  const ULONGLONG end = GetTickCount64() + 60000;
  while (KeyIsFree(kCtrlAlt, 'C') && GetTickCount64() < end) e2e::Settle(50);
  ASSERT_FALSE(KeyIsFree(kCtrlAlt, 'C')) << "the holder did not take Ctrl+Alt+C";

  const HWND bar = CreateWindowExW(0, L"STATIC", L"bar", WS_POPUP, 0, 0, 56, 19, nullptr, nullptr, nullptr, nullptr);
  hotkeys::RegisterCaptureHotKeys(bar);
  EXPECT_FALSE(KeyIsFree(kCtrlAlt, 'V')) << "Ctrl+Alt+V was not registered";
  hotkeys::UnregisterCaptureHotKeys(bar);
  EXPECT_TRUE(KeyIsFree(kCtrlAlt, 'V'));
  EXPECT_FALSE(KeyIsFree(kCtrlAlt, 'C')) << "the other program's key is still its own";
  EXPECT_FALSE(holder.WaitForExit(0));
  DestroyWindow(bar);
}

std::map<fs::path, std::uintmax_t> Sizes(const fs::path& root) {
  std::map<fs::path, std::uintmax_t> sizes;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) sizes[entry.path()] = entry.file_size();
  return sizes;
}

// Each row breaks a copy of the program folder; the copy must start, show
// its bar and open its menu, stay up, and leave every file as it was.
TEST(BrokenDataFolder, TheProgramComesUpAndChangesNoFile) {
  std::string garbage, manyLines;
  for (std::uint32_t i = 0, seed = 12345; i < 200000; ++i) {
    seed = seed * 1103515245 + 12345;
    garbage.push_back(static_cast<char>(seed >> 16));
  }
  for (int i = 0; i < 100000; ++i) manyLines += "line " + std::to_string(i) + "\r\n";
  // A symbol list (its row of the table) and what it holds, or no symbol folder;
  // invalid bytes: leads without a valid trail, a lone trail, a lead at the end.
  const struct { const char* name; int list; std::string bytes; } rows[] = {
      {"missing symbol folder", -1, ""}, {"random bytes", 0, garbage},
      {"invalid code page bytes", 3, "\x81\x20\xA6\r\n\xFF\xFF\r\n\x80\r\nok\r\n\xB0"},
      {"one line of ten megabytes", 2, std::string(10u << 20, 'x')}, {"a hundred thousand lines", 1, manyLines},
  };
  const fs::path root = fs::temp_directory_path() / (L"velmora_fault_" + std::to_wstring(GetCurrentProcessId()));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(root);
    fs::copy(fs::path(e2e::DistPath(L"Velmora.exe")).parent_path(), root, fs::copy_options::recursive);
    if (row.list < 0) fs::remove_all(root / L"符号");
    if (row.list >= 0) std::ofstream(root / fs::path(std::wstring(words::WordLists()[row.list].file)), std::ios::binary) << row.bytes;
    const auto before = Sizes(root);
    {
      e2e::Program velmora((root / L"Velmora.exe").wstring());
      ASSERT_TRUE(velmora.Started());
      const HWND bar = e2e::velmora::BarByVersionClick(velmora.Id());
      ASSERT_NE(bar, nullptr) << "no bar: the program did not get through reading the lists";
      ASSERT_TRUE(e2e::velmora::OpenMenu(velmora.Id(), bar)) << "the menu did not open";
      e2e::PressKey(VK_ESCAPE);
      EXPECT_TRUE(e2e::velmora::WaitForCount(velmora.Id(), L"#32768", 0));
      EXPECT_FALSE(velmora.WaitForExit(500)) << "the program ended";
      EXPECT_TRUE(IsWindow(bar));
    }
    EXPECT_EQ(Sizes(root), before) << "a file of the data folder changed";
  }
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

}  // namespace
