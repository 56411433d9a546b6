// Starts a program on the X display and waits until it maps its first top-level window:
// prints the milliseconds from the start to the map, the processor time the program had
// used by then (every thread: on a shared machine wall time also counts waiting for a
// core) and its resident memory at that moment, then ends the program.
//   tempo_avvio <program> [arguments...]
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

long RssKiB(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string riga;
    while (std::getline(f, riga))
        if (riga.rfind("VmRSS:", 0) == 0) return std::stol(riga.substr(6));
    return -1;
}

double ProcessoreMs(pid_t pid) {
    double ns = 0;
    std::error_code ec;
    for (const auto& t :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream f(t.path() / "schedstat");
        double n = 0;
        if (f >> n) ns += n;
    }
    return ns / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s program [arguments...]\n", argv[0]);
        return 2;
    }
    Display* schermo = XOpenDisplay(nullptr);
    if (!schermo) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window radice = DefaultRootWindow(schermo);
    XSelectInput(schermo, radice, SubstructureNotifyMask);
    XSync(schermo, False);

    const auto inizio = std::chrono::steady_clock::now();
    const pid_t figlio = fork();
    if (figlio == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int esito = 1;
    bool mappata = false;
    pollfd attesa{ConnectionNumber(schermo), POLLIN, 0};
    while (!mappata) {
        while (!mappata && XPending(schermo)) {
            XEvent e;
            XNextEvent(schermo, &e);
            if (e.type == MapNotify && e.xmap.event == radice) {
                const double ms = std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - inizio)
                                      .count();
                std::printf("%.1f %.1f %ld\n", ms, ProcessoreMs(figlio), RssKiB(figlio));
                mappata = true;
                esito = 0;
            }
        }
        if (!mappata && poll(&attesa, 1, 20000) <= 0) {
            std::fprintf(stderr, "no window mapped within 20 s\n");
            break;
        }
    }
    kill(figlio, SIGKILL);
    waitpid(figlio, nullptr, 0);
    XCloseDisplay(schermo);
    return esito;
}
