#pragma once
// A fresh folder per test, removed afterwards, so nothing leaks between tests.
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

class CartellaTemporanea {
public:
    // In the system's temporary folder, or under `base`.
    explicit CartellaTemporanea(
        const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::random_device rd;
        percorso_ = base /
                    ("ricordario-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(percorso_);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    const std::filesystem::path& percorso() const { return percorso_; }
    std::filesystem::path operator/(const std::string& nome) const { return percorso_ / nome; }

private:
    std::filesystem::path percorso_;
};

inline std::vector<unsigned char> LeggiByte(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void ScriviByte(const std::filesystem::path& p, const std::vector<unsigned char>& b) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// The names in a folder, sorted: shows that a write left nothing of its own behind.
inline std::vector<std::string> VociCartella(const std::filesystem::path& cartella) {
    std::vector<std::string> nomi;
    for (const auto& v : std::filesystem::directory_iterator(cartella))
        nomi.push_back(v.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}
