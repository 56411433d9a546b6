#pragma once
// An allocator over a memory resource that the containers using it carry along when moved,
// copied or swapped: large arrays can come from a resource of their own (huge pages, a
// counting one in tests) and still be moved between objects freely.
#include <cstddef>
#include <memory_resource>
#include <type_traits>

template <class T>
struct Allocatore {
    using value_type = T;
    using propagate_on_container_copy_assignment = std::true_type;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;
    std::pmr::memory_resource* memoria;
    Allocatore(std::pmr::memory_resource* m) : memoria(m) {}
    template <class U>
    Allocatore(const Allocatore<U>& a) : memoria(a.memoria) {}
    T* allocate(std::size_t n) {
        return static_cast<T*>(memoria->allocate(n * sizeof(T), alignof(T)));
    }
    void deallocate(T* p, std::size_t n) { memoria->deallocate(p, n * sizeof(T), alignof(T)); }
    template <class U>
    bool operator==(const Allocatore<U>& a) const {
        return memoria == a.memoria;
    }
};
