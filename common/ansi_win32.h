#pragma once
// Conversion between the programs' wide strings and the ANSI code page of the text files.
#include <string>
#include <string_view>

namespace qvx {
std::wstring AnsiToWide(std::string_view bytes);
std::string WideToAnsi(std::wstring_view text);
} // namespace qvx
