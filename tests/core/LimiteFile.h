#pragma once
// While alive, no file of this process may grow past `byte` bytes: writes beyond fail as on
// a full disk. Holds for root too, unlike file permissions.
#include <sys/resource.h>

#include <csignal>
#include <cstddef>

class LimiteFile {
public:
    explicit LimiteFile(std::size_t byte) {
        getrlimit(RLIMIT_FSIZE, &prima_);
        rlimit limite = prima_;
        limite.rlim_cur = byte;
        segnale_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteFile() {
        setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, segnale_);
    }
    LimiteFile(const LimiteFile&) = delete;
    LimiteFile& operator=(const LimiteFile&) = delete;

private:
    rlimit prima_{};
    void (*segnale_)(int) = nullptr;
};
