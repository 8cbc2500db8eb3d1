#pragma once
// The address field's path remembered per browser process, so that a press reads each window
// of a browser it has read before with a few questions instead of a search. Only where the
// field lies is kept, never what it showed. Reading threads share it.
#include <map>
#include <mutex>
#include <set>

#include "main/switching/address_field.h"

namespace qvx {

class FieldPaths {
 public:
  FieldPath Remembered(const BrowserProcess& process) const;
  // What a read found: a field's path is kept, anything else keeps the path there was.
  void Learn(const BrowserProcess& process, const FieldSearch& search);
  // The same for the tab strip, which only a press that found no window of the site reads.
  FieldPath RememberedTabStrip(const BrowserProcess& process) const;
  void LearnTabStrip(const BrowserProcess& process, const FieldPath& path);
  // Forgets the processes that have no window any more.
  void KeepOnly(const std::set<BrowserProcess>& running);

 private:
  mutable std::mutex lock_;
  std::map<BrowserProcess, FieldPath> paths_, tabStripPaths_;
};

} // namespace qvx
