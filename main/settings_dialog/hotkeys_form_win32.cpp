#include "main/settings_dialog/hotkeys_form_win32.h"

namespace qvx {
void ShowHotkeysForm(Form1&) {
  // The settings dialog attaches here.
}
} // namespace qvx
