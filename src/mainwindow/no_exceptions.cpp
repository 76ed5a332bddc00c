// Replacements the exe links instead of the C++ library's own, and why.
//
// The program throws and catches nothing, so a failed allocation or a length error in the
// library has always ended it through std::terminate in std::abort. These replacements end it
// there directly. The library's own would link in exceptions, their unwinder, the threads
// library under it and its narrow strings: half of the exe. A missing one fails the link,
// which is how a new one shows itself.
#include <cstdlib>
#include <new>

namespace std {
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_function_call() { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
}  // namespace std

// The library's operator new throws std::bad_alloc; this one ends the program as above.
void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) return block;
    std::abort();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
