#pragma once
// A stand-in for the system's code-page-936 decoder: enough of the code page
// to tell whether bytes went through it, without a platform.

#include <map>
#include <string>
#include <string_view>

namespace words::testing {

inline std::wstring DecodeCp936StandIn(std::string_view bytes) {
  static const std::map<std::string, wchar_t> known{
      {"\xB7\xFB", L'符'}, {"\xBA\xC5", L'号'}, {"\xC1\xAA", L'联'}, {"\xCD\xA8", L'通'},
      {"\xB2\xC4", L'材'}, {"\xC1\xCF", L'料'}, {"\xA6\xB8", L'Ω'}, {"\xA1\xE6", L'℃'},
  };
  std::wstring text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      text.push_back(byte);
    } else if (i + 1 < bytes.size()) {
      const auto it = known.find(std::string(bytes.substr(i, 2)));
      text.push_back(it != known.end() ? it->second : L'?');
      ++i;
    } else {
      text.push_back(L'?');
    }
  }
  return text;
}

}  // namespace words::testing
