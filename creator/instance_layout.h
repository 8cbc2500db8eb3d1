#pragma once
// Where the instances of a master directory live: siblings of the master directory whose
// paths are the master's path with one digit appended (D:\Apps\Site1, D:\Apps\Site2, ...).
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qvx::creator {

inline constexpr int kHighestCreatedDigit = 5;  // five instances beside the master copy: six in all
inline constexpr int kHighestUpdatedDigit = 6;  // a sixth directory made by hand is kept up to date too

// The master directory as the creator names it: the program's directory without its
// trailing "\" (D:\Apps\Site\ gives D:\Apps\Site; the root D:\ gives D:).
std::wstring MasterDirectory(std::wstring_view programDirectory);

// The instance directory with the given digit. At a drive root ("D:") the digit becomes a
// folder of the root, D:\1: "D:1" would name a folder relative to the drive's current
// directory, wherever that is.
std::wstring InstanceDirectory(std::wstring_view master, int digit);

// The lowest digit from 1 to highestDigit whose directory is not taken, or nothing when all
// are taken. Gaps left by deleted instances are filled first.
std::optional<int> LowestFreeDigit(const std::function<bool(int digit)>& isTaken, int highestDigit);

// How many instances the number box asks for: its leading number rounded half to even
// (2.5 gives 2), 0 for a text that does not start with a number; kept within 16 bits.
long InstancesRequested(std::wstring_view numberBoxText);

// True when the creator was started with an instance directory as its current directory:
// the directory (a trailing "\" ignored) ends in a digit and, without that digit, names an
// existing directory. Only the current directory counts, not the program's own.
bool StartedFromInstanceDirectory(std::wstring_view currentDirectory,
                                  const std::function<bool(const std::wstring& path)>& isDirectory);

// The shortcut file name for an instance's executable: the instance directory's own name
// + ".lnk" (D:\Apps\Site2\Quorv114.exe gives Site2.lnk); empty when the path has no folder.
std::wstring InstanceShortcutFileName(std::wstring_view exePath);

} // namespace qvx::creator
