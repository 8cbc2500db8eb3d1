#pragma once
// The browser's "reuse windows" option as read from the registry.
#include <cstdint>
#include <string>
#include <variant>

namespace qvx {

// A registry value as the reader gives it: text (empty when missing, unreadable or of another
// type) or a 32-bit number.
using RegValue = std::variant<std::wstring, std::int32_t>;

// The option is on when the value is the number 1 or a text that reads wholly as the number 1
// (blanks around it allowed: "1", " 1.0"); the empty text and other texts are off.
bool IsWindowReuseOn(const RegValue& value);

} // namespace qvx
