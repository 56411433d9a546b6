#include "core/contacts/Instrada.h"

#include "core/app/Testo.h"

Instradamento InstradaCodiceFiscale(std::string_view testo) {
    std::string t = testo::Rifila(testo);
    const Controllo c = testo::SoloCifre(t) ? Controllo::PartitaIva : Controllo::CodFisc;
    return {c, std::move(t)};
}
