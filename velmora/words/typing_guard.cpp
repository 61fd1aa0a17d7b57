#include "velmora/words/typing_guard.h"

namespace words {

bool TargetOutranksUs(IntegrityReading ours, IntegrityReading target) {
  using Outcome = IntegrityReading::Outcome;
  if (target.outcome == Outcome::AccessDenied) return true;
  return ours.outcome == Outcome::Read && target.outcome == Outcome::Read && target.level > ours.level;
}

}  // namespace words
