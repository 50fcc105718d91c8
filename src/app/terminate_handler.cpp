// What hovrel.exe does with an exception that nothing caught: it ends. The
// toolchain's default handler would first print the exception's demangled
// type to a console that a windowed program does not have, and for that it
// links the whole C++ demangler (some 45 KiB) into the program.
#include <cstdlib>

// Defining the handler here keeps the linker from taking libstdc++'s.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
