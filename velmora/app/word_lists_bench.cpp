// Load times of the word lists: every shipped list, and every list at its
// 32767-line limit, read, decoded, split and put into real menus as the bar
// does at load. Run by hand under Wine: word_lists_bench.exe [program folder]
#include <windows.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ui/handles.h"
#include "ui/system.h"
#include "velmora/app/folder_listing.h"
#include "velmora/app/word_list_file.h"
#include "velmora/app/word_list_table.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
  double readMs = 0, menuMs = 0;
  std::size_t items = 0;
};

// Reads the first `lists` lists below `folder` and, when asked, fills one popup
// menu per list.
Figures LoadAll(const std::wstring& folder, std::size_t lists, bool fillMenus) {
  Figures figures;
  for (const auto& list : words::WordLists().first(lists)) {
    const auto start = Clock::now();
    const auto items = words::LoadListMenuItems(folder + std::wstring(list.file), list.defaultCaption);
    const auto read = Clock::now();
    ui::Menu menu(CreatePopupMenu());
    UINT id = 1;
    for (std::size_t i = 0; fillMenus && i < items.size(); ++i) {
      AppendMenuW(menu.get(), items[i].separator ? MF_SEPARATOR : MF_STRING, id++, items[i].caption.c_str());
    }
    figures.readMs += std::chrono::duration<double, std::milli>(read - start).count();
    figures.menuMs += std::chrono::duration<double, std::milli>(Clock::now() - read).count();
    figures.items += items.size();
  }
  return figures;
}

std::wstring WriteFullLists() {
  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring root = std::wstring(temp) + L"velmora_bench\\";
  std::string bytes;
  for (int i = 1; i <= 32767; ++i) {
    // A typical standard name: about 40 bytes of code page 936 and ASCII.
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

void Print(const char* what, const Figures& f) {
  std::printf("%-36s %8zu items  read+decode %9.1f ms  menus %9.1f ms\n", what, f.items, f.readMs, f.menuMs);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring folder = argc > 1 ? argv[1] : ui::ProgramFolder();
  if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  const std::size_t all = words::WordLists().size();
  Print("shipped lists (26), into menus", LoadAll(folder, all, true));
  const std::wstring full = WriteFullLists();
  // Filling a menu takes time growing with the square of its items under
  // Wine, so all full lists are read, and one of them is put into a menu.
  Print("26 lists at 32767 lines, read", LoadAll(full, all, false));
  Print("1 list at 32767 lines, into a menu", LoadAll(full, 1, true));
  return 0;
}
