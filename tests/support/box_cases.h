#pragma once
// Calculator models driven by tables of cases: each case writes texts into
// boxes in order on a fresh model, then names the texts some boxes show.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace testsupport {

struct BoxText {
  std::size_t box;  // numbers from kAction on stand for the model's buttons
  std::wstring text;
};

inline constexpr std::size_t kAction = 100;

struct BoxCase {
  const char* name;
  std::vector<BoxText> writes;
  std::vector<BoxText> shows;
};

// `press(model, action)` handles the writes addressed to kAction and above;
// `check(model)` runs after every case for what all cases share.
template <typename Model, typename Press, typename Check>
void RunBoxCases(const std::vector<BoxCase>& cases, Press press, Check check) {
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    Model model;
    for (const BoxText& w : c.writes) {
      if (w.box >= kAction) press(model, w.box - kAction);
      else model.Write(w.box, w.text);
    }
    for (const BoxText& s : c.shows) EXPECT_EQ(model.Text(s.box), s.text) << "box " << s.box;
    check(model);
  }
}

}  // namespace testsupport
