#include "velmora/words/word_list_decoder.h"

#include <gtest/gtest.h>

#include <string>

#include "velmora/words/word_list_test_support.h"

using words::DecodeListBytes;
using words::DetectListEncoding;
using words::ListEncoding;

namespace {

std::wstring Decode(std::string_view bytes) { return DecodeListBytes(bytes, words::testing::DecodeCp936StandIn); }

// UTF-16 units of the text, whatever the width of wchar_t.
std::u16string Units(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

TEST(WordListDecoder, ByteOrderMarksDecideFirst) {
  EXPECT_EQ(DetectListEncoding("\xEF\xBB\xBF" "abc"), ListEncoding::Utf8Bom);
  EXPECT_EQ(DetectListEncoding("\xFF\xFE" "a\0"), ListEncoding::Utf16LeBom);
  EXPECT_EQ(DetectListEncoding("\xFE\xFF\0a"), ListEncoding::Utf16BeBom);
  EXPECT_EQ(Decode("\xEF\xBB\xBF\xE7\xAC\xA6\xE5\x8F\xB7"), L"符号");
  EXPECT_EQ(Decode(std::string("\xFF\xFE\x26\x7B\xF7\x53\r\0\n\0", 10)), L"符号\r\n");
  EXPECT_EQ(Decode(std::string("\xFE\xFF\x7B\x26\x53\xF7\0\r\0\n", 10)), L"符号\r\n");
  // The mark alone is an empty text, not a character.
  EXPECT_EQ(Decode("\xEF\xBB\xBF"), L"");
  EXPECT_EQ(Decode("\xFF\xFE"), L"");
}

TEST(WordListDecoder, Utf16KeepsSurrogatePairsAndMarksACutOffUnit) {
  // U+1D400 as D835 DC00, then a stray last byte.
  const std::string le("\xFF\xFE\x35\xD8\x00\xDC\x41", 7);
  EXPECT_EQ(Units(Decode(le)), (std::u16string{0xD835, 0xDC00, 0xFFFD}));
}

TEST(WordListDecoder, UnmarkedUtf8WithNonAsciiIsUtf8) {
  EXPECT_EQ(DetectListEncoding("Q345R\r\n\xE6\x9D\x90\xE6\x96\x99"), ListEncoding::Utf8);
  EXPECT_EQ(Decode("\xCE\xA9 \xE2\x84\x83"), L"Ω ℃");
  // A character outside the basic plane becomes a surrogate pair.
  EXPECT_EQ(Units(Decode("\xF0\x9D\x90\x80")), (std::u16string{0xD835, 0xDC00}));
}

TEST(WordListDecoder, PlainAsciiAndEmptyGoThroughTheCodePage) {
  EXPECT_EQ(DetectListEncoding(""), ListEncoding::CodePage936);
  EXPECT_EQ(DetectListEncoding("GB/T 150.1-2011\r\n"), ListEncoding::CodePage936);
  EXPECT_EQ(Decode("SA-516 Gr.70"), L"SA-516 Gr.70");
}

TEST(WordListDecoder, ShortCodePage936TextIsNotTakenForUtf8) {
  // The shipped format: short Chinese words whose bytes break UTF-8's rules.
  EXPECT_EQ(DetectListEncoding("\xB7\xFB\xBA\xC5"), ListEncoding::CodePage936);  // 符号
  EXPECT_EQ(DetectListEncoding("\xC1\xAA\xCD\xA8"), ListEncoding::CodePage936);  // 联通 (C1 is never UTF-8)
  EXPECT_EQ(DetectListEncoding("\xB2\xC4\xC1\xCF"), ListEncoding::CodePage936);  // 材料
  EXPECT_EQ(DetectListEncoding("\xA6\xB8"), ListEncoding::CodePage936);          // Ω
  EXPECT_EQ(Decode("\xB7\xFB\xBA\xC5\r\n\xA1\xE6"), L"符号\r\n℃");
  EXPECT_EQ(Decode("\xC1\xAA\xCD\xA8"), L"联通");
}

TEST(WordListDecoder, MalformedUtf8IsCodePage936UnlessMarked) {
  for (const char* bytes : {
           "\xC0\xAF",              // overlong slash
           "\xE0\x80\xAF",          // overlong, three bytes
           "\xED\xA0\x80",          // a surrogate half
           "\xF4\x90\x80\x80",      // beyond U+10FFFF
           "\xF5\x80\x80\x80",      // no such lead byte
           "\xE6\x9D",              // cut off at the end
           "\xE6\x9D\x90\x80",      // a stray continuation byte
           "\xE6\x41\x90",          // an ASCII byte inside a sequence
       }) {
    EXPECT_FALSE(words::IsValidUtf8(bytes)) << bytes;
    EXPECT_EQ(DetectListEncoding(bytes), ListEncoding::CodePage936);
  }
  EXPECT_TRUE(words::IsValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF, the last code point
}

TEST(WordListDecoder, MarkedUtf8WithBadBytesStillDecodes) {
  EXPECT_EQ(Decode("\xEF\xBB\xBF" "a\xFF" "b\xE6\x9D"), L"a\xFFFD" L"b\xFFFD\xFFFD");
}

TEST(WordListDecoder, MissingDecoderGivesEmptyTextInsteadOfFailing) {
  EXPECT_EQ(DecodeListBytes("\xB7\xFB", nullptr), L"");
  EXPECT_EQ(DecodeListBytes("\xE2\x84\x83", nullptr), L"℃");
}
