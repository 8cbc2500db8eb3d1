#pragma once
// The main program's executables in a directory: "Quorv" + a version number from 1 to 999
// without leading zeros + ".exe". The highest number is the most recent version.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvx::creator {

// One entry of a directory listing.
struct DirectoryEntry {
  std::wstring name;
  bool isDirectory = false;
};

// The version number a file name stands for, or nothing when the name is not an executable
// name of the main program. Letters compare without regard to case, as Windows file names do.
std::optional<int> ExeVersionNumber(std::wstring_view fileName);

// "Quorv" + version + ".exe", the spelling the creator gives every copy it makes.
std::wstring ExeNameForVersion(int version);

// The executable names found in one listing, in ascending version order, each version once
// and spelled as ExeNameForVersion does; directories never count.
std::vector<std::wstring> ExeVersionsInOrder(const std::vector<DirectoryEntry>& listing);

// True for every name "Quorv*.exe" matches: the files an update replaces in an instance
// directory, whatever stands between the prefix and the extension.
bool MatchesProgramPattern(std::wstring_view fileName);

// The name a new executable is copied in under before it takes its own name; it never
// matches the program pattern, so a left-over copy is never taken for a program.
std::wstring IncomingCopyName(std::wstring_view exeName);

} // namespace qvx::creator
