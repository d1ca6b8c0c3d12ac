// Preloaded into an interpreter: while velnor_fail_new is set, every C++
// allocation fails with std::bad_alloc.
#include <cstdlib>
#include <new>

extern "C" {
__attribute__((visibility("default"))) int velnor_fail_new = 0;
}

void* operator new(std::size_t size) {
    void* p = velnor_fail_new ? nullptr : std::malloc(size ? size : 1);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
