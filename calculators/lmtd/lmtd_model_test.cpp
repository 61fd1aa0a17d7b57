#include "calculators/lmtd/lmtd_model.h"

#include "tests/support/box_cases.h"

namespace {

using lmtd::LmtdModel;
using enum LmtdModel::Box;

const std::wstring kInvalid = L"非法数据";

std::vector<testsupport::BoxText> Typed(const wchar_t* inlet, const wchar_t* outlet, const wchar_t* medium) {
  return {{kInlet, inlet}, {kOutlet, outlet}, {kMedium, medium}};
}

TEST(Lmtd, ResultAfterEachSequenceOfEdits) {
  testsupport::RunBoxCases<LmtdModel>({
      {"start values, nothing computed", {}, {{kInlet, L"950"}, {kOutlet, L"550"}, {kMedium, L"204"}, {kResult, L""}}},
      {"start values restored: logarithmic", {{kMedium, L"20"}, {kMedium, L"204"}}, {{kResult, L"520.639"}}},
      {"ratio 1.51: arithmetic", Typed(L"500", L"400", L"204"), {{kResult, L"246.0"}}},
      {"ratio exactly 1.7: logarithmic", Typed(L"270", L"200", L"100"), {{kResult, L"131.919"}}},
      {"171.7 over 101, 1.7 as a double: logarithmic", Typed(L"375.7", L"305", L"204"), {{kResult, L"133.238"}}},
      {"64.6 over 38, likewise", Typed(L"164.6", L"138", L"100"), {{kResult, L"50.129"}}},
      {"outlet hotter, ratio 5/3", Typed(L"400", L"600", L"100"), {{kResult, L"400.0"}}},
      // Mended: the ratio is the larger difference over the smaller, whichever end is hotter.
      {"differences 100 and 500", Typed(L"200", L"600", L"100"), {{kResult, L"248.534"}}},
      {"differences 500 and 100", Typed(L"600", L"200", L"100"), {{kResult, L"248.534"}}},
      {"empty medium reads 0", Typed(L"950", L"550", L""), {{kResult, L"731.872"}}},
      {"one degree at the outlet", Typed(L"950", L"550", L"549"), {{kResult, L"66.734"}}},
      {"one degree at the inlet", Typed(L"550", L"950", L"549"), {{kResult, L"66.734"}}},
      {"medium equal to the outlet", Typed(L"950", L"550", L"550"), {{kResult, kInvalid}}},
      {"medium equal to the inlet", Typed(L"950", L"550", L"950"), {{kResult, kInvalid}}},
      {"medium above both", Typed(L"950", L"550", L"1000"), {{kResult, kInvalid}}},
      {"empty inlet", Typed(L"", L"550", L"204"), {{kResult, kInvalid}}},
      {"beyond the range", Typed(L"1e309", L"550", L"204"), {{kResult, kInvalid}}},
      {"outlet beyond the range, medium below zero", Typed(L"950", L"1e309", L"-100"), {{kResult, kInvalid}}},
      {"differences overflow", Typed(L"1.7e308", L"-1.7e308", L"-1.7e308"), {{kResult, kInvalid}}},
      {"ratio overflows", Typed(L"1e308", L"1e-300", L"0"), {{kResult, kInvalid}}},
      {"the mean overflows", Typed(L"1.7e308", L"1.7e308", L"0"), {{kResult, kInvalid}}},
      {"the result box triggers nothing", {{kMedium, L"20"}, {kResult, L"typed"}}, {{kResult, L"typed"}}},
  }, [](LmtdModel&, std::size_t) {}, [](const LmtdModel&) {});
}

}  // namespace
