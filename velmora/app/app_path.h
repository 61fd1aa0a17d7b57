#pragma once
// Where the program's data lives: every data file and folder is addressed as
// AppPath followed by a relative path.

#include <string>
#include <string_view>

namespace velmora {

// The folder of the program's executable, given its full path, with exactly
// one trailing backslash ("C:\" for a program at a drive root, never "C:\\").
std::wstring AppPath(std::wstring_view executablePath);

}  // namespace velmora
