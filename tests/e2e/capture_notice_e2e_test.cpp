// Where an area pick went, told to the user: with the root of C: refusing
// the file, the pick lands in the Pictures folder and a notice on the bar, on
// the monitor it was dragged to, names the file; a click on the notice opens
// Explorer there. The keys typed right after the pick go to the window the
// hot key was pressed in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/velmora_bar_driver.h"
#include "tests/support/e2e_support.h"

namespace {

using namespace e2e::velmora;

// Folders named like the area picker's files of the next minute take the
// names in the root of C:, so every write there fails.
class RootOfCRefuses {
 public:
  RootOfCRefuses() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME start;
    SystemTimeToFileTime(&now, &start);
    for (int s = 0; s < 60; ++s) {
      ULARGE_INTEGER t{{start.dwLowDateTime, start.dwHighDateTime}};
      t.QuadPart += static_cast<ULONGLONG>(s) * 10000000;
      const FILETIME at{t.LowPart, t.HighPart};
      SYSTEMTIME st;
      FileTimeToSystemTime(&at, &st);
      wchar_t name[64];
      swprintf(name, 64, L"c:\\Kelvo抓屏%04u%02u%02u%02u%02u%02u.bmp", st.wYear, st.wMonth, st.wDay, st.wHour,
               st.wMinute, st.wSecond);
      if (CreateDirectoryW(name, nullptr)) blocked_.push_back(name);
    }
  }
  ~RootOfCRefuses() {
    for (const auto& folder : blocked_) RemoveDirectoryW(folder.c_str());
  }

 private:
  std::vector<std::wstring> blocked_;
};

TEST(CaptureNoticeE2E, APickRefusedByTheRootOfCIsNamedNearTheBarAndOpensInExplorer) {
  const RootOfCRefuses refuses;
  e2e::Program program(e2e::DistPath(L"Velmora.exe"));
  ASSERT_TRUE(program.Started());
  const HWND bar = BarByVersionClick(program.Id());
  ASSERT_NE(bar, nullptr);
  // Dragged to the leftmost monitor (left of the primary, where there is one).
  RECT b{};
  GetWindowRect(bar, &b);
  const POINT to{GetSystemMetrics(SM_XVIRTUALSCREEN) + 600, 400};
  e2e::Drag({b.left + 5, b.top + 9}, to);
  const e2e::Program notepad(L"C:\\windows\\notepad.exe");
  const HWND pad = e2e::WaitForWindow(notepad.Id(), L"");
  ASSERT_NE(pad, nullptr);
  e2e::BringToFront(pad);

  e2e::PressKey('C', false, true, true);
  ASSERT_NE(WaitForOne(program.Id(), L"VelmoraCapArea"), nullptr);
  e2e::Drag({200, 200}, {420, 330});
  const HWND notice = WaitForOne(program.Id(), L"VelmoraSaveNotice");
  ASSERT_NE(notice, nullptr);

  const std::wstring text = e2e::TextOf(notice);
  const std::wstring prefix = L"抓屏已保存到：", file = text.substr(prefix.size());
  ASSERT_EQ(text.rfind(prefix, 0), 0u) << "notice text: " << std::string(text.begin(), text.end());
  EXPECT_TRUE(file.find(L"\\Kelvo抓屏") != std::wstring::npos && GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES)
      << "the named file was written";
  EXPECT_TRUE(GetWindowLongW(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);
  e2e::TypeText(L"typed after");
  EXPECT_EQ(e2e::WaitForText(FindWindowExW(pad, nullptr, L"Edit", nullptr), L"typed after"), L"typed after");
  EXPECT_EQ(GetForegroundWindow(), pad) << "in front again, and the notice never takes the focus";
  RECT n{};
  GetWindowRect(notice, &n);
  GetWindowRect(bar, &b);
  EXPECT_EQ(b.left, to.x - 5) << "the bar follows the drag";
  EXPECT_EQ(n.bottom, b.top) << "stands on the bar";
  EXPECT_EQ(n.right, b.right);

  // Which folder and which window the shell shows is checked in process.
  e2e::Click(notice);
  EXPECT_TRUE(WaitForCount(program.Id(), L"VelmoraSaveNotice", 0)) << "a click closes the notice";
  HWND explorer = nullptr;
  e2e::WaitUntil([&] { return (explorer = FindWindowW(L"ExplorerWClass", nullptr)) != nullptr; });
  ASSERT_NE(explorer, nullptr) << "a click opens Explorer";
  PostMessageW(explorer, WM_CLOSE, 0, 0);
  DeleteFileW(file.c_str());
}

}  // namespace
