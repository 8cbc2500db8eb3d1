#pragma once
// Line-oriented text as the settings files hold it: one value per line, CR LF line ends.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qvx {

using Lines = std::vector<std::wstring>;

// Splits text into lines. CR LF, a lone LF and a lone CR each end a line; a final line end
// does not start another line, so "a\r\n" is one line and "" is none.
Lines SplitLines(std::wstring_view text);

// Every line followed by CR LF, as every writer of the text files produces them.
std::wstring JoinLinesCrLf(const Lines& lines);

// The line at a 0-based index, or the empty string when the file is shorter.
std::wstring LineOrEmpty(const Lines& lines, std::size_t index);

} // namespace qvx
