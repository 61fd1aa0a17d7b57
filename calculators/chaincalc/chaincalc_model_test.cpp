#include "calculators/chaincalc/chaincalc_model.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "calculators/common/number_format.h"
#include "tests/support/box_cases.h"
#include "ui/font_faces.h"

namespace {

using chaincalc::ChaincalcModel;
using chaincalc::Row;
using testsupport::kAction;

// The boxes row by row: first operand, second operand, result.
enum : std::size_t { kA1, kA2, kSum, kS1, kS2, kDiff, kM1, kM2, kProd, kD1, kD2, kQuot };
// The chain buttons, one per row.
constexpr std::size_t kChainSum = kAction, kChainDiff = kAction + 1, kChainProd = kAction + 2, kChainQuot = kAction + 3;
const std::wstring kBad(calc::kNotANumberText);

TEST(Chaincalc, BoxesAfterEachSequenceOfEdits) {
  testsupport::RunBoxCases<ChaincalcModel>({
      {"start: all empty", {}, {{kA1, L""}, {kSum, L""}, {kQuot, L""}}},
      {"first keystroke fills every result", {{kA1, L"5"}},
       {{kSum, L"5"}, {kDiff, L"0"}, {kProd, L"0"}, {kQuot, kBad}, {kS1, L""}}},
      {"operands read by the number rule", {{kA1, L"1 2"}, {kA2, L"3abc"}}, {{kSum, L"15"}, {kA1, L"1 2"}}},
      {"a running total", {{kA1, L"3"}, {kA2, L"4"}, {kChainSum, L""}, {kChainSum, L""}}, {{kA1, L"11"}, {kSum, L"15"}}},
      {"repeated subtraction", {{kS1, L"10"}, {kS2, L"3"}, {kChainDiff, L""}}, {{kDiff, L"4"}}},
      {"repeated factor", {{kM1, L"2"}, {kM2, L"3"}, {kChainProd, L""}}, {{kProd, L"18"}}},
      {"the chain copies the text, not the value", {{kD1, L"1"}, {kD2, L"3"}, {kChainQuot, L""}},
       {{kD1, L"0.333333333333333"}, {kQuot, L"0.111111111111111"}, {kA1, L""}}},
      {"a chain that changes nothing", {{kS1, L"0"}, {kS2, L"0"}, {kChainDiff, L""}}, {{kS1, L"0"}, {kDiff, L"0"}}},
      {"typing into results is undone", {{kA1, L"3"}, {kA2, L"4"}, {kSum, L"42"}, {kDiff, L"1"}, {kProd, L""}},
       {{kSum, L"7"}, {kDiff, L"0"}, {kProd, L"0"}}},
      // Mended: a zero divisor must show a readable text and stop nothing.
      {"-5 / 0", {{kD1, L"-5"}, {kD2, L"0"}}, {{kQuot, kBad}}},
      {"chaining the zero divisor's text", {{kD1, L"5"}, {kD2, L"0"}, {kChainQuot, L""}, {kD2, L"4"}, {kA1, L"1"}},
       {{kD1, kBad}, {kQuot, L"0"}, {kSum, L"1"}}},
      {"operand beyond the range keeps its value", {{kA1, L"3"}, {kA2, L"4"}, {kA1, L"1e999"}}, {{kSum, L"7"}}},
      {"overflows", {{kM1, L"1e200"}, {kM2, L"1e200"}, {kA1, L"1.7e308"}, {kA2, L"1.7e308"}, {kD1, L"9"}, {kD2, L"3"}},
       {{kProd, kBad}, {kSum, kBad}, {kQuot, L"3"}}},
  }, [](ChaincalcModel& m, std::size_t row) { m.Chain(static_cast<Row>(row)); }, [](const ChaincalcModel&) {});
}

// The boxes ask for 楷体_GB2312, a name only Windows XP knows; newer systems
// call the face 楷体 or KaiTi. Faces that kept their names are not looked up.
TEST(ChaincalcFonts, TheFirstInstalledOfARenamedFaceAndItsNewerNamesElseTheSystemsChoice) {
  using Faces = std::vector<std::wstring_view>;
  const struct {
    std::wstring_view asked;
    Faces installed;
    std::wstring_view chosen;
    std::size_t lookedUp;  // names asked about, in order, until one is found
  } rows[] = {
      {L"楷体_GB2312", {L"楷体_GB2312", L"楷体", L"KaiTi"}, L"楷体_GB2312", 1},  // Windows XP
      {L"楷体_GB2312", {L"KaiTi", L"楷体"}, L"楷体", 2},
      {L"楷体_GB2312", {L"KaiTi"}, L"KaiTi", 3},
      {L"楷体_GB2312", {}, L"楷体_GB2312", 3},  // none: the system substitutes
      {L"仿宋_GB2312", {L"FangSong"}, L"FangSong", 3},
      {L"仿宋_GB2312", {L"仿宋", L"楷体"}, L"仿宋", 2},
      {L"宋体", {}, L"宋体", 0},
      {L"楷体", {L"KaiTi"}, L"楷体", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    std::size_t looked = 0;
    const auto installed = [&](std::wstring_view face) {
      ++looked;
      return std::find(row.installed.begin(), row.installed.end(), face) != row.installed.end();
    };
    EXPECT_TRUE(ui::ChooseFace(row.asked, installed) == row.chosen);
    EXPECT_EQ(looked, row.lookedUp);
  }
}

}  // namespace
