#pragma once
// The records tests build, for the core and the window tests alike.
#include <string>
#include <string_view>

#include "core/contacts/TSchedaContatto.h"
#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TSchedaScadenza.h"

namespace prova {

// A deadline that saves: its date (dd/mm/yyyy) and time (hh:mm) in every field that holds
// them, three days of warning, a reason and a contact; no amount, neither box ticked.
inline TSchedaScadenza Scadenza(std::string_view data, std::string_view ora,
                                std::string pagatore = "Rossi Mario",
                                std::string dettagli = "Rata del mutuo") {
    TSchedaScadenza s = scadenza::SchedaNuova();
    s.Giorno = data.substr(0, 2);
    s.Mese = scadenza::NomeMese(std::stoi(std::string(data.substr(3, 2))));
    s.Anno = data.substr(6, 4);
    s.Data = data;
    s.OreApp = ora.substr(0, 2);
    s.MinutiApp = ora.substr(3, 2);
    s.Ora = ora;
    s.Avviso = "3";
    s.Pagatore = std::move(pagatore);
    s.Dettagli = std::move(dettagli);
    return s;
}

// A contact with its name, town of residence and notes.
inline TSchedaContatto Contatto(std::string cliente, std::string comune = "",
                                std::string note = "") {
    TSchedaContatto s;
    s.Cliente = std::move(cliente);
    s.ComuneRes = std::move(comune);
    s.Note = std::move(note);
    return s;
}

// A contact with every field filled: a distinct text in each (the prefix, a blank and the
// field's name, cut to the capacity), real codes where the card offers a list or takes
// one character, and the given "Da ricontattare".
inline TSchedaContatto ContattoPieno(std::string_view prefisso,
                                     std::string_view ricontatta = flag::Si) {
    TSchedaContatto s;
    for (const auto& c : TSchedaContatto::Campi)
        s.*(c.membro) = (std::string(prefisso) + " " + std::string(c.nome)).substr(0, c.capacita);
    s.ProvNasc = "FC";
    s.ProvRes = "BO";
    s.Sesso = "M";
    s.Ricontatta = ricontatta;
    return s;
}

}  // namespace prova
