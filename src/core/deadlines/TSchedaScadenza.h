#pragma once
// The deadline record: 25 fixed-width text fields, 1628 bytes, in file order (which is not
// the order of the card on screen: date and time first, type and reason after the contact).
#include <array>
#include <string>

#include "core/records/Scheda.h"

struct TSchedaScadenza {
    std::string Giorno;
    std::string Mese;
    std::string Anno;
    std::string Data;
    std::string OreApp;
    std::string MinutiApp;
    std::string Ora;
    std::string Avviso;
    std::string Pagatore;
    std::string CodFisc;
    std::string NumTessera;
    std::string Carica;
    std::string TelCel;
    std::string Recapito;
    std::string Anticipi;
    std::string Complessivo;
    std::string Rateazione;
    std::string Beneficiario;
    std::string Dettagli;
    std::string Officina;
    std::string Costo;
    std::string Contatto;
    std::string Note;
    std::string DaConfermare;  // flag::Si or flag::No
    std::string Effettuata;    // flag::Si or flag::No

    static constexpr std::array<Campo<TSchedaScadenza>, 25> Campi = {{
        {"Giorno", 2, &TSchedaScadenza::Giorno},
        {"Mese", 10, &TSchedaScadenza::Mese},
        {"Anno", 4, &TSchedaScadenza::Anno},
        {"Data", 10, &TSchedaScadenza::Data},
        {"OreApp", 2, &TSchedaScadenza::OreApp},
        {"MinutiApp", 2, &TSchedaScadenza::MinutiApp},
        {"Ora", 5, &TSchedaScadenza::Ora},
        {"Avviso", 3, &TSchedaScadenza::Avviso},
        {"Pagatore", 50, &TSchedaScadenza::Pagatore},
        {"CodFisc", 16, &TSchedaScadenza::CodFisc},
        {"NumTessera", 50, &TSchedaScadenza::NumTessera},
        {"Carica", 250, &TSchedaScadenza::Carica},
        {"TelCel", 30, &TSchedaScadenza::TelCel},
        {"Recapito", 50, &TSchedaScadenza::Recapito},
        {"Anticipi", 250, &TSchedaScadenza::Anticipi},
        {"Complessivo", 50, &TSchedaScadenza::Complessivo},
        {"Rateazione", 50, &TSchedaScadenza::Rateazione},
        {"Beneficiario", 50, &TSchedaScadenza::Beneficiario},
        {"Dettagli", 250, &TSchedaScadenza::Dettagli},
        {"Officina", 150, &TSchedaScadenza::Officina},
        {"Costo", 15, &TSchedaScadenza::Costo},
        {"Contatto", 50, &TSchedaScadenza::Contatto},
        {"Note", 250, &TSchedaScadenza::Note},
        {"DaConfermare", 2, &TSchedaScadenza::DaConfermare},
        {"Effettuata", 2, &TSchedaScadenza::Effettuata},
    }};
};

static_assert(DimensioneScheda<TSchedaScadenza>() == 1628);
