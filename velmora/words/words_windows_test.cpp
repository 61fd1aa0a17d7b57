// List files and folders as the bar reads them from disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "velmora/words/folder_listing.h"
#include "velmora/words/word_list_file.h"

namespace words {
namespace {

using Lines = std::vector<std::wstring>;

TEST(WordListFile, EveryEncodingDecodesThroughTheSystemAndMissingFilesGiveNoLines) {
  testsupport::ScratchFolder folder;
  const struct { std::string bytes; Lines lines; } rows[] = {
      {"\xB7\xFB\xBA\xC5\r\n\xA6\xB8\r\n\r\n\xA1\xE6 + %{F4}\r\n", {L"符号", L"Ω", L"", L"℃ + %{F4}"}},  // 936
      {"\xE7\xAC\xA6\xE5\x8F\xB7\n\xCE\xA9\n", {L"符号", L"Ω"}}, {"\xEF\xBB\xBF" "Q245R\rQ345R", {L"Q245R", L"Q345R"}},
      {std::string("\xFF\xFE\x26\x7B\xF7\x53\r\0\n\0\xA9\x03", 12), {L"符号", L"Ω"}},
      {std::string("\xFE\xFF\x7B\x26\x53\xF7\0\n\x03\xA9", 10), {L"符号", L"Ω"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.lines.front());
    EXPECT_EQ(ReadWordListFile(folder.Write(L"list.txt", row.bytes)).lines, row.lines);
  }
  for (const std::wstring& path : {folder.Path() + L"不存在.txt", folder.Write(L"empty.txt", ""), folder.Path()}) {
    EXPECT_TRUE(ReadWordListFile(path).lines.empty());
  }
}

TEST(FolderListing, OrdinaryFilesInExplorerOrderAndNoneForAMissingFolder) {
  testsupport::ScratchFolder folder;
  folder.Write(L"doc 10.pdf", "%PDF");
  folder.Write(L"Doc 9.txt", "nine");
  folder.Write(L"GB&T 只读.txt", "read-only", FILE_ATTRIBUTE_READONLY);
  folder.Write(L"hidden.txt", "hidden", FILE_ATTRIBUTE_HIDDEN);
  folder.Write(L"system.dat", "system", FILE_ATTRIBUTE_SYSTEM);
  CreateDirectoryW((folder.Path() + L"sub.pdf").c_str(), nullptr);
  CreateDirectoryW((folder.Path() + L"空").c_str(), nullptr);
  // Digits by value and case ignored: 9 before 10; with or without the backslash.
  const Lines names{L"Doc 9.txt", L"doc 10.pdf", L"GB&T 只读.txt"};
  EXPECT_EQ(ListFolderFiles(folder.Path()), names);
  EXPECT_EQ(ListFolderFiles(folder.Path().substr(0, folder.Path().size() - 1)), names);
  EXPECT_TRUE(ListFolderFiles(folder.Path() + L"空").empty());
  EXPECT_TRUE(ListFolderFiles(folder.Path() + L"不存在\\").empty());
}

}  // namespace
}  // namespace words
