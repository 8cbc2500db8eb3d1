#pragma once
// Shortcut files read back the way Explorer reads them.
#include <string>

namespace e2e {
// The target path stored in a shell link (.lnk) file; empty when it cannot be read.
std::wstring LinkTarget(const std::wstring& linkPath);
} // namespace e2e
