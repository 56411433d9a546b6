#include "gui/export/EsportaCalendario.h"

#include "core/deadlines/TArchivioScadenze.h"
#include "core/export/Calendario.h"
#include "core/text/Messaggi.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/Scambio.h"
#include "gui/app/TMisc.h"
#include "gui/app/TestoQt.h"

void EsportaInCalendario(QWidget* genitore, int anno, const std::filesystem::path& cartella) {
    if (ChiediConferma(genitore, Q(calendario::DomandaEsporta)) == Risposta::No) return;
    try {
        const auto archivio = TArchivioScadenze::Percorso(cartella, anno);
        const auto esito =
            calendario::ScriviCalendario(LeggiScadenzeSenzaCreare(archivio), anno, cartella,
                                         piattaforma().Adesso().toSecsSinceEpoch());
        QString domanda = Q(calendario::Esportato) + QStringLiteral("\r\n\r\n");
        if (esito.saltate > 0)
            domanda += Q(calendario::SchedeSaltate(esito.saltate)) + QStringLiteral("\r\n\r\n");
        if (ChiediConferma(genitore, domanda + Q(calendario::DomandaApri)) != Risposta::No)
            TMisc::Open(
                QLatin1Char('"') +
                QString::fromStdU16String((cartella / calendario::NomeFile(anno)).u16string()) +
                QLatin1Char('"'));
    } catch (const std::exception&) {
        MostraMessaggio(genitore, Q(calendario::EsportazioneFallita));
    }
}

bool ImportaDaCalendario(QWidget* genitore, const std::filesystem::path& cartella) {
    const auto testo = LeggiFileScelto(genitore, QStringLiteral("Selezionare il calendario da importare:"),
                                       QStringLiteral("Calendari iCalendar (*.ics)"));
    if (!testo) return false;
    try {
        const auto esito = calendario::ImportaCalendario(
            *testo, cartella, piattaforma().Adesso().toSecsSinceEpoch());
        if (!esito.calendario) {
            MostraAvviso(genitore, Q(calendario::CalendarioIllegibile), TipoAvviso::Errore);
            return false;
        }
        MostraAvviso(genitore, Q(calendario::Riepilogo(esito)), TipoAvviso::Informazione);
        return esito.aggiunte > 0;
    } catch (const std::exception&) {
        MostraAvviso(genitore, Q(messaggi::AccessoArchivio), TipoAvviso::Errore);
        return false;
    }
}
