#pragma once
// Whether typed keys can reach a window at all. Windows drops synthesised
// input aimed at a window whose process runs at a higher integrity level than
// ours (a program started "as administrator" while Velmora is not), and
// SendInput still reports success ("SendInput function", Microsoft Learn:
// "This function fails when it is blocked by UIPI. Note that neither
// GetLastError nor the return value will indicate the failure was caused by
// UIPI blocking."). So the levels are compared before typing.

#include <cstdint>
#include <string_view>

namespace words {

// What could be learnt of a process's integrity level: the last
// sub-authority of its mandatory label (0x1000 low, 0x2000 medium, 0x3000
// high, 0x4000 system).
struct IntegrityReading {
  enum class Outcome { Read, AccessDenied, Unknown };
  Outcome outcome = Outcome::Unknown;
  std::uint32_t level = 0;
};

// Whether keys typed into the target would be dropped: its level is above
// ours, or its process refuses even the least query, which a process of our
// own user at our level or below never does, so it is more privileged than
// we are. Where a level is unknown (no target, a window that has gone) the
// keys go as they always did.
bool TargetOutranksUs(IntegrityReading ours, IntegrityReading target);

// Told at the bar instead of typing into such a window; the word is on the
// clipboard by then.
inline constexpr std::wstring_view kPasteInsteadNotice =
    L"目标窗口以管理员身份运行，无法输入。已复制到剪贴板，请按 Ctrl+V 粘贴。";

}  // namespace words
