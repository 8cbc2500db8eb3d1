#pragma once
// The per-directory instance guard: one running copy per program directory.
//
// The status file "QuorvexStatus.txt" records "1" while a copy runs and "0" after an orderly
// end. A flag is only a record, though: a copy that crashed or was killed leaves "1" behind.
// So the running copy also holds a named kernel object for its directory, and a start is
// refused only when that object is held by a live copy. The object is taken atomically, so
// two copies started at the same moment cannot both pass.
#include <string>
#include <string_view>

#include "common/text_lines.h"

namespace qvx {

inline constexpr wchar_t kStatusFileName[] = L"QuorvexStatus.txt";
inline constexpr wchar_t kStatusRunning[] = L"1";
inline constexpr wchar_t kStatusStopped[] = L"0";

// The status file says "running" only when its first line is exactly "1".
bool StatusSaysRunning(const Lines& statusLines);

enum class StartDecision {
  Start,            // no live copy: the flag is "0", missing, or anything but "1"
  StartAfterStale,  // the flag says "1" but no live copy holds the directory: it was left by a copy that died
  Refuse,           // a live copy from the same directory holds it
};

StartDecision DecideStart(const Lines& statusLines, bool liveCopyHoldsDirectory);

// The name of the kernel object for a program directory. The directory must already be
// normalised by the caller (full, long form, upper case, no trailing separator except at a
// drive root), so that every spelling of one directory gives one name.
std::wstring InstanceObjectName(std::wstring_view normalisedDirectory);

// The refusal message, five lines joined by CR LF.
std::wstring RefusalMessage();

} // namespace qvx
