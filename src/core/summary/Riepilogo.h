#pragma once
// The interval summary: the checks of a request (year, two filters, start and end of the
// interval), the request the result window receives, and the summary itself: which
// deadlines of the year file it lists and the exact total of their amounts.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/DataOra.h"
#include "core/lists/Elenco.h"
#include "core/records/Scheda.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TSchedaScadenza.h"
#include "core/summary/SommaImporti.h"

namespace riepilogo {

// ---- The request ----------------------------------------------------------------------

// The fields of the request window, named after the controls without their prefix.
enum class Campo { Anno, Cliente, Targa, GiornoInizio, MeseInizio, GiornoFine, MeseFine };

// What the request window holds, as typed.
struct ModuloRichiesta {
    std::string Anno;
    std::string Cliente;  // contact filter
    std::string Targa;    // reason filter
    std::string GiornoInizio, MeseInizio;
    std::string GiornoFine, MeseFine;
};

// What the result window is handed: the year file and what to take from it.
struct RichiestaRiepilogo {
    std::filesystem::path file;
    std::string cliente;  // as typed, blanks included; may be empty
    std::string causale;  // as typed; may be empty
    Data inizio;
    Data fine;  // not before inizio
};

struct RifiutoRichiesta {
    std::optional<Campo> campo;  // where the attention goes; none: it stays where it is
    std::string testo;
    ModoRifiuto modo;
};

struct EsitoRichiesta {
    // The two dates as composed, "" where the check did not get that far or the month
    // was not one of the twelve.
    std::string dataInizio, dataFine;
    std::optional<RifiutoRichiesta> rifiuto;      // the first check that failed
    std::optional<RichiestaRiepilogo> richiesta;  // when every check passed
};

// The checks in their order; the first that fails is the answer. `cartella` is the
// program folder, where the year file lies.
EsitoRichiesta ControllaRichiesta(const ModuloRichiesta& modulo,
                                  const std::filesystem::path& cartella);

// A day list field keeps its text only when that text, trimmed, is "01" to "31"; a month
// field only when it names a month, whatever the case of A–Z.
bool GiornoAmmesso(std::string_view testo);
bool MeseAmmesso(std::string_view testo);

// ---- The summary ----------------------------------------------------------------------

// Why a record was left out of a summary although it passed the filters.
enum class Esclusione { Data, Importo };

// "Dal   dd/mm/yyyy   al   dd/mm/yyyy".
std::string TestoIntervallo(const RichiestaRiepilogo& r);

// The summary being built, record by record in file order.
class Riepilogo {
public:
    explicit Riepilogo(const RichiestaRiepilogo& richiesta);

    // Filled filters among the two (0, 1 or 2).
    std::size_t FiltriPieni() const { return pieni_; }

    // True when the record belongs in the summary: every filled filter occurs in its
    // field (A–Z folded), and its date lies in the interval, both ends included. Its
    // amount is then added to the total. A record that passes the filters but whose date
    // or amount cannot be read is left out, counted, and the summary goes on. Only the
    // filtered fields, the date and the amount of the record as stored are read.
    bool Prendi(const VistaScheda<TSchedaScadenza>& s);

    // The total so far, in cents: "12,75".
    std::string Totale() const { return somma_.Centesimi(); }
    std::size_t Escluse(Esclusione motivo) const {
        return escluse_[static_cast<std::size_t>(motivo)];
    }
    // The warning that says how many records were left out and why; none when none was.
    std::optional<std::string> AvvisoEscluse() const;

private:
    elenco::Filtro cliente_, causale_;
    bool clientePieno_, causalePiena_;
    std::size_t pieni_;
    Data inizio_, fine_;
    SommaImporti somma_;
    std::array<std::size_t, 2> escluse_{};
};

// The contact shown over the summary: the filter, trimmed, or "- - -" without one.
std::string TitoloContatto(std::string_view cliente);

// ---- Printing -------------------------------------------------------------------------

inline constexpr std::string_view NienteDaStampare =
    "Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.";
inline constexpr std::string_view DomandaStampa = "Si vuole stampare il presente riepilogo?";

// The printed title, from the contact shown over the summary.
std::string TitoloStampa(std::string_view contatto);
// The three lines printed after the summary's own: a dashed rule, the interval and the
// total as the window shows them.
std::array<std::string, 3> RigheFinali(std::string_view intervallo, std::string_view totale);

}  // namespace riepilogo
