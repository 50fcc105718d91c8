// Text between the program and Windows: the program holds UTF-8, and every
// text crosses into Windows as UTF-16 through the W functions, so that no
// title depends on the 8-bit code page. Used by every Win32 file that
// passes text.
#pragma once

#include <string>
#include <string_view>

namespace hovrel {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace hovrel
