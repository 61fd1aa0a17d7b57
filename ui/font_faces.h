#pragma once
// Face names that newer Windows renamed (Win32-free). Windows XP shipped its
// GB2312 Kai and FangSong faces as "楷体_GB2312" and "仿宋_GB2312"; from
// Vista on the same designs come as "楷体" (KaiTi) and "仿宋" (FangSong) and
// the old names are gone, so asking for one of them gets whatever the font
// mapper substitutes. 宋体 (SimSun), 黑体 (SimHei) and 隶书 (LiSu) kept
// their names.

#include <array>
#include <string_view>

namespace ui {

struct RenamedFace {
  std::wstring_view old;
  std::array<std::wstring_view, 2> newer;  // in the order they are tried
};

inline constexpr RenamedFace kRenamedFaces[] = {
    {L"楷体_GB2312", {L"楷体", L"KaiTi"}},
    {L"仿宋_GB2312", {L"仿宋", L"FangSong"}},
};

// The face to ask the system for: of a renamed face and its newer names, the
// first that `installed` finds; where none is installed, and for every face
// that was never renamed (which is not looked up at all), the face as
// written, leaving the choice to the system.
template <typename Installed>
std::wstring_view ChooseFace(std::wstring_view face, Installed&& installed) {
  for (const RenamedFace& renamed : kRenamedFaces) {
    if (renamed.old != face) continue;
    if (installed(face)) return face;
    for (const std::wstring_view newer : renamed.newer) {
      if (installed(newer)) return newer;
    }
  }
  return face;
}

}  // namespace ui
