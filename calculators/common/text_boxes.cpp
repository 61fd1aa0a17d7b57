#include "calculators/common/text_boxes.h"

#include <utility>

namespace calc {

TextBoxes::TextBoxes(std::size_t count, ChangeHandler onChange)
    : texts_(count), onChange_(std::move(onChange)) {}

void TextBoxes::Load(std::size_t box, std::wstring text) { texts_.at(box) = std::move(text); }

bool TextBoxes::Write(std::size_t box, std::wstring text) {
  if (texts_.at(box) == text) return false;
  texts_[box] = std::move(text);
  if (onChange_ && nesting_ < kMaxNesting) {
    ++nesting_;
    onChange_(box);
    --nesting_;
  }
  return true;
}

}  // namespace calc
