#pragma once
// Upper-casing and trimming as the programs apply them to keywords and typed texts.
#include <string>
#include <string_view>

namespace qvx {

// Upper-cases ASCII and the Latin-1 letters (a-z, U+00E0 to U+00FE except U+00F7), the
// letters the ANSI settings files can hold on Western systems; other characters are kept.
std::wstring ToUpperText(std::wstring_view text);

// Removes leading and trailing spaces (only the space character, as typed texts are trimmed).
std::wstring TrimSpaces(std::wstring_view text);

// Plain "contains" from the first character: an empty needle is found in any non-empty text,
// nothing is found in an empty text.
bool ContainsText(std::wstring_view haystack, std::wstring_view needle);

} // namespace qvx
