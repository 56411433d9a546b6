#include "core/memory/PagineGrandi.h"

#include <cstdint>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

class PagineGrandi final : public std::pmr::memory_resource {
#ifdef __linux__
    static constexpr std::size_t kPagina = std::size_t{2} << 20;
    static std::size_t Arrotonda(std::size_t n) { return (n + kPagina - 1) & ~(kPagina - 1); }

    void* do_allocate(std::size_t n, std::size_t allineamento) override {
        if (n < kPagina) return std::pmr::new_delete_resource()->allocate(n, allineamento);
        // Map one page more than needed and keep the part that starts on a page boundary:
        // only aligned memory can be backed by huge pages.
        const std::size_t dimensione = Arrotonda(n);
        void* p = mmap(nullptr, dimensione + kPagina, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        const auto inizio = reinterpret_cast<std::uintptr_t>(p);
        const auto allineato = (inizio + kPagina - 1) & ~(kPagina - 1);
        if (allineato > inizio) munmap(p, allineato - inizio);
        const std::uintptr_t fine = inizio + dimensione + kPagina;
        if (fine > allineato + dimensione)
            munmap(reinterpret_cast<void*>(allineato + dimensione),
                   fine - (allineato + dimensione));
        // A hint: where huge pages are off it changes nothing.
        madvise(reinterpret_cast<void*>(allineato), dimensione, MADV_HUGEPAGE);
        return reinterpret_cast<void*>(allineato);
    }

    void do_deallocate(void* p, std::size_t n, std::size_t allineamento) override {
        if (n < kPagina) return std::pmr::new_delete_resource()->deallocate(p, n, allineamento);
        munmap(p, Arrotonda(n));
    }
#else
    void* do_allocate(std::size_t n, std::size_t allineamento) override {
        return std::pmr::new_delete_resource()->allocate(n, allineamento);
    }
    void do_deallocate(void* p, std::size_t n, std::size_t allineamento) override {
        std::pmr::new_delete_resource()->deallocate(p, n, allineamento);
    }
#endif

    bool do_is_equal(const std::pmr::memory_resource& altra) const noexcept override {
        return this == &altra;
    }
};

}  // namespace

std::pmr::memory_resource* MemoriaPagineGrandi() {
    static PagineGrandi memoria;
    return &memoria;
}
