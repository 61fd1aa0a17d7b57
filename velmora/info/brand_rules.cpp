#include "velmora/info/brand_rules.h"

#include <algorithm>
#include <cmath>

namespace velmora {

std::wstring SplashVersionText(std::wstring_view version) { return L"Ver:" + std::wstring(version); }

std::wstring HelpVersionText(std::wstring_view version) { return L"版本 " + std::wstring(version); }

int ElapsedSecondsPart(std::int64_t loadedAt, std::int64_t now) {
  const std::int64_t span = now - loadedAt;
  return static_cast<int>((span < 0 ? -span : span) % 60);
}

bool SplashDue(std::int64_t loadedAt, std::int64_t now) { return ElapsedSecondsPart(loadedAt, now) > 5; }

int FittingFontSize(int start, TextExtent room, const std::function<TextExtent(int size)>& measure) {
  constexpr int kStep = 5, kFloor = 60;
  if (start <= kFloor) return start;
  const auto fits = [&](TextExtent e) { return e.width <= room.width && e.height <= room.height; };
  const TextExtent atStart = measure(start);
  if (fits(atStart)) return start;
  if (start - kStep <= kFloor) return start - kStep;
  // The step where the text would just fit if it grew in proportion,
  // kept above the floor.
  const double scale = std::min(atStart.width > 0 ? static_cast<double>(room.width) / atStart.width : 1.0,
                                atStart.height > 0 ? static_cast<double>(room.height) / atStart.height : 1.0);
  const int lowestTried = start - kStep * ((start - kFloor - 1) / kStep);
  const int stepsDown = static_cast<int>(std::ceil((start - start * scale) / kStep));
  int size = std::clamp(start - kStep * stepsDown, lowestTried, start - kStep);
  if (fits(measure(size))) {
    while (size + kStep < start && fits(measure(size + kStep))) size += kStep;
    return size;
  }
  for (size -= kStep; size > kFloor; size -= kStep) {
    if (fits(measure(size))) return size;
  }
  return size;
}

void LinkHover::Move(Over where) {
  switch (where) {
    case Over::Web: webBlue_ = true; break;
    case Over::Mail: mailBlue_ = true; break;
    case Over::Background: webBlue_ = mailBlue_ = false; break;
  }
}

}  // namespace velmora
