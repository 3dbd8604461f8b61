// The program's share of the C++ runtime.
//
// LastEntry is a std::string.  The library's own compiled copy of
// std::string comes with exception handling, the unwinder and the verbose
// terminate handler, about 200 KiB of a 270 KiB program that never throws.
// Instantiating std::string here, where exceptions are off, and giving the
// library's throw points and operator new their no-exception forms (as the
// library's documentation allows) keeps all of that out.
#include <cstdlib>
#include <new>
#include <string>

template class std::basic_string<char>;

// std::string throws only for lengths past max_size() and for a failed
// allocation; neither can be recovered from here.
// The names are the library's own, hence the reserved identifiers.
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp,cert-dcl50-cpp)
namespace std {
void __throw_length_error(const char* /*what*/) {
    std::abort();
}
void __throw_logic_error(const char* /*what*/) {
    std::abort();
}
void __throw_out_of_range(const char* /*what*/) {
    std::abort();
}
void __throw_out_of_range_fmt(const char* /*format*/, ...) {
    std::abort();
}
void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
} // namespace std
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp,cert-dcl50-cpp)

void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) {
        std::abort();
    }
    return block;
}

void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}
