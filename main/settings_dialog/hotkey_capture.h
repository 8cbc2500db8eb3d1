#pragma once
// The hotkey entry boxes' side of the settings dialog: the two modifier conventions and the
// combinations reserved for use by other applications.
#include <array>
#include <cstdint>
#include <span>

namespace qvx {

// Converts between the hot-key control's modifiers (1 Shift, 2 Ctrl, 4 Alt) and RegisterHotKey's
// (1 Alt, 2 Ctrl, 4 Shift), in either direction: 1 and 4 trade places, so do 3 and 6; every
// other value passes unchanged (0, 2, 5, 7 mean the same on both sides, and values from 8 up,
// which carry the extended-key flag, are kept exactly as the control reported them).
int SwapModifiers(int value);

// A combination as the hot-key control gives it: its modifier flags (1 Shift, 2 Ctrl, 4 Alt,
// 8 extended key) and a virtual-key code.
struct HotkeyCombination {
  std::uint8_t Modifiers;
  std::uint8_t KeyCode;
};

// Combinations that other applications use, refused when the user enables a hotkey. The order
// is the one the list was first written in; two rows appear twice, which changes nothing.
inline constexpr std::array<HotkeyCombination, 33> kReservedHotkeys{{
    {2, 123}, {3, 123}, {2, 122}, {3, 119}, {0, 113}, {0, 118}, {3, 123}, {2, 114}, {0, 114},
    {3, 121}, {2, 117}, {3, 117}, {0, 120}, {0, 112}, {2, 67},  {2, 88},  {2, 86},  {2, 78},
    {2, 83},  {2, 68},  {4, 70},  {4, 76},  {6, 75},  {4, 81},  {4, 82},  {4, 83},  {3, 88},
    {0, 120}, {12, 37}, {12, 39}, {2, 70},  {3, 221}, {3, 219},
}};

// True when the list holds the combination; modifiers must match exactly, extended-key flag
// included.
bool IsReservedHotkey(std::span<const HotkeyCombination> reserved, HotkeyCombination combination);

} // namespace qvx
