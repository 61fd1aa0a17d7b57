// Fuzz target: the number reader and the display patterns must accept any text
// and any value without crashing.
#include "calculators/common/number_format.h"
#include "numbers/number_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
  }
  const auto value = calc::ReadNumber(text);
  if (value) {
    calc::FormatPattern(*value, "0.00##");
    calc::FormatPattern(*value, "0.0##");
    calc::FormatPattern(*value, "0.####");
    calc::GeneralNumberText(*value);
  }
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    calc::FormatPattern(raw, "0.00##");
    calc::GeneralNumberText(raw);
  }
  return 0;
}
