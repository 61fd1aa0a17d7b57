// Faults from outside the program: a hot key another program already holds,
// and Velmora.exe started on a data folder whose symbol lists are missing or
// broken. Each ends with the program running and nothing else lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "tests/support/e2e_support.h"
#include "velmora/words/word_list_table.h"
#include "velmora/hotkeys/mod_hot.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDeadlineMs = 60000;

bool KeyIsFree(UINT modifiers, UINT key) {
  const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const bool free = RegisterHotKey(other, 77, modifiers, key) != FALSE;
  if (free) UnregisterHotKey(other, 77);
  DestroyWindow(other);
  return free;
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = kDeadlineMs) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  while (!condition() && GetTickCount64() < deadline) e2e::Settle(50);
  return condition();
}

std::wstring WindowsPath(const std::string& linuxPath) {
  std::wstring path = L"Z:" + std::wstring(linuxPath.begin(), linuxPath.end());
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

}  // namespace

TEST(HotKeyFault, KeyHeldByAnotherProgramLeavesTheOtherKeyWorking) {
  e2e::Program holder(WindowsPath(VELMORA_HOTKEY_HOLDER));
  ASSERT_TRUE(holder.Started());
  ASSERT_TRUE(WaitFor([] { return !KeyIsFree(MOD_CONTROL | MOD_ALT, 'C'); })) << "the holder did not take Ctrl+Alt+C";

  const HWND bar = CreateWindowExW(0, L"STATIC", L"bar", WS_POPUP, 0, 0, 56, 19, nullptr, nullptr, nullptr, nullptr);
  int area = 0, full = 0;
  hotkeys::SetHotKeyHandlers({[&] { ++area; }, [&] { ++full; }});
  hotkeys::RegisterCaptureHotKeys(bar);
  EXPECT_FALSE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'V')) << "Ctrl+Alt+V was not registered";
  SendMessageW(bar, WM_HOTKEY, hotkeys::kFullScreenCaptureId, 0);
  EXPECT_EQ(full, 1);
  EXPECT_EQ(area, 0);

  hotkeys::UnregisterCaptureHotKeys(bar);
  EXPECT_TRUE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'V'));
  // The other program's key is still its own.
  EXPECT_FALSE(KeyIsFree(MOD_CONTROL | MOD_ALT, 'C'));
  EXPECT_FALSE(holder.WaitForExit(0));
  hotkeys::SetHotKeyHandlers({});
  DestroyWindow(bar);
}

