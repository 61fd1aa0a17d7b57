#include "velmora/app/program_lifetime.h"

#include <algorithm>

namespace velmora {

bool KeepsProgramAlive(const TopLevelWindow& w) { return w.programClass && !w.helper && !w.closing; }

bool ProgramStaysAlive(std::span<const TopLevelWindow> windows) {
  return std::any_of(windows.begin(), windows.end(), KeepsProgramAlive);
}

}  // namespace velmora
