#include "main/switching/show_command.h"

namespace qvx {

std::optional<int> ShowCommandToWrite(int showCommandRead) {
  switch (showCommandRead) {
    case kShowNormal: return kShow;
    case kShowMinimized: return kShowMaximized;
    case kShowMaximized: return kShow;
    default: return std::nullopt;
  }
}

} // namespace qvx
