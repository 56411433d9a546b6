#pragma once
// The three lists of the viewer (imminent deadlines, the deadlines of a day, of a month):
// their column tables, which records each takes, and how a record becomes a row of texts.
// The rows are sorted on their last column, the chronological key.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/app/DataOra.h"
#include "core/deadlines/TSchedaScadenza.h"
#include "core/viewer/RegoleVisualizzatore.h"

namespace visualizzatore {

// A column: control name, header, width, whether typing in it is allowed, and its value:
// a field of the record (shown trimmed), a calculation on the record, or, with neither,
// the row's ordinal among the listed records in file order.
struct ColonnaElenco {
    std::string_view nome;
    std::string_view intestazione;
    int larghezza;
    bool modificabile;
    std::string TSchedaScadenza::*campo = nullptr;
    std::string (*calcolo)(const TSchedaScadenza&) = nullptr;
};

inline constexpr std::array<ColonnaElenco, 20> ColonneImminenti = {{
    {"colNum", "N.", 60, false},
    {"colData", "Data scadenza", 150, false, &TSchedaScadenza::Data},
    {"colOraApp", "Ora appuntamento", 150, false, &TSchedaScadenza::Ora},
    {"colBeneficiario", "Tipologia", 250, false, &TSchedaScadenza::Beneficiario},
    {"colDettagli", "Causale scadenza o appuntamento", 300, false, &TSchedaScadenza::Dettagli},
    {"colPagamento", "Pagamento", 300, true, &TSchedaScadenza::Officina},
    {"colCosto", "Importo in euro", 200, true, &TSchedaScadenza::Costo},
    {"colContatto", "Esito", 250, true, &TSchedaScadenza::Contatto},
    {"colPagatore", "Cognome e nome", 250, false, &TSchedaScadenza::Pagatore},
    {"colCodFisc", "Codice fiscale", 180, false, &TSchedaScadenza::CodFisc},
    {"colNumTessera", "Zona", 250, false, &TSchedaScadenza::NumTessera},
    {"colCarica", "Questioni in sospeso", 300, false, &TSchedaScadenza::Carica},
    {"colTelCel", "Tel. cellulare", 200, false, &TSchedaScadenza::TelCel},
    {"colRecapito", "Recapito preferenziale", 200, false, &TSchedaScadenza::Recapito},
    {"colAnticipi", "Altre persone da incontrare", 300, false, &TSchedaScadenza::Anticipi},
    {"colComplessivo", "Luogo appuntamento", 250, false, &TSchedaScadenza::Complessivo},
    {"colRateazione", "Durata prevista", 200, false, &TSchedaScadenza::Rateazione},
    {"colNote", "Note", 300, false, &TSchedaScadenza::Note},
    {"colDaConfermare", "Da confermare", 200, true, &TSchedaScadenza::DaConfermare},
    {"colCodice", "Codice univoco", 150, true, nullptr, &ChiaveCronologica},
}};

// The day and month lists show whether the commitment was fulfilled; their payment column
// is named after its field and narrower, and the month list's mobile column narrower still.
namespace dettaglio {
constexpr std::array<ColonnaElenco, 21> ColonneGiornoMese(int larghezzaTelCel) {
    std::array<ColonnaElenco, 21> c{};
    for (std::size_t i = 0; i < 19; ++i) c[i] = ColonneImminenti[i];
    c[5].nome = "colOfficina";
    c[5].larghezza = 250;
    c[12].larghezza = larghezzaTelCel;
    c[19] = {"colEffettuata", "Impegno assolto", 200, true, &TSchedaScadenza::Effettuata};
    c[20] = ColonneImminenti[19];
    return c;
}
}  // namespace dettaglio

inline constexpr std::array<ColonnaElenco, 21> ColonneGiornaliere =
    dettaglio::ColonneGiornoMese(200);
inline constexpr std::array<ColonnaElenco, 21> ColonneMensili = dettaglio::ColonneGiornoMese(180);

// A list: its columns (the key is the last one) and which records it takes for a day:
// today for the imminent list, the calendar's day for the other two.
struct ElencoScadenze {
    std::span<const ColonnaElenco> colonne;
    bool (*prendi)(const TSchedaScadenza&, const Data&);
    std::size_t ColonnaChiave() const { return colonne.size() - 1; }
};

inline constexpr ElencoScadenze Imminenti{ColonneImminenti, &ScadenzaImminente};
inline constexpr ElencoScadenze Giornaliere{ColonneGiornaliere, &DelGiorno};
inline constexpr ElencoScadenze Mensili{ColonneMensili, &DelMese};

// The row of a listed record: one text per column, `ordinale` in the ordinal column.
Riga RigaElenco(std::span<const ColonnaElenco> colonne, const TSchedaScadenza& r,
                std::size_t ordinale);

}  // namespace visualizzatore
