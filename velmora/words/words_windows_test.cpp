// List files and folders as the bar reads them from disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "ui/handles.h"
#include "velmora/words/folder_listing.h"
#include "velmora/words/word_list_decoder.h"
#include "velmora/words/word_list_file.h"
#include "velmora/words/word_list_table.h"

namespace words {
namespace {

using Lines = std::vector<std::wstring>;

TEST(WordListFile, EveryEncodingDecodesThroughTheSystemAndMissingFilesGiveTheDefault) {
  testsupport::ScratchFolder folder;
  const struct {
    std::string bytes;
    Lines lines;
  } rows[] = {
      {"\xB7\xFB\xBA\xC5\r\n\xA6\xB8\r\n\r\n\xA1\xE6 + %{F4}\r\n", {L"符号", L"Ω", L"", L"℃ + %{F4}"}},  // 936
      {"\xE7\xAC\xA6\xE5\x8F\xB7\n\xCE\xA9\n", {L"符号", L"Ω"}},
      {"\xEF\xBB\xBF" "Q245R\rQ345R", {L"Q245R", L"Q345R"}},
      {std::string("\xFF\xFE\x26\x7B\xF7\x53\r\0\n\0\xA9\x03", 12), {L"符号", L"Ω"}},
      {std::string("\xFE\xFF\x7B\x26\x53\xF7\0\n\x03\xA9", 10), {L"符号", L"Ω"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.lines.front());
    EXPECT_EQ(ReadWordListFile(folder.Write(L"list.txt", row.bytes)).lines, row.lines);
  }
  for (const std::wstring& path : {folder.Path() + L"不存在.txt", folder.Write(L"empty.txt", ""), folder.Path()}) {
    const auto items = LoadListMenuItems(path, L"符号文字1");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].value, L"符号文字1");
  }
  // Read while an editor holds the file open for writing.
  const std::wstring open = folder.Write(L"open.txt", "a\r\nb\r\n");
  const ui::File editor(CreateFileW(open.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(editor);
  EXPECT_EQ(ReadWordListFile(open).lines, (Lines{L"a", L"b"}));
}

TEST(WordListFile, GarbageHugeCountsAndHugeLinesNeverCrash) {
  testsupport::ScratchFolder folder;
  std::mt19937 random(5);
  std::string garbage(1 << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  EXPECT_LE(ReadWordListFile(folder.Write(L"noise.bin", garbage)).lines.size(), kMaxListLines);
  std::string many;
  for (int i = 1; i <= 100000; ++i) many += std::to_string(i) + "\r\n";
  const auto limited = ReadWordListFile(folder.Write(L"many.txt", many));
  ASSERT_EQ(limited.lines.size(), kMaxListLines);
  EXPECT_EQ(limited.lines.back(), L"32767");
  const auto oneLine = ReadWordListFile(folder.Write(L"wide.txt", std::string(10 << 20, 'W')));
  ASSERT_EQ(oneLine.lines.size(), 1u);
  EXPECT_EQ(oneLine.lines[0].size(), 10u << 20);
}

TEST(FolderListing, OrdinaryFilesInExplorerOrderOrTheDefaultCaption) {
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
  EXPECT_EQ(LoadFolderMenuItems(folder.Path(), L"")[2].caption, L"GB&&T 只读.txt");
  for (const std::wstring& path : {folder.Path() + L"空", folder.Path() + L"不存在\\"}) {
    const auto items = LoadFolderMenuItems(path, L"文档1");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].value, L"文档1");
  }
}

// The lists shipped in the program folder: every one present, code page
// 936 with CR LF, and free of undecodable characters.
TEST(ShippedWordLists, EveryListIsPresentAndReadsCleanly) {
  const wchar_t* dist = _wgetenv(L"VELMORA_DIST");
  ASSERT_NE(dist, nullptr);
  std::wstring folder = std::wstring(L"Z:") + dist + L"\\";
  for (wchar_t& c : folder) c = c == L'/' ? L'\\' : c;
  for (const auto& list : WordLists()) {
    const std::wstring path = folder + std::wstring(list.file);
    SCOPED_TRACE(std::string(list.menuName.begin(), list.menuName.end()));
    const ui::File file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file);
    std::string bytes(GetFileSize(file.get(), nullptr), '\0');
    DWORD got = 0;
    ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    EXPECT_EQ(DetectListEncoding(bytes), ListEncoding::CodePage936);
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    const auto lines = ReadWordListFile(path).lines;
    EXPECT_GE(lines.size(), 3u);
    for (const auto& line : lines) EXPECT_EQ(line.find_first_of(L"\xFFFD?"), std::wstring::npos);
  }
  EXPECT_EQ(ReadWordListFile(folder + L"符号\\希腊字母.txt").lines.front(), L"Α");
}

}  // namespace
}  // namespace words
