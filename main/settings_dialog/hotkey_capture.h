#pragma once
// The hotkey entry boxes' side of the settings dialog: the two modifier conventions and the
// combinations reserved for use by other applications.
#include <cstdint>

#include "common/text_lines.h"

namespace qvx {

// Modifier flags of the hot-key control (the dialog's boxes and the reserved list).
inline constexpr int kHotkeyShift = 1;
inline constexpr int kHotkeyControl = 2;
inline constexpr int kHotkeyAlt = 4;
inline constexpr int kHotkeyExtended = 8;

// Converts between the hot-key control's modifiers (1 Shift, 2 Ctrl, 4 Alt) and RegisterHotKey's
// (1 Alt, 2 Ctrl, 4 Shift), in either direction: 1 and 4 trade places, so do 3 and 6; every
// other value passes unchanged (0, 2, 5, 7 mean the same on both sides, and values from 8 up,
// which carry the extended-key flag, are kept exactly as the control reported them).
int SwapModifiers(int value);

// The reserved combinations as the dialog keeps them: "modifiers,key" rows in the control's
// convention, 33 rows in a fixed order, two of them twice.
Lines ReservedHotkeyRows();

// True when a row of the list holds the pair. Each side of a row's first comma is read as its
// leading number, rounded to a whole number; the first matching row ends the search.
bool RestrictedHotkey(const Lines& reservedRows, std::int16_t ShiftVal, std::int16_t KeyCodeVal);

} // namespace qvx
