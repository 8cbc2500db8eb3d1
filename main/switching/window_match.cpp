#include "main/switching/window_match.h"

#include "common/text_case.h"

namespace qvx {

std::wstring_view TextAsRead(std::wstring_view text, std::size_t limit) {
  return limit == 0 ? std::wstring_view() : text.substr(0, limit - 1);
}

bool TitleMatches(std::wstring_view title, std::wstring_view browserTextKeyword) {
  return ContainsText(ToUpperText(TextAsRead(title, kTitleReadLimit)), browserTextKeyword);
}

BrowserFamily BrowserFamilyOf(std::wstring_view className) {
  const std::wstring_view asRead = TextAsRead(className, kClassReadLimit);
  if (ContainsText(ToUpperText(asRead), kIeFrameClass)) return BrowserFamily::InternetExplorer;
  if (asRead == kChromiumFrameClass || asRead == kFirefoxFrameClass) return BrowserFamily::Modern;
  return BrowserFamily::None;
}

bool AddressMatches(std::wstring_view address, std::wstring_view urlKeyword) {
  return ContainsText(ToUpperText(address), urlKeyword);
}

} // namespace qvx
