#pragma once
// What the window tests share: the fixture each test sets up and takes down (a fake
// platform with its own program folder, then the window under test), and archives in that
// folder filled with records (the builders are SchedeDiProva.h's, shared with the core
// tests).
#include <QtTest>
#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

#include "SchedeDiProva.h"
#include "core/contacts/TArchivioContatti.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/Finestre.h"
#include "support/FakePiattaforma.h"

// Before a test: a fresh platform, then the window (a plain pointer or a QPointer).
template <class Puntatore>
void Prepara(FakePiattaforma*& fake, Puntatore& finestra) {
    fake = new FakePiattaforma;
    finestra = new std::remove_cvref_t<decltype(*finestra)>;
}

// After it: the window, then the platform and its folder.
template <class Puntatore>
void Smonta(FakePiattaforma*& fake, Puntatore& finestra) {
    delete finestra;
    finestra = nullptr;
    delete fake;
    fake = nullptr;
}

// Opens a full-screen window and waits until it is on screen and active.
[[nodiscard]] inline bool ApriAttiva(FinestraIntera* finestra) {
    finestra->Apri();
    if (!QTest::qWaitForWindowExposed(finestra)) return false;
    finestra->activateWindow();
    return QTest::qWaitForWindowActive(finestra);
}

// Appends the records to the archive `file`, which is created when missing.
template <class ArchivioDi>
void Accoda(const std::filesystem::path& file,
            const std::vector<typename ArchivioDi::TipoScheda>& schede) {
    ArchivioDi archivio;
    archivio.Apri(file);
    for (const auto& s : schede) archivio.AccodaScheda(s);
    archivio.Chiudi();
}

// The contact archive of the program folder.
inline std::filesystem::path FileContatti() {
    return PercorsoProgramma(TArchivioContatti::NomeFile);
}
inline void AccodaContatti(const std::vector<TSchedaContatto>& schede) {
    Accoda<TArchivioContatti>(FileContatti(), schede);
}

// The year file of the program folder.
inline std::filesystem::path FileAnno(int anno) {
    return PercorsoProgramma(QString::number(anno) + ".rcd");
}
inline void AccodaScadenze(int anno, const std::vector<TSchedaScadenza>& schede) {
    Accoda<TArchivioScadenze>(FileAnno(anno), schede);
}
