#include "gui/export/EsportaCalendario.h"

#include <stdexcept>

#include "core/deadlines/TArchivioScadenze.h"
#include "core/export/Calendario.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TMisc.h"
#include "gui/app/TestoQt.h"

void EsportaInCalendario(QWidget* genitore, const QString& lblFile) {
    if (ChiediConferma(genitore, Q(calendario::DomandaEsporta)) == Risposta::No) return;
    const auto archivio = TArchivioScadenze::PercorsoDa(S(lblFile));
    const std::string nome = archivio.stem().string();
    try {
        if (!TArchivioScadenze::AnnoValido(nome))
            throw std::runtime_error("not a year archive: " + nome);
        const int anno = std::stoi(nome);
        const auto esito = calendario::ScriviCalendario(LeggiScadenzeSenzaCreare(archivio), anno,
                                                        PercorsoProgramma(QString()),
                                                        piattaforma().Adesso().toSecsSinceEpoch());
        QString domanda = Q(calendario::Esportato) + QStringLiteral("\r\n\r\n");
        if (esito.saltate > 0)
            domanda += Q(calendario::SchedeSaltate(esito.saltate)) + QStringLiteral("\r\n\r\n");
        if (ChiediConferma(genitore, domanda + Q(calendario::DomandaApri)) != Risposta::No)
            TMisc::Open(QLatin1Char('"') + CartellaProgramma() + Q(calendario::NomeFile(anno)) +
                        QLatin1Char('"'));
    } catch (const std::exception&) {
        MostraMessaggio(genitore, Q(calendario::EsportazioneFallita));
    }
}
