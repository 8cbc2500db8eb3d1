#pragma once
#include <string>

namespace qvx {
// The About window's version line: "Quorvex v" major "." minor "." revision, no leading zeros.
std::wstring VersionLine(unsigned major, unsigned minor, unsigned revision);
} // namespace qvx
