// What hovrel.exe does with an error that nothing catches: it ends. Nothing in
// the program catches an exception, so the standard library's throws of
// logic errors and of failed allocations end it here at once. Its own
// throwing helpers would otherwise link in the exception classes with a
// second, reference-counted string class for their messages, and the
// default terminate handler the whole C++ demangler: some 130 KiB together.
#include <cstdlib>

// Defining these here keeps the linker from taking libstdc++'s.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
}  // namespace std
