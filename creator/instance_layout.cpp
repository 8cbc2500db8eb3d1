#include "creator/instance_layout.h"

#include "common/decimal.h"
#include "common/numbers.h"
#include "common/paths.h"

namespace qvx::creator {
namespace {
bool IsDriveRoot(std::wstring_view path) { return path.size() == 2 && path[1] == L':'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
} // namespace

std::wstring MasterDirectory(std::wstring_view programDirectory) { return WithoutTrailingSeparator(programDirectory); }

std::wstring InstanceDirectory(std::wstring_view master, int digit) {
  std::wstring path(master);
  if (IsDriveRoot(path)) path += L'\\';
  path += DecimalText(digit);
  return path;
}

std::optional<int> LowestFreeDigit(const std::function<bool(int digit)>& isTaken, int highestDigit) {
  for (int digit = 1; digit <= highestDigit; ++digit) {
    if (!isTaken(digit)) return digit;
  }
  return std::nullopt;
}

long InstancesRequested(std::wstring_view numberBoxText) {
  const double value = LeadingNumber(numberBoxText);
  // Far beyond the five instances allowed either way; clamped so that no text overflows.
  if (value > 32767.0) return 32767;
  if (value < -32768.0) return -32768;
  return RoundHalfEven(value);
}

bool StartedFromInstanceDirectory(std::wstring_view currentDirectory,
                                  const std::function<bool(const std::wstring& path)>& isDirectory) {
  const std::wstring directory = WithoutTrailingSeparator(currentDirectory);
  if (directory.empty() || !IsDigit(directory.back())) return false;
  return isDirectory(directory.substr(0, directory.size() - 1));
}

std::wstring InstanceShortcutFileName(std::wstring_view exePath) {
  const auto lastSeparator = exePath.find_last_of(L'\\');
  if (lastSeparator == std::wstring_view::npos) return std::wstring();
  const std::wstring name = LastComponent(exePath.substr(0, lastSeparator));
  if (name.empty() || name.find(L':') != std::wstring::npos) return std::wstring();  // a drive, not a folder
  return name + L".lnk";
}

} // namespace qvx::creator
