#include "calculators/common/text_boxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using calc::TextBoxes;

TEST(TextBoxes, WriteNotifiesOnlyWhenTheTextDiffers) {
  std::vector<std::size_t> changes;
  TextBoxes boxes(2, [&](std::size_t box) { changes.push_back(box); });
  EXPECT_TRUE(boxes.Write(0, L"5"));
  EXPECT_FALSE(boxes.Write(0, L"5"));
  EXPECT_FALSE(boxes.Write(1, L""));  // boxes start empty: nothing changes
  EXPECT_EQ(changes, (std::vector<std::size_t>{0}));
  EXPECT_TRUE(boxes.Write(1, L"x"));
  EXPECT_EQ(changes, (std::vector<std::size_t>{0, 1}));
}

TEST(TextBoxes, LoadSetsWithoutNotifying) {
  int changes = 0;
  TextBoxes boxes(1, [&](std::size_t) { ++changes; });
  boxes.Load(0, L"950");
  EXPECT_EQ(boxes.Text(0), L"950");
  EXPECT_EQ(changes, 0);
}

TEST(TextBoxes, HandlerRunsNestedInsideTheWrite) {
  // Box 1 mirrors box 0 doubled; box 1's handler writes back half. The chain
  // must settle because the second write changes nothing.
  std::vector<std::wstring> order;
  TextBoxes* self = nullptr;
  TextBoxes boxes(2, [&](std::size_t box) {
    order.push_back(L"enter " + std::to_wstring(box));
    if (box == 0) self->Write(1, self->Text(0) + self->Text(0));
    if (box == 1) self->Write(0, self->Text(1).substr(0, self->Text(1).size() / 2));
    order.push_back(L"leave " + std::to_wstring(box));
  });
  self = &boxes;
  boxes.Write(0, L"ab");
  EXPECT_EQ(boxes.Text(1), L"abab");
  EXPECT_EQ(order, (std::vector<std::wstring>{L"enter 0", L"enter 1", L"leave 1", L"leave 0"}));
}

TEST(TextBoxes, RunawayChainIsCutOffInsteadOfOverflowingTheStack) {
  TextBoxes* self = nullptr;
  int calls = 0;
  TextBoxes boxes(1, [&](std::size_t) {
    ++calls;
    self->Write(0, self->Text(0) + L"x");  // never settles
  });
  self = &boxes;
  boxes.Write(0, L"a");
  EXPECT_LE(calls, 64);
  EXPECT_GT(calls, 1);
}

TEST(TextBoxes, OutOfRangeBoxIsRejected) {
  TextBoxes boxes(1, nullptr);
  EXPECT_THROW(boxes.Write(3, L"x"), std::out_of_range);
}
