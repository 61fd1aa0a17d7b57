#pragma once
// The greeting the calculators' help buttons show: a salutation, the maker's
// invitation, web address and instant-messaging number.

#include <string>
#include <string_view>

#include "ui/maker.h"

namespace calc {

inline std::wstring Greeting(std::wstring_view salutation) {
  return std::wstring(salutation) + L"，欢迎使用Kelvo小工具软件，更多精彩请光临我们的网站" + maker::kWebAddress + L",QQ:" +
         maker::kQqNumber;
}

}  // namespace calc
