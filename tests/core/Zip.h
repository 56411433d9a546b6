#pragma once
// Reading back a zip the program wrote (an .xlsx): one member, whole.
#include <minizip/unzip.h>

#include <filesystem>
#include <string>

// The member `nome` of the zip `zip`; empty when either is missing.
inline std::string MembroZip(const std::filesystem::path& zip, const char* nome) {
    unzFile z = unzOpen64(zip.c_str());
    if (!z) return {};
    std::string r;
    if (unzLocateFile(z, nome, 1) == UNZ_OK && unzOpenCurrentFile(z) == UNZ_OK) {
        char buf[4096];
        int n;
        while ((n = unzReadCurrentFile(z, buf, sizeof buf)) > 0) r.append(buf, static_cast<std::size_t>(n));
        unzCloseCurrentFile(z);
    }
    unzClose(z);
    return r;
}
