#include "main/startup/version_text.h"

namespace qvx {
std::wstring VersionLine(unsigned major, unsigned minor, unsigned revision) {
  return L"Quorvex v" + std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." + std::to_wstring(revision);
}
} // namespace qvx
