// Reading list files from disk: every encoding and line-end style, missing
// files, and input that must not crash or stall the bar's start-up.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "velmora/words/word_list_decoder.h"
#include "velmora/words/word_list_file.h"
#include "velmora/words/word_list_table.h"
#include "velmora/words/word_list_windows_test_support.h"

using words::LoadListMenuItems;
using words::ReadWordListFile;
using Lines = std::vector<std::wstring>;

namespace {

class WordListFile : public ::testing::Test {
 protected:
  Lines Read(const std::wstring& name, std::string_view bytes) {
    return ReadWordListFile(folder_.Write(name, bytes)).lines;
  }
  words::testing::ScratchFolder folder_;
};

// 符号, Ω and ℃ in code page 936.
constexpr char kCp936[] = "\xB7\xFB\xBA\xC5\r\n\xA6\xB8\r\n\r\n\xA1\xE6 + %{F4}\r\n";

}  // namespace

TEST_F(WordListFile, CodePage936WithCrLfReadsExactly) {
  EXPECT_EQ(Read(L"常用符号.txt", kCp936), (Lines{L"符号", L"Ω", L"", L"℃ + %{F4}"}));
}

TEST_F(WordListFile, UnicodeFilesReadByTheirMarkOrAsUtf8) {
  EXPECT_EQ(Read(L"u8.txt", "\xE7\xAC\xA6\xE5\x8F\xB7\n\xCE\xA9\n"), (Lines{L"符号", L"Ω"}));
  EXPECT_EQ(Read(L"u8bom.txt", "\xEF\xBB\xBF" "Q245R\rQ345R"), (Lines{L"Q245R", L"Q345R"}));
  EXPECT_EQ(Read(L"le.txt", std::string("\xFF\xFE\x26\x7B\xF7\x53\r\0\n\0\xA9\x03", 12)), (Lines{L"符号", L"Ω"}));
  EXPECT_EQ(Read(L"be.txt", std::string("\xFE\xFF\x7B\x26\x53\xF7\0\n\x03\xA9", 10)), (Lines{L"符号", L"Ω"}));
}

TEST_F(WordListFile, MissingOrEmptyFileLeavesTheDefaultCaption) {
  for (const std::wstring& path : {folder_.Path() + L"不存在.txt", folder_.Write(L"empty.txt", ""), folder_.Path()}) {
    const auto items = LoadListMenuItems(path, L"符号文字1");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].value, L"符号文字1");
  }
}

TEST_F(WordListFile, ThreeLinesGiveThreeItemsTheMiddleOneEmpty) {
  const auto items = LoadListMenuItems(folder_.Write(L"three.txt", "a\r\n\r\nR&D"), L"x");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].value, L"");
  EXPECT_EQ(items[2].value, L"R&D");
  EXPECT_EQ(items[2].caption, L"R&&D");
}

TEST_F(WordListFile, ALockedFileIsReadWhileAnEditorHoldsIt) {
  const std::wstring path = folder_.Write(L"open.txt", "a\r\nb\r\n");
  HANDLE editor = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(editor, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadWordListFile(path).lines, (Lines{L"a", L"b"}));
  CloseHandle(editor);
}

TEST_F(WordListFile, BinaryGarbageHugeCountsAndHugeLinesNeverCrash) {
  std::mt19937 random(5);
  std::string garbage(1 << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  const auto noise = ReadWordListFile(folder_.Write(L"noise.bin", garbage));
  EXPECT_LE(noise.lines.size(), words::kMaxListLines);

  std::string many;
  for (int i = 1; i <= 100000; ++i) many += std::to_string(i) + "\r\n";
  const auto limited = ReadWordListFile(folder_.Write(L"many.txt", many));
  ASSERT_EQ(limited.lines.size(), words::kMaxListLines);
  EXPECT_TRUE(limited.truncated);
  EXPECT_EQ(limited.lines.back(), L"32767");

  const std::string wide(10 << 20, 'W');
  const auto oneLine = ReadWordListFile(folder_.Write(L"wide.txt", wide));
  ASSERT_EQ(oneLine.lines.size(), 1u);
  EXPECT_EQ(oneLine.lines[0].size(), wide.size());
}

// The lists shipped in the program folder: every one present, read as code
// page 936 (never mistaken for UTF-8), and free of undecodable characters.
TEST(ShippedWordLists, EveryListIsPresentAndReadsCleanly) {
  const wchar_t* dist = _wgetenv(L"VELMORA_DIST");
  ASSERT_NE(dist, nullptr);
  std::wstring folder = std::wstring(L"Z:") + dist + L"\\";
  for (wchar_t& c : folder) {
    if (c == L'/') c = L'\\';
  }
  for (const auto& list : words::WordLists()) {
    const std::wstring path = folder + std::wstring(list.file);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << std::string(list.menuName.begin(), list.menuName.end());
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(h);
    EXPECT_EQ(words::DetectListEncoding(bytes), words::ListEncoding::CodePage936);
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    const auto lines = ReadWordListFile(path);
    EXPECT_GE(lines.lines.size(), 3u);
    for (const auto& line : lines.lines) {
      EXPECT_EQ(line.find_first_of(L"\xFFFD?"), std::wstring::npos);
    }
  }
  const auto greek = ReadWordListFile(folder + L"符号\\希腊字母.txt").lines;
  ASSERT_FALSE(greek.empty());
  EXPECT_EQ(greek.front(), L"Α");
}
