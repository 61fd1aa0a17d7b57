// The rules of the word lists, as tables: decoding, lines, menu items and
// key strokes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "velmora/words/keystroke_plan.h"
#include "velmora/words/list_menu.h"
#include "velmora/words/typing_guard.h"
#include "velmora/words/word_list_decoder.h"
#include "velmora/words/word_list_lines.h"
#include "velmora/words/word_list_table.h"

namespace words {
namespace {

using Lines = std::vector<std::wstring>;
using enum ListEncoding;

TEST(WordListDecoder, EncodingByMarkElseTheReadingThatLooksLikeAListCodePage936OnATie) {
  // The code page's decoder (the system's, checked in process) only marks here.
  const auto codePage = [](std::string_view) { return std::wstring(L"<936>"); };
  const struct {
    std::string bytes;
    ListEncoding encoding;
    std::u16string text;  // as decoded, in UTF-16 units
  } rows[] = {
      {"\xEF\xBB\xBF\xE7\xAC\xA6\xE5\x8F\xB7", Utf8Bom, u"符号"},
      {std::string("\xFF\xFE\x26\x7B\xF7\x53\r\0\n\0", 10), Utf16LeBom, u"符号\r\n"},
      {std::string("\xFE\xFF\x7B\x26\x53\xF7\0\r\0\n", 10), Utf16BeBom, u"符号\r\n"},
      {"\xEF\xBB\xBF", Utf8Bom, u""},  // the mark alone is no character
      {std::string("\xFF\xFE\x35\xD8\x00\xDC\x41", 7), Utf16LeBom, std::u16string{0xD835, 0xDC00, 0xFFFD}},
      {"\xEF\xBB\xBF" "a\xFF" "b\xE6\x9D", Utf8Bom, u"a\xFFFD" u"b\xFFFD\xFFFD"},
      {"\xEF\xBB\xBF\xC3\x41\xE6\x9D\x41", Utf8Bom, u"\xFFFD" u"A\xFFFD\xFFFD" u"A"},
      {"Q345R\r\n\xE6\x9D\x90\xE6\x96\x99", Utf8, u"Q345R\r\n材料"},
      {"\xF0\x9D\x90\x80", Utf8, std::u16string{0xD835, 0xDC00}},
      {"\xF4\x8F\xBF\xBF\xE6\x9D\x90\xE6\x96\x99", Utf8, u"\U0010FFFF材料"},  // the last code point
      {"SA-516 Gr.70", CodePage936, u"<936>"}, {"\xB7\xFB\xBA\xC5\r\n\xA1\xE6", CodePage936, u"<936>"},
      // UTF-8 without a mark whose bytes are code page 936 too: as written.
      {"\xCE\x91\r\n\xCE\x92\r\n\xCE\x93", Utf8, u"Α\r\nΒ\r\nΓ"}, {"na\xC3\xAFve caf\xC3\xA9", Utf8, u"naïve café"},
      {"\xE2\x82\xAC" "5", Utf8, u"€5"}, {"\xE6\xB3\x95\xE5\x85\xB0", Utf8, u"法兰"},
      {"\xCE\x91", Utf8, u"Α"}, {"\xCF\x89", Utf8, u"ω"}, {"caf\xC3\xA9", Utf8, u"café"}, {"\xF0\x90\x80\x80", Utf8, u"\U00010000"},
      {"\xC2\xB0\xDF\xBF\xE6\x9D\x90\xE6\x96\x99", Utf8, u"°\u07FF材料"},
      {"\xE0\xA4\x85\xEF\xBC\x81\xE8\x80\x80", Utf8, u"\u0905！耀"},
      {"\xC2\xB1", CodePage936, u"<936>"},  // ± or 卤: a tie reads as the code page
      {"\xE8\xA7\x84Q345R", Utf8, u"规Q345R"},  // an ASCII run after it: no GBK ideograph
      {"a\xC3\xA9\xD0\x90", Utf8, u"aéА"},  // by a point: the marked letter beside a Latin one
      {"\xEF\xBB\xBF\xC0\xAF\xC1\x81", Utf8Bom, u"\xFFFD\xFFFD\xFFFD\xFFFD"},  // overlong / and A
      {"Q345R \xE5\x8E\x8B\xE5\x8A\x9B\xE5\xAE\xB9\xE5\x99\xA8\xE7\x94\xA8\xE9\x92\xA2\xE6\x9D\xBF", Utf8,
       u"Q345R 压力容器用钢板"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.bytes));
    EXPECT_EQ(DetectListEncoding(row.bytes), row.encoding);
    const std::wstring text = DecodeListBytes(row.bytes, codePage);
    EXPECT_EQ(std::u16string(text.begin(), text.end()), row.text);
  }
  // Code-page-936 words (符号, 联通, 材料, Ω, 压力容器, 法兰; 谢谢, 图纸, 水压 are UTF-8 лл, ͼֽ,
  // ˮѹ) and malformed sequences (overlong, surrogate, past U+10FFFF, no such lead, cut
  // off, stray continuation, ASCII inside) are not UTF-8.
  for (const char* bytes : {"\xB7\xFB\xBA\xC5", "\xC1\xAA\xCD\xA8", "\xB2\xC4\xC1\xCF", "\xA6\xB8",
                            "\xD1\xB9\xC1\xA6\xC8\xDD\xC6\xF7", "\xB7\xA8\xC0\xBC", "\xD0\xBB\xD0\xBB",
                            "\xCD\xBC\xD6\xBD", "\xCB\xAE\xD1\xB9", "\xC0\xAF",
                            "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xE6\x9D",
                            "\xE6\x9D\x90\x80", "\xE6\x41\x90",
                            "\xE6\x9D\x90\xE6\x96\x99\xC0\xAF", "\xE6\x9D\x90\xE6\x96\x99\xC1\x81",
                            "\xC2\xA1", "\xC2\x80",  // ties: 隆 or ¡, 聙 or a control
                            // GBK outside GB2312: 鍋爐 (also UTF-8 偠t), 壓力容器, 閥門, 鋼
                            "\xE5\x81\xA0\x74", "\xE5\x81\xA0\x74\r\n\xE5\x81\xA0\x74\n\xE5\x81\xA0\x74", "\x89\xBA\xC1\xA6\xC8\xDD\xC6\xF7", "\xE9\x79\xE9\x54", "\xE4\x93"}) {
    EXPECT_EQ(DetectListEncoding(bytes), CodePage936) << ::testing::PrintToString(std::string(bytes));
  }
  EXPECT_EQ(DecodeListBytes("\xB7\xFB", nullptr), L"") << "no decoder: nothing, never a failure";
}

TEST(WordListLines, EveryLineEndEndsALineAndOnlyTheLimitCuts) {
  const struct { std::wstring text; std::size_t limit; Lines lines; bool truncated; } rows[] = {
      {L"a\r\nb\nc\rd", kMaxListLines, {L"a", L"b", L"c", L"d"}, false},
      {L"Q245R\r\nQ345R", kMaxListLines, {L"Q245R", L"Q345R"}, false},
      {L"a\r\n\r\nc\r\n", kMaxListLines, {L"a", L"", L"c"}, false}, {L"\r\n", kMaxListLines, {L""}, false},
      {L"\n\n", kMaxListLines, {L"", L""}, false},
      {L"a\n\rb", kMaxListLines, {L"a", L"", L"b"}, false},  // LF CR is two line ends
      {L"a\r\r\nb", kMaxListLines, {L"a", L"", L"b"}, false}, {L"", kMaxListLines, {}, false},
      {L"  ±  \r\n±\r\n±\r\na\tb", kMaxListLines, {L"  ±  ", L"±", L"±", L"a\tb"}, false},
      {L"a\nb\nc", 2, {L"a", L"b"}, true},
      {L"a\nb\n", 2, {L"a", L"b"}, false},  // the limit reached just at the end
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.text));
    const ListLines split = SplitListLines(row.text, row.limit);
    EXPECT_EQ(split.lines, row.lines);
    EXPECT_EQ(split.truncated, row.truncated);
  }
  std::wstring many;
  for (int i = 1; i <= 32768; ++i) many += std::to_wstring(i) + L"\n";
  const ListLines over = SplitListLines(many);  // the lines of 16-bit menu indexes
  EXPECT_TRUE(over.truncated && over.lines.size() == 32767 && over.lines.back() == L"32767");
}

