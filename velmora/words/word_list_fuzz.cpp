// Fuzz target: any bytes, read as a list file, must decode and split into
// menu items and key strokes without crashing.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "velmora/words/keystroke_plan.h"
#include "velmora/words/list_menu.h"
#include "velmora/words/word_list_decoder.h"
#include "velmora/words/word_list_lines.h"
#include "velmora/words/word_list_test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::wstring text = words::DecodeListBytes(bytes, words::testing::DecodeCp936StandIn);
  const auto lines = words::SplitListLines(text, 64);
  const auto items = words::ListMenuItems(lines.lines, L"x");
  for (const auto& item : items) words::KeystrokePlan(item.value);
  return 0;
}
