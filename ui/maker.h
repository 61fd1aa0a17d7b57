#pragma once
// The maker's addresses, shown in the programs' help texts and opened through
// the shell. One place for all six programs: a maker replaces them here.

namespace maker {

inline constexpr const wchar_t* kWebAddress = L"https://www.velmora.example/";
inline constexpr const wchar_t* kMailAddress = L"mailto:support@velmora.example";
inline constexpr const wchar_t* kQqNumber = L"00000000";

}  // namespace maker
