// Fuzz target: the number reader and the display patterns must accept any text
// and any value without crashing.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "calculators/common/number_format.h"
#include "numbers/number_reader.h"

static void ShowEveryWay(double value) {
  for (const char* pattern : {"0.00##", "0.0##", "0.####"}) calc::FormatPattern(value, pattern);
  calc::GeneralNumberText(value);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
  ShowEveryWay(calc::ReadNumber(text).value_or(0));
  double raw;  // any bit pattern, infinities and NaN included
  if (size >= sizeof raw) {
    std::memcpy(&raw, data, sizeof raw);
    ShowEveryWay(raw);
  }
  return 0;
}