// Every list and folder as the bar reads it: menu, path under AppPath, element 1's caption, and for a
// list what a click does (t types, a opens an address, f opens a folder); a folder opens with its backslash.
TEST(WordListTable, EveryListAndFolderMenuInLoadOrder) {
  Lines lists, folders;
  for (const WordListInfo& l : WordLists()) {
    lists.push_back(std::wstring(l.menuName) + L" " + std::wstring(l.file) + L" " + std::wstring(l.defaultCaption) +
                    L" " + L"taf"[static_cast<int>(l.click)]);
  }
  for (const FolderMenuInfo& m : FolderMenus()) {
    folders.push_back(std::wstring(m.menuName) + L" " + std::wstring(m.listedFolder) + L" " + std::wstring(m.defaultCaption));
    EXPECT_EQ(FolderEntryPath(L"C:\\V\\", m, L"a.pdf"), L"C:\\V\\" + std::wstring(m.listedFolder) +
                                                          (m.listedFolder.ends_with(L'\\') ? L"" : L"\\") + L"a.pdf");
  }
  EXPECT_EQ(lists, (Lines{
      L"mnuFuHaoText1 符号\\常用符号.txt 符号文字1 t", L"mnuFuHaoText2 符号\\标点符号.txt 符号文字2 t",
      L"mnuFuHaoText3 符号\\数字符号.txt 符号文字1 t", L"mnuFuHaoText4 符号\\罗马字母.txt 符号文字1 t",
      L"mnuFuHaoText5 符号\\希腊字母.txt 符号文字1 t", L"mnuFuHaoText6 符号\\其它.txt 符号文字1 t",
      L"mnuFuHaoOther 符号\\默认.txt 符号 t", L"mnuMaterialOther 材料\\默认.txt 材料1 t",
      L"mnuGBText1 标准名\\GB基础标准.txt  t", L"mnuGBText2 标准名\\GB材料标准.txt  t", L"mnuGBText3 标准名\\GB方法标准.txt  t",
      L"mnuGBText4 标准名\\GB工艺标准.txt  t", L"mnuGBText5 标准名\\GB其它.txt  t", L"mnuJBText1 标准名\\JB基础标准.txt  t",
      L"mnuJBText2 标准名\\JB材料标准.txt  t", L"mnuJBText3 标准名\\JB方法标准.txt  t", L"mnuJBText4 标准名\\JB工艺标准.txt  t",
      L"mnuJBText5 标准名\\JB其它.txt  t", L"mnuHGText 标准名\\HG.txt  t", L"mnuUseText 标准名\\常用.txt  t",
      L"mnuBiaoZhunOtherText 标准名\\其它.txt  t", L"mnuAsmeText 标准名\\ASME.txt  t", L"mnuPedText 标准名\\PED.txt  t",
      L"mnuSHText 标准名\\SH.txt  t", L"mnuWebText 网址\\默认.txt 网址1 a", L"mnuDirText 目录\\默认.txt 目录1 f"}));
  EXPECT_EQ(folders, (Lines{
      L"mnuBook1 标准\\规程 ", L"mnuBook2 标准\\GB\\ ", L"mnuBook3 标准\\JB\\ ", L"mnuBook4 标准\\HG\\ ", L"mnuBook5 标准\\ASME\\ ",
      L"mnuBook6 标准\\PED\\ ", L"mnuBook7 标准\\SH ", L"mnuBook8 标准\\制图标准 ", L"mnuBook9 标准\\其它 ", L"mnuMyText 公司\\ ",
      L"mnuFileText 文档\\ 文档1", L"mnuKelvoSoftDocText Kelvo软件说明文档\\ 文档", L"mnuKelvoSoftText Kelvo软件\\ mnuKelvoSoft",
      L"mnuSoftText 程序\\ 程序1", L"mnuGotoText 快捷方式\\ 快捷方式1"}));
  // An empty folder's blank item opens the folder itself; a name that is no menu has no caption.
  EXPECT_EQ(FolderEntryPath(L"C:\\V\\", FolderMenus()[0], L""), L"C:\\V\\标准\\规程\\");
  EXPECT_EQ(std::tuple(DefaultCaption(L"mnuFuHaoText2"), DefaultCaption(L"mnuGotoText"), DefaultCaption(L"mnuSys")),
            std::tuple(L"符号文字2", L"快捷方式1", L""));
}

