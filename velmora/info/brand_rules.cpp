#include "velmora/info/brand_rules.h"

namespace velmora {

std::wstring SplashVersionText(std::wstring_view version) { return L"Ver:" + std::wstring(version); }

std::wstring HelpVersionText(std::wstring_view version) { return L"版本 " + std::wstring(version); }

int ElapsedSecondsPart(std::int64_t loadedAt, std::int64_t now) {
  const std::int64_t span = now - loadedAt;
  return static_cast<int>((span < 0 ? -span : span) % 60);
}

bool SplashDue(std::int64_t loadedAt, std::int64_t now) { return ElapsedSecondsPart(loadedAt, now) > 5; }

void LinkHover::Move(Over where) {
  switch (where) {
    case Over::Web: webBlue_ = true; break;
    case Over::Mail: mailBlue_ = true; break;
    case Over::Background: webBlue_ = mailBlue_ = false; break;
  }
}

}  // namespace velmora
