#include "calculators/common/text_boxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Box 1 follows box 0 doubled and box 1's change writes half of it back: the
// chain settles because the second write changes nothing.
TEST(TextBoxes, ChangesRunNestedInsideTheWriteAndOnlyWhenTheTextDiffers) {
  std::vector<std::wstring> order;
  calc::TextBoxes* self = nullptr;
  calc::TextBoxes boxes(2, [&](std::size_t box) {
    order.push_back(L"enter " + std::to_wstring(box));
    if (box == 0) self->Write(1, self->Text(0) + self->Text(0));
    if (box == 1) self->Write(0, self->Text(1).substr(0, self->Text(1).size() / 2));
    order.push_back(L"leave " + std::to_wstring(box));
  });
  self = &boxes;
  boxes.Load(0, L"950");  // initial texts notify nobody
  EXPECT_TRUE(order.empty());
  EXPECT_TRUE(boxes.Write(0, L"ab"));
  EXPECT_EQ(boxes.Text(1), L"abab");
  EXPECT_EQ(order, (std::vector<std::wstring>{L"enter 0", L"enter 1", L"leave 1", L"leave 0"}));
  EXPECT_FALSE(boxes.Write(0, L"ab"));  // no change, no notice
  EXPECT_EQ(order.size(), 4u);
}

TEST(TextBoxes, ARunawayChainIsCutOffInsteadOfOverflowingTheStack) {
  int calls = 0;
  calc::TextBoxes* self = nullptr;
  calc::TextBoxes boxes(1, [&](std::size_t) { ++calls, self->Write(0, self->Text(0) + L"x"); });  // never settles
  self = &boxes;
  boxes.Write(0, L"a");
  EXPECT_TRUE(calls > 1 && calls <= 64) << calls;
}

}  // namespace
