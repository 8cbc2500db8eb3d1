#pragma once
// Conversion between the programs' wide strings and the ANSI code page of the text files.
#include <string>
#include <string_view>

namespace qvx {
std::wstring AnsiToWide(std::string_view bytes);
std::string WideToAnsi(std::wstring_view text);
// True when every character has its own byte in the ANSI code page, so that WideToAnsi and
// AnsiToWide give the text back unchanged (no "?" and no look-alike in its place).
bool AnsiCodePageHolds(std::wstring_view text);
} // namespace qvx
