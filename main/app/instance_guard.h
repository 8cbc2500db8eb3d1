#pragma once
// The per-directory instance guard: one running copy per program directory.
//
// The status file records "1" while a copy runs and "0" after an orderly end. A flag is only a
// record, though: a copy that crashed or was killed leaves "1" behind, and the next start must
// not be refused for it. So the running copy holds a named kernel object for its directory, and
// a start is refused while a live copy holds it; the flag plays no part in the decision. The
// object is taken atomically, so two copies started at the same moment cannot both pass.
#include <string>
#include <string_view>

namespace qvx {

// What the attempt to create the directory's object found.
enum class DirectoryClaim {
  Taken,        // created by this start: no other copy holds it
  HeldByOther,  // it existed already: a live copy holds it
  Unavailable,  // it could be neither created nor opened (a copy started elevated, or another
                // program's object of that name): whether a copy runs cannot be known
};

enum class StartDecision {
  Start,   // no live copy, whatever the status file says
  Refuse,  // a live copy holds the directory, or the guard cannot tell
};

// Refuses unless the claim was taken: a guard that cannot tell never lets two copies run.
StartDecision DecideStart(DirectoryClaim claim);

// The name of the kernel object for a program directory. The directory must already be
// normalised by the caller (full, long form, upper case, no trailing separator except at a
// drive root), so that every spelling of one directory gives one name.
std::wstring InstanceObjectName(std::wstring_view normalisedDirectory);

// The refusal message, five lines joined by CR LF.
std::wstring RefusalMessage();

} // namespace qvx
