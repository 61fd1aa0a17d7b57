#include "velmora/words/word_list_decoder.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace words {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

std::uint8_t At(std::string_view bytes, std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); }

// Length of the valid UTF-8 sequence starting at i, or 0 when the bytes there
// do not form one.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t i) {
  const std::uint8_t lead = At(bytes, i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  if (At(bytes, i + 1) < low || At(bytes, i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if ((At(bytes, i + k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// The code point of the valid sequence of the given length at i.
std::uint32_t CodePointAt(std::string_view bytes, std::size_t i, std::size_t length) {
  std::uint32_t cp = length == 1 ? At(bytes, i) : At(bytes, i) & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (At(bytes, i + k) & 0x3F);
  return cp;
}

void AppendCodePoint(std::wstring& text, std::uint32_t cp) {
  if (cp < 0x10000) {
    text.push_back(static_cast<wchar_t>(cp));
  } else {
    cp -= 0x10000;
    text.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
    text.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
  }
}

std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, i);
    if (length == 0) {
      text.push_back(kReplacement);
      ++i;
      continue;
    }
    AppendCodePoint(text, CodePointAt(bytes, i, length));
    i += length;
  }
  return text;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::wstring text;
  text.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned first = At(bytes, i), second = At(bytes, i + 1);
    text.push_back(static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  if (bytes.size() % 2 != 0) text.push_back(kReplacement);  // a cut-off last unit
  return text;
}


struct Range {
  std::uint32_t first, last;
};

bool In(std::uint32_t c, std::initializer_list<Range> ranges) {
  return std::any_of(ranges.begin(), ranges.end(), [c](Range r) { return c >= r.first && c <= r.last; });
}

// How a file's bytes read, as a score for each encoding: what a list holds
// counts for, what no list holds counts against. The two readings of the
// same bytes are compared, never a reading alone.
//
// Code page 936 is judged on its byte pairs (GB2312 is the pairs whose lead
// is A1-A9 or B0-F7 and whose trail is A1-FE), so no table is needed: the
// common ideographs (leads B0-D7) count most, the symbol rows (Greek, kana,
// the signs of the lists) less, the rarer ideographs (D8-F7) nothing; bytes
// that form no character count most against.
//
// The rest of GBK (traditional and rarer ideographs: vendors' names, Hong
// Kong and Taiwan standards) is what UTF-8 text read as code page 936 gives
// at nearly every character, so those pairs count against, with one
// exception UTF-8 cannot imitate: an ideograph whose trail byte is ASCII
// (40-7E) and which stands before another non-ASCII byte, a line end or the
// end. In UTF-8 those bytes would be a single ASCII character squeezed
// between characters (or ending a line after one), while a third of GBK's
// ideographs outside GB2312 look like this: 鍋爐 is E5 81 A0 74. It counts
// for more than a UTF-8 ideograph, so such a word reads as code page 936.
int CodePage936Score(std::string_view bytes) {
  const auto asciiAt = [&bytes](std::size_t i) {
    return i < bytes.size() && At(bytes, i) < 0x80 && At(bytes, i) != '\r' && At(bytes, i) != '\n';
  };
  int score = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::uint8_t lead = At(bytes, i);
    const std::uint8_t trail = i + 1 < bytes.size() ? At(bytes, i + 1) : 0;
    if (lead < 0x80) {
      i += 1;
    } else if (!In(lead, {{0x81, 0xFE}}) || !In(trail, {{0x40, 0x7E}, {0x80, 0xFE}})) {
      score -= 4;  // no character (the euro sign's lone 80 is outside GB2312 too)
      i += 1;
    } else {
      i += 2;
      const bool gb2312 = trail >= 0xA1 && In(lead, {{0xA1, 0xA9}, {0xB0, 0xF7}});
      const bool ideographAsciiTrail = trail < 0x80 && !In(lead, {{0xA1, 0xA9}});
      if (gb2312 && In(lead, {{0xB0, 0xD7}})) score += 2;
      if (gb2312 && In(lead, {{0xA1, 0xA9}})) score += 1;
      if (!gb2312) score += ideographAsciiTrail && !asciiAt(i) ? 6 : -2;
    }
  }
  return score;
}

// What the lists hold: the ideographs, Latin-1 signs and Latin letters with
// marks, the Greek alphabet, the signs, arrows, mathematical and technical
// symbols, enclosed numbers, CJK punctuation and units, and full-width
// forms. Not held: Cyrillic, IPA, combining marks, Hebrew and everything
// else that code page 936 text read as UTF-8 turns into.
bool ListCharacter(std::uint32_t c) {
  return In(c, {{0x4E00, 0x9FFF}, {0xA0, 0x17F}, {0x391, 0x3A1}, {0x3A3, 0x3A9}, {0x3B1, 0x3C9}, {0x2000, 0x27FF},
                {0x3000, 0x33FF}, {0xFF00, 0xFFEF}});
}

// A character the lists hold counts as many as its bytes (a three-byte
// ideograph stands for one and a half code-page pairs), a Latin letter with
// a mark beside a Latin letter one more; anything else counts against. No
// score when the bytes are not UTF-8.
std::optional<int> Utf8Score(std::string_view bytes) {
  const auto latinLetter = [](std::uint32_t c) { return In(c, {{'A', 'Z'}, {'a', 'z'}}); };
  int score = 0;
  std::uint32_t before = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, i);
    if (length == 0) return std::nullopt;
    const std::uint32_t c = CodePointAt(bytes, i, length);
    i += length;
    const std::uint32_t after = i < bytes.size() ? At(bytes, i) : 0;
    if (c >= 0x80) score += ListCharacter(c) ? static_cast<int>(length) : -2;
    if (In(c, {{0xC0, 0xD6}, {0xD8, 0xF6}, {0xF8, 0x17F}}) && (latinLetter(before) || latinLetter(after))) {
      ++score;
    }
    before = c;
  }
  return score;
}

}  // namespace

ListEncoding DetectListEncoding(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return ListEncoding::Utf8Bom;
  if (StartsWith(bytes, "\xFF\xFE")) return ListEncoding::Utf16LeBom;
  if (StartsWith(bytes, "\xFE\xFF")) return ListEncoding::Utf16BeBom;
  const std::optional<int> utf8 = Utf8Score(bytes);
  // Pure ASCII scores 0 both ways and reads the same either way.
  return utf8 && *utf8 > CodePage936Score(bytes) ? ListEncoding::Utf8 : ListEncoding::CodePage936;
}

std::wstring DecodeListBytes(std::string_view bytes, const CodePageDecoder& decodeCodePage936) {
  switch (DetectListEncoding(bytes)) {
    case ListEncoding::Utf8Bom:
      return DecodeUtf8(bytes.substr(3));
    case ListEncoding::Utf16LeBom:
      return DecodeUtf16(bytes.substr(2), false);
    case ListEncoding::Utf16BeBom:
      return DecodeUtf16(bytes.substr(2), true);
    case ListEncoding::Utf8:
      return DecodeUtf8(bytes);
    case ListEncoding::CodePage936:
      break;
  }
  return decodeCodePage936 ? decodeCodePage936(bytes) : std::wstring{};
}

}  // namespace words
