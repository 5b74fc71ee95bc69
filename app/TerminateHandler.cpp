// What ends the program when an exception escapes: the same abort as the library's own handler, without it.
// Only a build with exceptions (the one beside the unit tests) links the library's handler at all.
//
// The library's default handler writes the exception's demangled type to standard error, which a windowed
// program does not have, and pulls the C++ demangler and the C library's formatted output into the program
// with it: about 70 KiB of a program of under 200. The linker takes this definition instead, so neither is
// linked in.
#include <cstdlib>

namespace __gnu_cxx
{

[[noreturn]] void __verbose_terminate_handler();

[[noreturn]] void __verbose_terminate_handler()
{
    std::abort();
}

} // namespace __gnu_cxx
