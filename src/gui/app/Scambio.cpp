#include "gui/app/Scambio.h"

#include "core/interchange/Interscambio.h"
#include "gui/app/Avvisi.h"
#include "gui/app/TMisc.h"
#include "gui/app/TestoQt.h"

void EsportaFile(QWidget* genitore, const TestiEsportazione& testi,
                 const std::filesystem::path& file, const std::function<void()>& scrivi) {
    if (ChiediConferma(genitore, testi.domanda) == Risposta::No) return;
    try {
        scrivi();
    } catch (...) {
        MostraMessaggio(genitore, testi.fallita);
        return;
    }
    if (ChiediConferma(genitore, testi.apri) == Risposta::No) return;
    TMisc::Open(QLatin1Char('"') + QString::fromStdU16String(file.u16string()) +
                QLatin1Char('"'));
}

std::optional<std::string> LeggiFileScelto(QWidget* genitore, const QString& titolo,
                                           const QString& filtro) {
    const QString scelto = piattaforma().ScegliFile(genitore, titolo, filtro);
    if (scelto.isEmpty()) return std::nullopt;
    try {
        return interscambio::LeggiFile(std::filesystem::path(scelto.toStdU16String()));
    } catch (const std::exception&) {
        MostraAvviso(genitore, Q(interscambio::FileIlleggibile), TipoAvviso::Errore);
        return std::nullopt;
    }
}
