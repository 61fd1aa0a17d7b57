// Menu loading: the shipped lists, and all 26 lists at 1 000, 10 000 and
// 32 767 lines, with reading and decoding timed apart from filling the
// menus, so the growth of each can be seen on its own.
//   menu_bench PROGRAM_FOLDER [full]
// One menu of 32 767 items takes minutes to fill under Wine, so that figure
// is taken only when "full" is given.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "bench/bench_stats.h"
#include "ui/handles.h"
#include "velmora/words/word_list_file.h"
#include "velmora/words/word_list_table.h"

namespace {

using Items = std::vector<words::ListMenuItem>;

std::vector<Items> ReadAll(const std::wstring& folder) {
  std::vector<Items> all;
  for (const auto& list : words::WordLists()) {
    all.push_back(words::LoadListMenuItems(folder + std::wstring(list.file), list.defaultCaption));
  }
  return all;
}

void FillMenu(const Items& items) {
  ui::Menu menu(CreatePopupMenu());
  UINT id = 1;
  for (const auto& item : items) {
    AppendMenuW(menu.get(), item.separator ? MF_SEPARATOR : MF_STRING, id++, item.caption.c_str());
  }
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

  std::vector<Items> shipped;
  bench::Report("shipped_read_ms", bench::MedianMs(5, [&] { shipped = ReadAll(folder); }));
  double items = 0;
  for (const auto& list : shipped) items += static_cast<double>(list.size());
  bench::Report("shipped_items", items);
  bench::Report("shipped_menu_ms", bench::MedianMs(5, [&] {
                  for (const auto& list : shipped) FillMenu(list);
                }));

  for (const int lines : {1000, 10000, 32767}) {
    const std::wstring root = WriteLists(lines);
    std::vector<Items> all;
    bench::Report(Key("read26_ms", lines).c_str(), bench::MedianMs(3, [&] { all = ReadAll(root); }));
    // One list's menu: all 26 take 26 times as long, the menus being apart.
    if (lines <= 10000 || full) {
      bench::Report(Key("menu1_ms", lines).c_str(), bench::MedianMs(lines > 10000 ? 1 : 3, [&] { FillMenu(all[0]); }));
    }
    RemoveLists(root);
  }
  return 0;
}
