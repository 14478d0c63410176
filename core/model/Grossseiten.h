#pragma once
// An allocator for large arrays that are filled from front to back, such as the element store:
// an array of a huge page (2 MiB) or more is mapped on its own, aligned to 2 MiB and offered to
// the kernel for huge pages. Filling the 2.3 MB of a full store then takes a few trips into the
// kernel instead of some 560, one for each small page first touched, which is what made reading
// a large drawing slow on machines where fresh memory is expensive. Smaller arrays, which would not
// fill a huge page, come from the heap.
#include <cstddef>
#include <new>

namespace vektra {

namespace grossseiten {
void* Anfordern(std::size_t bytes);
void Freigeben(void* p, std::size_t bytes);
} // namespace grossseiten

template <class T> struct Grossseiten {
    using value_type = T;

    Grossseiten() = default;
    template <class U> Grossseiten(const Grossseiten<U>&) noexcept {}

    T* allocate(std::size_t n) { return static_cast<T*>(grossseiten::Anfordern(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { grossseiten::Freigeben(p, n * sizeof(T)); }

    template <class U> bool operator==(const Grossseiten<U>&) const noexcept { return true; }
};

} // namespace vektra