namespace {

// A copy of the program folder whose lists a test may break.
class BrokenDataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    root_ = fs::path(temp) / (L"velmora_fault_" + std::to_wstring(GetCurrentProcessId()));
    fs::remove_all(root_);
    fs::copy(fs::path(e2e::DistPath(L"Velmora.exe")).parent_path(), root_, fs::copy_options::recursive);
    ASSERT_TRUE(fs::exists(root_ / L"Velmora.exe"));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  fs::path SymbolList(std::size_t n) const {
    std::size_t seen = 0;
    for (const auto& list : words::WordLists()) {
      if (list.file.starts_with(L"符号\\") && seen++ == n) return root_ / fs::path(std::wstring(list.file));
    }
    return {};
  }

  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }

  std::map<fs::path, std::uintmax_t> Sizes() const {
    std::map<fs::path, std::uintmax_t> sizes;
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
      if (entry.is_regular_file()) sizes[entry.path()] = entry.file_size();
    }
    return sizes;
  }

  static HWND VisibleOf(DWORD pid, const std::wstring& className) {
    struct Search {
      DWORD pid;
      const std::wstring* className;
      HWND found = nullptr;
    } search{pid, &className};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
          auto* s = reinterpret_cast<Search*>(param);
          DWORD owner = 0;
          GetWindowThreadProcessId(hwnd, &owner);
          if (owner == s->pid && IsWindowVisible(hwnd) && e2e::ClassOf(hwnd) == *s->className) s->found = hwnd;
          return s->found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // Starts the copy, skips the splash, opens the menu and closes it again:
  // the program must come up and stay up, and no file may change.
  void ExpectRunsAndKeepsEveryFile() {
    const auto before = Sizes();
    e2e::Program velmora((root_ / L"Velmora.exe").wstring());
    ASSERT_TRUE(velmora.Started());
    HWND splash = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (splash = VisibleOf(velmora.Id(), L"VelmoraSplash")) != nullptr; }));
    HWND version = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (version = e2e::ChildWithText(splash, L"Static", L"Ver:1.1.0")) != nullptr; }));
    e2e::Click(version);
    HWND bar = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (bar = VisibleOf(velmora.Id(), L"VelmoraBar")) != nullptr; }))
        << "no bar: the program did not get through loading the lists";
    HWND cai = nullptr;
    for (HWND panel = GetWindow(bar, GW_CHILD); panel && !cai; panel = GetWindow(panel, GW_HWNDNEXT)) {
      cai = e2e::ChildWithText(panel, L"Button", L"菜");
    }
    ASSERT_NE(cai, nullptr);
    e2e::Click(cai);
    EXPECT_TRUE(WaitFor([&] { return VisibleOf(velmora.Id(), L"#32768") != nullptr; })) << "the menu did not open";
    e2e::PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return VisibleOf(velmora.Id(), L"#32768") == nullptr; }));
    EXPECT_FALSE(velmora.WaitForExit(500)) << "the program ended";
    EXPECT_TRUE(IsWindow(bar));
    EXPECT_EQ(Sizes(), before) << "a file of the data folder changed";
  }

  fs::path root_;
};

}  // namespace

TEST_F(BrokenDataFolder, MissingSymbolFolder) {
  fs::remove_all(root_ / L"符号");
  ExpectRunsAndKeepsEveryFile();
}

// Random bytes, lead bytes without a valid trail, a trail byte alone and a
// lead byte at the very end, beside lists left as shipped.
TEST_F(BrokenDataFolder, GarbageAndInvalidCodePageBytesBesideGoodLists) {
  std::string garbage;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 200000; ++i) {
    seed = seed * 1103515245 + 12345;
    garbage.push_back(static_cast<char>(seed >> 16));
  }
  Write(SymbolList(0), garbage);
  Write(SymbolList(3), "\x81\x20\xA6\r\n\xFF\xFF\r\n\x80\r\nok\r\n\xB0");
  ExpectRunsAndKeepsEveryFile();
}

TEST_F(BrokenDataFolder, OneLineOfTenMegabytes) {
  Write(SymbolList(2), std::string(10u << 20, 'x'));  // no line end at all
  ExpectRunsAndKeepsEveryFile();
}

// The list is read up to its 32 767-line limit; putting that many items into
// one menu takes Wine minutes (its menus grow one item at a time), so here
// the program is only required to get past the splash without ending or
// writing anything; the bar itself is awaited in the tests above.
TEST_F(BrokenDataFolder, AListOfAHundredThousandLinesEndsNothing) {
  std::string manyLines;
  for (int i = 0; i < 100000; ++i) manyLines += "line " + std::to_string(i) + "\r\n";
  Write(SymbolList(1), manyLines);
  const auto before = Sizes();
  e2e::Program velmora((root_ / L"Velmora.exe").wstring());
  ASSERT_TRUE(velmora.Started());
  HWND splash = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (splash = VisibleOf(velmora.Id(), L"VelmoraSplash")) != nullptr; }));
  HWND version = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (version = e2e::ChildWithText(splash, L"Static", L"Ver:1.1.0")) != nullptr; }));
  e2e::Click(version);
  EXPECT_FALSE(velmora.WaitForExit(10000)) << "the program ended while loading the lists";
  EXPECT_EQ(Sizes(), before) << "a file of the data folder changed";
}