TEST(ListMenu, EachLineIsOneItemWhoseClickHandsOnTheLineAsWritten) {
  using enum Ampersands;
  const struct { std::wstring line; Ampersands ampersands; std::wstring caption; bool separator; } rows[] = {
      {L"Φ", Literal, L"Φ", false},
      {L"", Literal, L"", false},  // a blank, choosable item that types nothing
      {L"-", Literal, L"", true}, {L"--", Literal, L"--", false}, {L" -", Literal, L" -", false},
      {L"A&B", Literal, L"A&&B", false}, {L"R&D&", Literal, L"R&&D&&", false}, {L"&&", Literal, L"&&&&", false},
      {L"A&B", AccessKey, L"A&B", false},  // the menu underlines B
      {std::wstring{L'a', L'\0', L'b'}, Literal, std::wstring{L'a', 0xFFFD, L'b'}, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.line));
    const auto items = ListMenuItems({row.line, row.line}, L"x", row.ampersands);
    ASSERT_EQ(items.size(), 2u);  // duplicates stay
    EXPECT_EQ(items[0].caption, row.caption);
    EXPECT_EQ(items[0].value, row.line);
    EXPECT_EQ(items[0].separator, row.separator);
  }
  // No line: element 1 alone, with its default caption, which a click types.
  const auto none = ListMenuItems({}, L"符号文字1");
  ASSERT_EQ(none.size(), 1u);
  EXPECT_EQ(none[0].value, L"符号文字1");
}

