#include "main/app/instance_guard.h"

#include <cstdint>

namespace qvx {

StartDecision DecideStart(DirectoryClaim claim) {
  return claim == DirectoryClaim::Taken ? StartDecision::Start : StartDecision::Refuse;
}

std::wstring InstanceObjectName(std::wstring_view normalisedDirectory) {
  // FNV-1a over the UTF-16 code units, so the name is the same wherever wchar_t is wider.
  std::uint64_t hash = 14695981039346656037ULL;
  for (wchar_t c : normalisedDirectory) {
    const auto unit = static_cast<std::uint16_t>(c);
    for (int shift = 0; shift < 16; shift += 8) {
      hash ^= (unit >> shift) & 0xFFu;
      hash *= 1099511628211ULL;
    }
  }
  std::wstring name = L"Local\\Quorvex-Directory-";
  for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 0xFu];
  return name;
}

std::wstring RefusalMessage() {
  return L"Cannot run another instance of\r\n"
         L"Quorvex from same directory!\r\n"
         L"Create a new directory, copy\r\n"
         L"Quorvex exe file to new directory,\r\n"
         L"and launch from there.";
}

} // namespace qvx
