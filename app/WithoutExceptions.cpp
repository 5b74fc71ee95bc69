// What ends the program where the library would throw. The program is built without exceptions and has no
// answer to memory running out or to a length past what a string can hold but to end, as an exception
// escaping a window procedure would end it anyway.
//
// The library's own versions of these throw: linking them brings in its exception machinery, the
// exception classes and, with their messages, the whole of its narrow string and its threads library, about
// 90 KiB that the linker cannot drop (every function of an object it takes keeps its unwind data, and with
// it its code). The linker takes these definitions instead, so none of that is linked in.
#include <cstddef>
#include <cstdlib>
#include <new>

namespace
{

[[noreturn]] void CannotGoOn() noexcept
{
    std::abort();
}

void* Allocate(std::size_t size) noexcept
{
    // malloc(0) may answer null; new must not.
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (!memory)
    {
        CannotGoOn();
    }
    return memory;
}

} // namespace

void* operator new(std::size_t size)
{
    return Allocate(size);
}

void* operator new[](std::size_t size)
{
    return Allocate(size);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

// The hooks the library's headers call, when built without exceptions, instead of throwing.
namespace std
{

[[noreturn]] void __throw_bad_alloc();
[[noreturn]] void __throw_bad_array_new_length();
[[noreturn]] void __throw_bad_function_call();
[[noreturn]] void __throw_length_error(const char*);
[[noreturn]] void __throw_logic_error(const char*);
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...);

void __throw_bad_alloc()
{
    CannotGoOn();
}

void __throw_bad_array_new_length()
{
    CannotGoOn();
}

void __throw_bad_function_call()
{
    CannotGoOn();
}

void __throw_length_error(const char*)
{
    CannotGoOn();
}

void __throw_logic_error(const char*)
{
    CannotGoOn();
}

void __throw_out_of_range_fmt(const char*, ...)
{
    CannotGoOn();
}

} // namespace std
