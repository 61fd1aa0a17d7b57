#include "velmora/app/home_page_draw.h"

#include <chrono>
#include <cmath>
#include <memory>
#include <random>

namespace velmora {

RandomSource ClockSeededSource() {
  const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  auto engine = std::make_shared<std::mt19937_64>(seed);
  return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

int DrawOneToFifteen(double u) {
  if (!(u >= 0.0 && u < 1.0)) return 15;
  const int r = static_cast<int>(std::floor(u * 15.0 + 1.0));
  return r > 15 ? 15 : r;
}

bool HomePageDue(const RandomSource& source) { return source && DrawOneToFifteen(source()) == 1; }

}  // namespace velmora
