#include "velmora/words/word_list_decoder.h"

#include <cstdint>

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
    std::uint32_t cp = length == 1 ? At(bytes, i) : At(bytes, i) & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (At(bytes, i + k) & 0x3F);
    AppendCodePoint(text, cp);
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

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

ListEncoding DetectListEncoding(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return ListEncoding::Utf8Bom;
  if (StartsWith(bytes, "\xFF\xFE")) return ListEncoding::Utf16LeBom;
  if (StartsWith(bytes, "\xFE\xFF")) return ListEncoding::Utf16BeBom;
  bool nonAscii = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, i);
    if (length == 0) return ListEncoding::CodePage936;
    nonAscii = nonAscii || length > 1;
    i += length;
  }
  return nonAscii ? ListEncoding::Utf8 : ListEncoding::CodePage936;
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