// What the plan types, one UTF-16 unit per key-down; Tab as '\t', Enter as '\n'.
std::u16string Typed(std::wstring_view text, bool& allUnicode) {
  std::u16string typed;
  allUnicode = true;
  for (const KeyStroke& stroke : KeystrokePlan(text)) {
    for (const KeyEvent& e : stroke) {
      if (e.keyUp) continue;
      allUnicode = allUnicode && e.kind == KeyEvent::Kind::Unicode;
      typed.push_back(e.kind == KeyEvent::Kind::Unicode ? e.code : (e.code == kVirtualKeyTab ? u'\t' : u'\n'));
    }
  }
  return typed;
}

TEST(KeystrokePlan, TextIsTypedLiterallyWithTabAndOneEnterPerLineEnd) {
  const struct { std::wstring text; std::u16string typed; bool allUnicode; } rows[] = {
      {L"压力容器 αβγΩ ±×÷≤≥℃", u"压力容器 αβγΩ ±×÷≤≥℃", true},
      {L"+ ^ % ~ { } ( ) %{F4} {ENTER", u"+ ^ % ~ { } ( ) %{F4} {ENTER", true}, {L"R&D", u"R&D", true},
      {L"a\tb", u"a\tb", false}, {L"1\r\n2\n3\r4\n\r5", u"1\n2\n3\n4\n\n5", false},
      {std::wstring{L'a', 0x16, 0x08, 0x01, L'\0', 0x1B, 0x7F, L'b'}, u"ab", true},  // editing commands left out
      {std::wstring{wchar_t(0xDC00), L'x', wchar_t(0xD835)}, std::u16string{0xDC00, u'x', 0xD835}, true},
      {L"", u"", true}, {std::wstring{wchar_t(0xFFFF)}, std::u16string{0xFFFF}, true},  // the last unit of one half
      {sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xDBFF), wchar_t(0xDFFF)} : std::wstring{wchar_t(0x10FFFF)},
       std::u16string{0xDBFF, 0xDFFF}, true},  // the last code point
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.text));
    bool allUnicode = false;
    EXPECT_EQ(Typed(row.text, allUnicode), row.typed);
    EXPECT_EQ(allUnicode, row.allUnicode);
  }
  // Both halves of a surrogate pair go in one stroke; each character is one.
  const std::wstring pair = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD835), wchar_t(0xDC00)}
                                                 : std::wstring{wchar_t(0x1D400)};
  const auto plan = KeystrokePlan(L"a" + pair + L"b");
  ASSERT_EQ(plan.size(), 3u);
  EXPECT_EQ(plan[1].count, 4u);
  EXPECT_EQ(std::pair(plan[1].events[0], plan[1].events[2]),
            std::pair(KeyEvent{KeyEvent::Kind::Unicode, 0xD835, false}, KeyEvent{KeyEvent::Kind::Unicode, 0xDC00, false}));
  // Pairs at the ends of the surrogate ranges are one stroke each; a half without its partner is a stroke alone.
  const std::wstring units{wchar_t(0xD800), wchar_t(0xDFFF), wchar_t(0xDBFF), wchar_t(0xDC00), L'x', wchar_t(0xDC00),
                           wchar_t(0xD835), L'y'};
  std::vector<std::size_t> counts;
  for (const KeyStroke& stroke : KeystrokePlan(units)) counts.push_back(stroke.count);
  EXPECT_EQ(counts, (std::vector<std::size_t>{4, 4, 2, 2, 2, 2}));
}

TEST(TypingGuard, KeysAreWithheldOnlyFromAMorePrivilegedTarget) {
  using enum IntegrityReading::Outcome;
  constexpr std::uint32_t kLow = 0x1000, kMedium = 0x2000, kHigh = 0x3000, kSystem = 0x4000;
  const struct {
    IntegrityReading ours, target;
    bool withheld;
  } rows[] = {
      {{Read, kMedium}, {Read, kMedium}, false}, {{Read, kMedium}, {Read, kHigh}, true},
      {{Read, kMedium}, {Read, kLow}, false},    {{Read, kHigh}, {Read, kHigh}, false},
      {{Read, kHigh}, {Read, kMedium}, false},   {{Read, kHigh}, {Read, kSystem}, true},
      {{Read, kMedium}, {Read, kMedium + 0x100}, true},  // medium plus (UI access) is above medium
      {{Read, kMedium}, {AccessDenied, 0}, true},  // refuses even the least query: more privileged
      {{Unknown, 0}, {AccessDenied, 0}, true},     {{Read, kMedium}, {Unknown, 0}, false},  // no target
      {{Unknown, 0}, {Read, kHigh}, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << std::hex << row.ours.level << " -> " << row.target.level);
    EXPECT_EQ(TargetOutranksUs(row.ours, row.target), row.withheld);
  }
}

}  // namespace
}  // namespace words
