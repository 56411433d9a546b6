#pragma once
// A memory resource that counts what is taken and given back, so a test sees that a table or
// a list returns all it took.
#include <cstddef>
#include <memory_resource>

class MemoriaContata : public std::pmr::memory_resource {
public:
    std::size_t inUso = 0, prese = 0;

private:
    void* do_allocate(std::size_t n, std::size_t a) override {
        inUso += n;
        ++prese;
        return std::pmr::new_delete_resource()->allocate(n, a);
    }
    void do_deallocate(void* p, std::size_t n, std::size_t a) override {
        inUso -= n;
        std::pmr::new_delete_resource()->deallocate(p, n, a);
    }
    bool do_is_equal(const memory_resource& o) const noexcept override { return this == &o; }
};
