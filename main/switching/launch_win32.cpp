#include "main/switching/launch_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "common/scoped_win32.h"

namespace qvx {

namespace {
void CALLBACK OpenUrl(PTP_CALLBACK_INSTANCE instance, void* context) {
  const std::unique_ptr<std::wstring> url(static_cast<std::wstring*>(context));
  CallbackMayRunLong(instance);
  const ScopedComInit com;  // the shell's handlers expect a single-threaded apartment
  ShellExecuteW(nullptr, L"open", url->c_str(), L"", L"", SW_SHOWNORMAL);
}
} // namespace

void OpenInBrowser(const std::wstring& url) {
  auto job = std::make_unique<std::wstring>(url);
  if (TrySubmitThreadpoolCallback(OpenUrl, job.get(), nullptr)) job.release();
}

} // namespace qvx
