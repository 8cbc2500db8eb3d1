#include "main/app/version_text.h"

#include "common/decimal.h"

namespace qvx {
std::wstring VersionLine(unsigned major, unsigned minor, unsigned revision) {
  return L"Quorvex v" + DecimalText(major) + L"." + DecimalText(minor) + L"." + DecimalText(revision);
}
} // namespace qvx
