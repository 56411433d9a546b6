#include "core/contacts/StampaContatto.h"

#include "core/text/Testo.h"

RigheScheda RigheStampaContatto(const TSchedaContatto& s, bool perPdf) {
    auto t = [](const std::string& v) { return testo::Rifila(v); };
    return {{
        {"Cognome e nome:", t(s.Cliente)},
        {"Data di nascita:", t(s.DataNasc)},
        {"Comune di nascita:", t(s.ComuneNasc) + " " + t(s.ProvNasc)},
        {"Sesso:", t(s.Sesso)},
        {"Recapito preferenziale:", t(s.Recapito)},
        {"Indirizzo di residenza:", t(s.IndirizzoRes)},
        {"Comune di residenza:", t(s.ComuneRes) + " " + t(s.ProvRes)},
        {"Modalità pagamento:", t(s.Estremi)},
        {"Tel. casa:", t(s.TelCasa)},
        {"Tel. ufficio:", t(s.TelUff)},
        {"Tel. cellulare:", t(s.TelCel)},
        {"Fax:", t(s.Fax)},
        {"E-mail:", t(s.Email)},
        {"Codice fiscale:", t(s.CodFisc)},
        {"Partita IVA:", t(s.PartitaIva)},
        {"Carta di credito:", "N. " + t(s.Carta) + "  -  Scadenza: " + t(s.ScadeCarta)},
        {"IBAN:", t(s.Iban)},
        {"Estremi documento:", t(s.Documento)},
        {"Occupazione:", t(s.Occupazione)},
        {"Titoli e qualifiche:", t(s.Titoli)},
        {"Prodotti e servizi:", t(s.Prodotti)},
        {perPdf ? "Zona di appartenenza:" : "Zona:", t(s.Zona)},
        {"Questioni in sospeso:", t(s.Questioni)},
        {"Note:", t(s.Note)},
    }};
}
