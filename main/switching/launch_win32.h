#pragma once
// "Launch New": the Launch URL opened by the shell with the user's browser.
#include <string>

namespace qvx {

// The shell's "open" of the URL, handed to the system thread pool: the shell may take its time
// (a browser starting, a slow handler) while the caller goes on at once. A launch the shell
// rejects, or one that cannot be started, ends quietly.
void OpenInBrowser(const std::wstring& url);

} // namespace qvx
