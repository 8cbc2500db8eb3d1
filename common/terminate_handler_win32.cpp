// The programs' terminate handler, linked into the two programs themselves (not the test
// programs). GNU libstdc++'s default one prints the uncaught exception's demangled type name
// to stderr, which a GUI program does not have, and carries the whole demangler (about 45 KB)
// with it. Defining the default handler here keeps that out; the process ends as it would.
#include <cstdlib>
#include <exception>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
#endif
