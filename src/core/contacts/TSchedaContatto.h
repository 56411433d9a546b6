#pragma once
// The contact record: 36 fixed-width text fields, 3372 bytes, in file order.
#include <array>
#include <string>

#include "core/records/Scheda.h"

struct TSchedaContatto {
    std::string Cliente;
    std::string DataNasc;
    std::string ComuneNasc;
    std::string ProvNasc;
    std::string Sesso;
    std::string Recapito;
    std::string IndirizzoRes;
    std::string ProvRes;
    std::string ComuneRes;
    std::string CapRes;
    std::string Estremi;
    std::string TelCasa;
    std::string TelUff;
    std::string TelCel;
    std::string Fax;
    std::string Email;
    std::string CodFisc;
    std::string Carta;
    std::string ScadeCarta;
    std::string PartitaIva;
    std::string Iban;
    std::string Documento;
    std::string Occupazione;
    std::string Civile;
    std::string Titoli;
    std::string Prodotti;
    std::string Zona;
    std::string Questioni;
    std::string Note;
    std::string Ricontatta;
    std::string File01;
    std::string File02;
    std::string File03;
    std::string Desc01;
    std::string Desc02;
    std::string Desc03;

    static constexpr std::array<Campo<TSchedaContatto>, 36> Campi = {{
        {"Cliente", 50, &TSchedaContatto::Cliente},
        {"DataNasc", 30, &TSchedaContatto::DataNasc},
        {"ComuneNasc", 50, &TSchedaContatto::ComuneNasc},
        {"ProvNasc", 2, &TSchedaContatto::ProvNasc},
        {"Sesso", 1, &TSchedaContatto::Sesso},
        {"Recapito", 50, &TSchedaContatto::Recapito},
        {"IndirizzoRes", 50, &TSchedaContatto::IndirizzoRes},
        {"ProvRes", 2, &TSchedaContatto::ProvRes},
        {"ComuneRes", 50, &TSchedaContatto::ComuneRes},
        {"CapRes", 5, &TSchedaContatto::CapRes},
        {"Estremi", 250, &TSchedaContatto::Estremi},
        {"TelCasa", 30, &TSchedaContatto::TelCasa},
        {"TelUff", 30, &TSchedaContatto::TelUff},
        {"TelCel", 30, &TSchedaContatto::TelCel},
        {"Fax", 30, &TSchedaContatto::Fax},
        {"Email", 50, &TSchedaContatto::Email},
        {"CodFisc", 16, &TSchedaContatto::CodFisc},
        {"Carta", 30, &TSchedaContatto::Carta},
        {"ScadeCarta", 30, &TSchedaContatto::ScadeCarta},
        {"PartitaIva", 11, &TSchedaContatto::PartitaIva},
        {"Iban", 27, &TSchedaContatto::Iban},
        {"Documento", 120, &TSchedaContatto::Documento},
        {"Occupazione", 50, &TSchedaContatto::Occupazione},
        {"Civile", 50, &TSchedaContatto::Civile},
        {"Titoli", 120, &TSchedaContatto::Titoli},
        {"Prodotti", 120, &TSchedaContatto::Prodotti},
        {"Zona", 50, &TSchedaContatto::Zona},
        {"Questioni", 250, &TSchedaContatto::Questioni},
        {"Note", 250, &TSchedaContatto::Note},
        {"Ricontatta", 2, &TSchedaContatto::Ricontatta},
        {"File01", 250, &TSchedaContatto::File01},
        {"File02", 250, &TSchedaContatto::File02},
        {"File03", 250, &TSchedaContatto::File03},
        {"Desc01", 250, &TSchedaContatto::Desc01},
        {"Desc02", 250, &TSchedaContatto::Desc02},
        {"Desc03", 250, &TSchedaContatto::Desc03},
    }};
};

static_assert(DimensioneScheda<TSchedaContatto>() == 3372);
