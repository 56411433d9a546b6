// Runs a harness over its corpus without libFuzzer: every file named on the command line,
// or found in a folder named there, goes once through LLVMFuzzerTestOneInput. This is how
// every build checks the seeds and every finding kept beside them.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n);

namespace {

void Esegui(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> byte{std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(byte.data()), byte.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t eseguiti = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p = argv[i];
        if (std::filesystem::is_directory(p)) {
            for (const auto& voce : std::filesystem::recursive_directory_iterator(p))
                if (voce.is_regular_file()) {
                    Esegui(voce.path());
                    ++eseguiti;
                }
        } else {
            Esegui(p);
            ++eseguiti;
        }
    }
    std::printf("%zu inputs, no failure\n", eseguiti);
    return eseguiti > 0 ? 0 : 1;
}
