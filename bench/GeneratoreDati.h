#pragma once
// Realistic archives for every benchmark: Italian names, towns with accents, telephone
// numbers, notes of varied length (many short, some empty, a few filling the field) and
// deadlines spread over the whole year. The same record number always gives the same
// record, so figures from different runs and programs compare.
#include <cstdint>
#include <filesystem>
#include <functional>

#include "core/contacts/TSchedaContatto.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace generatore {

inline constexpr std::int64_t kSchede = 100000;
inline constexpr int kAnno = 2024;

// Record n of the generated contact archive.
TSchedaContatto Contatto(std::int64_t n);
// Record n of the generated deadline archive of `anno`.
TSchedaScadenza Scadenza(std::int64_t n, int anno = kAnno);

// A contact archive "Contatti.rub" of `quante` generated records in a folder of the system's
// temporary folder, written once per process and removed at exit.
std::filesystem::path ArchivioContatti(std::int64_t quante = kSchede);
// The same for a year archive "<anno>.rcd".
std::filesystem::path ArchivioScadenze(std::int64_t quante = kSchede, int anno = kAnno);

// Writes `quante` deadlines, genera(1) to genera(quante), to `file` as the archive stores
// them, in large blocks: for a benchmark's own variant of the generated year.
void ScriviScadenze(const std::filesystem::path& file, std::int64_t quante,
                    const std::function<TSchedaScadenza(std::int64_t)>& genera);

// Reads the whole file in large blocks, as a plain copy would: the baseline of every scan.
std::uint64_t LeggiByte(const std::filesystem::path& file);

}  // namespace generatore
