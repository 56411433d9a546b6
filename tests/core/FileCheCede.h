#pragma once
// A file layer in memory that fails once more than `limite` bytes have been written:
// shows what a failing write does to the archive and its caller.
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/archive/FileArchivio.h"

class FileCheCede : public FileArchivio {
public:
    FileCheCede(std::vector<unsigned char>& dati, std::size_t limite)
        : dati_(dati), limite_(limite) {}
    std::uint64_t Lunghezza() override { return dati_.size(); }
    std::size_t Leggi(std::uint64_t offset, void* out, std::size_t n) override {
        if (offset >= dati_.size()) return 0;
        const std::size_t k = std::min<std::size_t>(n, dati_.size() - offset);
        std::memcpy(out, dati_.data() + offset, k);
        return k;
    }
    void Scrivi(std::uint64_t offset, const void* in, std::size_t n) override {
        const std::size_t possibili = limite_ > scritti_ ? limite_ - scritti_ : 0;
        const std::size_t k = std::min(n, possibili);
        if (dati_.size() < offset + k) dati_.resize(offset + k);
        std::memcpy(dati_.data() + offset, in, k);
        scritti_ += k;
        if (k < n) throw ErroreAccessoArchivio("disk full");
    }
    void Chiudi() override {}

private:
    std::vector<unsigned char>& dati_;
    std::size_t limite_;
    std::size_t scritti_ = 0;
};
