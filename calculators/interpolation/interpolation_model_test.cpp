#include "calculators/interpolation/interpolation_model.h"

#include "tests/support/box_cases.h"

namespace {

using interpolation::InterpolationModel;
using enum InterpolationModel::Box;

const std::wstring kError = L"出错";

// The five inputs typed in the window's order.
std::vector<testsupport::BoxText> Typed(const wchar_t* x1, const wchar_t* y1, const wchar_t* x2, const wchar_t* y2,
                                        const wchar_t* x) {
  return {{kX1, x1}, {kY1, y1}, {kX2, x2}, {kY2, y2}, {kX, x}};
}

TEST(Interpolation, ResultAfterEachSequenceOfEdits) {
  testsupport::RunBoxCases<InterpolationModel>({
      {"start: nothing computed", {}, {{kY, L""}}},
      {"between the points, point kept", Typed(L"0", L"0", L"10", L"100", L"5"), {{kY, L"50."}}},
      {"beyond x2", Typed(L"0", L"0", L"10", L"100", L"20"), {{kY, L"200."}}},
      {"before x1", Typed(L"0", L"0", L"10", L"100", L"-3"), {{kY, L"-30."}}},
      {"a third", Typed(L"0", L"0", L"3", L"1", L"1"), {{kY, L"0.3333"}}},
      {"rounded up", Typed(L"0", L"0", L"3", L"2", L"1"), {{kY, L"0.6667"}}},
      {"on a half: 2.00045, a little less as a double", Typed(L"0", L"2", L"4", L"3", L"0.0018"), {{kY, L"2.0005"}}},
      {"a falling line right to left", Typed(L"200", L"1.2", L"100", L"1.6", L"150"), {{kY, L"1.4"}}},
      {"inputs read by the number rule and kept as typed", Typed(L"", L"", L"1e1", L"1 00", L"5abc"),
       {{kY, L"50."}, {kY2, L"1 00"}, {kX, L"5abc"}}},
      {"hexadecimal", Typed(L"&H0", L"0", L"&HA", L"100", L"5"), {{kY, L"50."}}},
      {"a comma ends the number", Typed(L"0", L"0", L"10", L"100", L"1,5"), {{kY, L"10."}}},
      {"first keystroke into y1: x2 = x1", {{kY1, L"7"}}, {{kY, kError}}},
      {"first keystroke into x1", {{kX1, L"1"}}, {{kY, L"0."}}},
      {"equal abscissas", Typed(L"5", L"1", L"5", L"2", L"5"), {{kY, kError}}},
      {"x2 changed again", {{kX1, L"5"}, {kY1, L"1"}, {kX2, L"5"}, {kY2, L"2"}, {kX, L"5"}, {kX2, L"6"}}, {{kY, L"1."}}},
      {"beyond the double range", Typed(L"1e309", L"0", L"10", L"100", L"5"), {{kY, kError}}},
      {"negative beyond the range", Typed(L"0", L"0", L"10", L"100", L"-1D400"), {{kY, kError}}},
      {"product overflows before the division", Typed(L"0", L"0", L"1e300", L"1e300", L"1e300"), {{kY, kError}}},
      {"x2 - x1 overflows", Typed(L"-1.7e308", L"0", L"1.7e308", L"1", L"0"), {{kY, kError}}},
      {"largest sum", Typed(L"0", L"1.7e308", L"1", L"1.7e308", L"2"), {{kY, L"17" + std::wstring(307, L'0') + L"."}}},
      {"the sum overflows", Typed(L"0", L"1.7e308", L"1", L"1.79e308", L"2"), {{kY, kError}}},
      {"tiny run", Typed(L"0", L"0", L"1e-300", L"1", L"1e-310"), {{kY, L"0."}}},
      {"edited result", {{kX2, L"10"}, {kY2, L"100"}, {kX, L"5"}, {kY, L"51"}}, {{kY, L"50."}}},
      {"emptied error", {{kY1, L"7"}, {kY, L""}}, {{kY, kError}}},
  }, [](InterpolationModel&, std::size_t) {},
     // Red exactly while the error word shows.
     [](const InterpolationModel& m) { EXPECT_EQ(m.ResultIsError(), m.Text(kY) == kError); });
}

}  // namespace
