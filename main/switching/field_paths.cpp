#include "main/switching/field_paths.h"

namespace qvx {

FieldPath FieldPaths::Remembered(const BrowserProcess& process) const {
  const std::lock_guard<std::mutex> guard(lock_);
  const auto found = paths_.find(process);
  return found == paths_.end() ? FieldPath{} : found->second;
}

void FieldPaths::Learn(const BrowserProcess& process, const FieldSearch& search) {
  if (search.read.outcome != AddressRead::Outcome::Address || search.path.Empty()) return;
  const std::lock_guard<std::mutex> guard(lock_);
  paths_[process] = search.path;
}

FieldPath FieldPaths::RememberedTabStrip(const BrowserProcess& process) const {
  const std::lock_guard<std::mutex> guard(lock_);
  const auto found = tabStripPaths_.find(process);
  return found == tabStripPaths_.end() ? FieldPath{} : found->second;
}

void FieldPaths::LearnTabStrip(const BrowserProcess& process, const FieldPath& path) {
  if (path.Empty()) return;
  const std::lock_guard<std::mutex> guard(lock_);
  tabStripPaths_[process] = path;
}

void FieldPaths::KeepOnly(const std::set<BrowserProcess>& running) {
  const std::lock_guard<std::mutex> guard(lock_);
  for (auto* paths : {&paths_, &tabStripPaths_}) {
    std::erase_if(*paths, [&](const auto& entry) { return !running.contains(entry.first); });
  }
}

} // namespace qvx
