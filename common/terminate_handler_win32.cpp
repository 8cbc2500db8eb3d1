// The programs' terminate handler, linked into the two programs themselves (not the test
// programs). GNU libstdc++'s default one prints the uncaught exception's demangled type name
// to stderr, which a GUI program does not have, and carries the whole demangler (about 45 KB)
// with it; defining the handler here keeps that out. The process ends as it would anyway.
#include <cstdlib>
#include <exception>

#if defined(__GLIBCXX__)

namespace __cxxabiv1 {
std::terminate_handler __terminate_handler = std::abort;
} // namespace __cxxabiv1
#endif
