#pragma once
// Rules shared by the splash, about and help windows: the version texts, the
// splash's closing clock and the link labels' colour under the pointer.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace velmora {

// "Ver:1.1.0" on the splash and about windows, "版本 1.1.0" in the help window,
// for the version text "1.1.0" read from the program's own version resource.
std::wstring SplashVersionText(std::wstring_view version);
std::wstring HelpVersionText(std::wstring_view version);

// The seconds part (0 to 59) of the time elapsed between two readings of the
// local clock, in whole seconds. Minutes and hours do not count, so a clock
// tick delayed past a minute sees only what is left over. A clock set back
// gives a negative span, whose seconds part is taken from its size.
int ElapsedSecondsPart(std::int64_t loadedAt, std::int64_t now);

// The splash closes at the first tick whose seconds part is above 5.
bool SplashDue(std::int64_t loadedAt, std::int64_t now);

// The size, in tenths of a point, at which a label's text fits its room:
// sizes are tried from `start` down in steps of half a point and the first
// that fits is taken; the first at or below 6 points is taken untried.
// Text grows about in proportion to its size, so the search starts near
// where the text at `start` says it will end and measures two or three
// sizes instead of every one (each is a font made and measured).
struct TextExtent {
  int width = 0;
  int height = 0;
};
int FittingFontSize(int start, TextExtent room, const std::function<TextExtent(int size)>& measure);

// The two link labels of the splash and about windows: each turns blue when
// the pointer moves over it and both turn black again over the background.
class LinkHover {
 public:
  enum class Over { Web, Mail, Background };
  void Move(Over where);
  bool WebBlue() const { return webBlue_; }
  bool MailBlue() const { return mailBlue_; }

 private:
  bool webBlue_ = false;
  bool mailBlue_ = false;
};

}  // namespace velmora
