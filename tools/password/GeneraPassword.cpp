// Build-time generator: writes a fresh password file holding the first-access password.
// Usage: GeneraPassword <path of unins000.dll>
#include <filesystem>
#include <iostream>

#include "core/password/Password.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: GeneraPassword <password file>\n";
        return 2;
    }
    const std::filesystem::path file = argv[1];
    try {
        // A fresh installation holds nothing but the first-access password.
        std::filesystem::remove(file);
        password::ScriviPassword(file, password::PrimoAccesso);
        if (!password::VerificaPassword(file, password::PrimoAccesso)) {
            std::cerr << "GeneraPassword: " << file.string() << " does not read back\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "GeneraPassword: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
