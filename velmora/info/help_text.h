#pragma once
// The user manual shown in the help window.

#include <string>
#include <string_view>

namespace velmora {

// The whole help text, lines separated by CR LF.
std::wstring HelpText();

// An e-mail address as shown to the user: without the "mailto:" that the
// shell needs to open a new mail.
std::wstring ShownMailAddress(std::wstring_view mailTarget);

// A web address as shown to the user: the host and path, without the scheme
// and without a lone trailing "/".
std::wstring ShownWebAddress(std::wstring_view address);

}  // namespace velmora
