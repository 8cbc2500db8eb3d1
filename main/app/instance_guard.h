#pragma once
// The per-directory instance guard: one running copy per program directory.
//
// The status file records "1" while a copy runs and "0" after an orderly end. A flag is only a
// record, though: a copy that crashed or was killed leaves "1" behind. So the running copy also
// holds a named kernel object for its directory, and a start is refused while a live copy holds
// it. The object is taken atomically, so two copies started at the same moment cannot both pass.
#include <string>
#include <string_view>

#include "common/text_lines.h"

namespace qvx {

// The status file says "running" only when its first line is exactly "1".
bool StatusSaysRunning(const Lines& statusLines);

// What the attempt to create the directory's object found.
enum class DirectoryClaim {
  Taken,        // created by this start: no other copy holds it
  HeldByOther,  // it existed already: a live copy holds it
  Unavailable,  // it could be neither created nor opened (a copy started elevated, or another
                // program's object of that name): whether a copy runs cannot be known
};

enum class StartDecision {
  Start,            // no live copy: the flag is "0", missing, or anything but "1"
  StartAfterStale,  // the flag says "1" but no live copy holds the directory: it was left by a copy that died
  Refuse,           // a live copy holds the directory, or the guard cannot tell
};

// Refuses unless the claim was taken: a guard that cannot tell never lets two copies run.
StartDecision DecideStart(const Lines& statusLines, DirectoryClaim claim);

// The name of the kernel object for a program directory. The directory must already be
// normalised by the caller (full, long form, upper case, no trailing separator except at a
// drive root), so that every spelling of one directory gives one name.
std::wstring InstanceObjectName(std::wstring_view normalisedDirectory);

// The refusal message, five lines joined by CR LF.
std::wstring RefusalMessage();

} // namespace qvx
