#pragma once
// The texts of a calculator's boxes and the change rule they follow.
//
// Writing a text into a box, by the user or by the program, runs the change
// handler at once, nested inside the write, and only when the new text differs
// from the one the box holds. Calculators rely on this for their results and
// couplings to settle: a write that changes nothing ends the chain.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace calc {

class TextBoxes {
 public:
  using ChangeHandler = std::function<void(std::size_t box)>;

  TextBoxes(std::size_t count, ChangeHandler onChange);

  const std::wstring& Text(std::size_t box) const { return texts_.at(box); }

  // Sets a box's text without running its handler: initial texts at load.
  void Load(std::size_t box, std::wstring text);

  // Writes a text; returns whether it changed the box.
  bool Write(std::size_t box, std::wstring text);

 private:
  // A chain of nested writes that has not settled by this depth is cut off
  // instead of exhausting the stack; no calculator comes close to it.
  static constexpr int kMaxNesting = 64;

  std::vector<std::wstring> texts_;
  ChangeHandler onChange_;
  int nesting_ = 0;
};

}  // namespace calc
