#pragma once
// The settings dialog, opened modally from the About window's "Settings" button.
namespace qvx {
class Form1;
void ShowHotkeysForm(Form1& form);
} // namespace qvx
