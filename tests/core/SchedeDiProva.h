#pragma once
// The records tests build, for the core and the window tests alike: a builder per record
// with one setter a field, named as the field, and the usual records made with them.
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/contacts/TSchedaContatto.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace prova {

// Each setter fills the field of its name and hands the builder back; the record is taken
// when the builder is used as one. It starts empty, or from the record given.
#define PROVA_CAMPO(campo)                 \
    auto& campo(std::string_view valore) { \
        s.campo = valore;                  \
        return *this;                      \
    }

struct NuovaScadenza {
    TSchedaScadenza s;

    NuovaScadenza() = default;
    explicit NuovaScadenza(TSchedaScadenza base) : s(std::move(base)) {}
    operator TSchedaScadenza() const { return s; }

    PROVA_CAMPO(Giorno)
    PROVA_CAMPO(Mese)
    PROVA_CAMPO(Anno)
    PROVA_CAMPO(Data)
    PROVA_CAMPO(OreApp)
    PROVA_CAMPO(MinutiApp)
    PROVA_CAMPO(Ora)
    PROVA_CAMPO(Avviso)
    PROVA_CAMPO(Pagatore)
    PROVA_CAMPO(CodFisc)
    PROVA_CAMPO(NumTessera)
    PROVA_CAMPO(Carica)
    PROVA_CAMPO(TelCel)
    PROVA_CAMPO(Recapito)
    PROVA_CAMPO(Anticipi)
    PROVA_CAMPO(Complessivo)
    PROVA_CAMPO(Rateazione)
    PROVA_CAMPO(Beneficiario)
    PROVA_CAMPO(Dettagli)
    PROVA_CAMPO(Officina)
    PROVA_CAMPO(Costo)
    PROVA_CAMPO(Contatto)
    PROVA_CAMPO(Note)
    PROVA_CAMPO(DaConfermare)
    PROVA_CAMPO(Effettuata)

    // The date (dd/mm/yyyy) in Data, and its day, month name and year in the card's lists.
    NuovaScadenza& Il(std::string_view data) {
        const std::string d(data);
        return Giorno(d.substr(0, 2))
            .Mese(scadenza::NomeMese(std::atoi(d.substr(3, 2).c_str())))
            .Anno(d.substr(6, 4))
            .Data(d);
    }
    // The time (hh:mm) in Ora, and its hours and minutes in the card's lists.
    NuovaScadenza& Alle(std::string_view ora) {
        return OreApp(ora.substr(0, 2)).MinutiApp(ora.substr(3, 2)).Ora(ora);
    }
    // The two boxes, as the card ticks them.
    NuovaScadenza& Spunte(bool daConfermare, bool effettuata) {
        return DaConfermare(flag::Da(daConfermare)).Effettuata(flag::Da(effettuata));
    }
};

struct NuovoContatto {
    TSchedaContatto s;

    NuovoContatto() = default;
    explicit NuovoContatto(TSchedaContatto base) : s(std::move(base)) {}
    operator TSchedaContatto() const { return s; }

    PROVA_CAMPO(Cliente)
    PROVA_CAMPO(DataNasc)
    PROVA_CAMPO(ComuneNasc)
    PROVA_CAMPO(ProvNasc)
    PROVA_CAMPO(Sesso)
    PROVA_CAMPO(Recapito)
    PROVA_CAMPO(IndirizzoRes)
    PROVA_CAMPO(ProvRes)
    PROVA_CAMPO(ComuneRes)
    PROVA_CAMPO(CapRes)
    PROVA_CAMPO(Estremi)
    PROVA_CAMPO(TelCasa)
    PROVA_CAMPO(TelUff)
    PROVA_CAMPO(TelCel)
    PROVA_CAMPO(Fax)
    PROVA_CAMPO(Email)
    PROVA_CAMPO(CodFisc)
    PROVA_CAMPO(Carta)
    PROVA_CAMPO(ScadeCarta)
    PROVA_CAMPO(PartitaIva)
    PROVA_CAMPO(Iban)
    PROVA_CAMPO(Documento)
    PROVA_CAMPO(Occupazione)
    PROVA_CAMPO(Civile)
    PROVA_CAMPO(Titoli)
    PROVA_CAMPO(Prodotti)
    PROVA_CAMPO(Zona)
    PROVA_CAMPO(Questioni)
    PROVA_CAMPO(Note)
    PROVA_CAMPO(Ricontatta)
    PROVA_CAMPO(File01)
    PROVA_CAMPO(File02)
    PROVA_CAMPO(File03)
    PROVA_CAMPO(Desc01)
    PROVA_CAMPO(Desc02)
    PROVA_CAMPO(Desc03)
};

#undef PROVA_CAMPO

// A deadline that saves: its date (dd/mm/yyyy) and time (hh:mm) in every field that holds
// them, three days of warning, a reason and a contact; no amount, neither box ticked.
inline TSchedaScadenza Scadenza(std::string_view data, std::string_view ora,
                                std::string_view pagatore = "Rossi Mario",
                                std::string_view dettagli = "Rata del mutuo") {
    return NuovaScadenza(scadenza::SchedaNuova())
        .Il(data)
        .Alle(ora)
        .Avviso("3")
        .Pagatore(pagatore)
        .Dettagli(dettagli);
}

// A contact with its name, town of residence and notes.
inline TSchedaContatto Contatto(std::string_view cliente, std::string_view comune = "",
                                std::string_view note = "") {
    return NuovoContatto().Cliente(cliente).ComuneRes(comune).Note(note);
}

// A contact with every field filled: a distinct text in each (the prefix, a blank and the
// field's name, cut to the capacity), real codes where the card offers a list or takes
// one character, and the given "Da ricontattare".
inline TSchedaContatto ContattoPieno(std::string_view prefisso,
                                     std::string_view ricontatta = flag::Si) {
    TSchedaContatto s;
    for (const auto& c : TSchedaContatto::Campi)
        s.*(c.membro) = (std::string(prefisso) + " " + std::string(c.nome)).substr(0, c.capacita);
    return NuovoContatto(std::move(s))
        .ProvNasc("FC")
        .ProvRes("BO")
        .Sesso("M")
        .Ricontatta(ricontatta);
}

}  // namespace prova
