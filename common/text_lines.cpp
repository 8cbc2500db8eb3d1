#include "common/text_lines.h"

namespace qvx {

Lines SplitLines(std::wstring_view text) {
  Lines lines;
  std::wstring current;
  bool pending = false;  // characters seen since the last line end
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      lines.push_back(current);
      current.clear();
      pending = false;
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else {
      current.push_back(c);
      pending = true;
    }
  }
  if (pending) lines.push_back(current);
  return lines;
}

std::wstring JoinLinesCrLf(const Lines& lines) {
  std::wstring text;
  for (const auto& line : lines) {
    text += line;
    text += L"\r\n";
  }
  return text;
}

std::wstring LineOrEmpty(const Lines& lines, std::size_t index) {
  return index < lines.size() ? lines[index] : std::wstring();
}

} // namespace qvx
