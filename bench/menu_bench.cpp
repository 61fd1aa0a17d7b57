// Menu loading as the bar does it: every list and folder read and decoded
// at load, and a list's submenu filled when it is first opened. The shipped
// lists, then all 26 lists at 1 000, 10 000 and 32 767 lines, with the
// reading timed apart from the first opening of one list's submenu.
//   menu_bench PROGRAM_FOLDER [full]
// The first opening of a 32 767-item submenu takes about a minute under
// Wine, so that figure is taken only when "full" is given.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "bench/bench_stats.h"
#include "ui/handles.h"
#include "velmora/app/menu_entries.h"
#include "velmora/app/popup_menu.h"
#include "velmora/words/word_list_table.h"

namespace {

velmora::MenuLists ReadAll(const std::wstring& folder) {
  velmora::MenuEntries entries;
  return entries.Load(folder);
}

// Builds the popup menu and opens 符号 and one list's submenu in it, as the
// user's first look into that list does.
void OpenFirstTime(const velmora::MenuLists& lists, int group) {
  const velmora::MenuTree tree;
  velmora::PopupMenu popup;
  popup.Build(tree, lists);
  const HMENU symbols = GetSubMenu(popup.Handle(), 4);
  popup.Opening(symbols);
  popup.Opening(GetSubMenu(symbols, group));
}

// Every list of the table with `lines` lines of a typical standard name,
// about 40 bytes of code page 936 and ASCII each.
std::wstring WriteLists(int lines) {
  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring root = std::wstring(temp) + L"velmora_menu_bench_" + std::to_wstring(lines) + L"\\";
  std::string bytes;
  for (int i = 1; i <= lines; ++i) {
    bytes += "GB/T " + std::to_string(i) + "-2011 \xD1\xB9\xC1\xA6\xC8\xDD\xC6\xF7 \xB5\xDA" + std::to_string(i % 9) +
             "\xB2\xBF\xB7\xD6\r\n";
  }
  for (const auto& list : words::WordLists()) {
    const std::wstring path = root + std::wstring(list.file);
    SHCreateDirectoryExW(nullptr, path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
    ui::File file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  return root;
}

void RemoveLists(const std::wstring& root) {
  std::wstring from = root;
  from.pop_back();
  from.push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationW(&operation);
}

std::string Key(const char* what, int lines) { return std::string(what) + "_" + std::to_string(lines); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::wstring folder = argv[1];
  if (folder.back() != L'\\') folder += L'\\';
  const bool full = argc > 2 && std::wstring(argv[2]) == L"full";

  velmora::MenuLists shipped;
  bench::Report("shipped_read_ms", bench::MedianMs(9, [&] { shipped = ReadAll(folder); }));
  double items = 0;
  for (const auto& [name, list] : shipped) items += static_cast<double>(list.size());
  bench::Report("shipped_items", items);
  // Every shown symbol list opened once.
  bench::Report("shipped_menu_ms", bench::MedianMs(9, [&] {
                  for (int group = 0; group < 6; ++group) OpenFirstTime(shipped, group);
                }));

  for (const int lines : {1000, 10000, 32767}) {
    const std::wstring root = WriteLists(lines);
    velmora::MenuLists all;
    bench::Report(Key("read26_ms", lines).c_str(), bench::MedianMs(9, [&] { all = ReadAll(root); }));
    // The first opening of one list's submenu (希腊字母); the others cost
    // nothing until they are opened.
    if (lines <= 10000 || full) {
      bench::Report(Key("menu1_ms", lines).c_str(),
                    bench::MedianMs(lines > 10000 ? 1 : 9, [&] { OpenFirstTime(all, 4); }));
    }
    RemoveLists(root);
  }
  return 0;
}
