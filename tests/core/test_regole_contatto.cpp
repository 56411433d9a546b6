#include <gtest/gtest.h>

#include "core/contacts/RegoleContatto.h"

TEST(RegoleContatto, OnlyTheNameIsRequired) {
    const std::pair<const char*, bool> casi[] = {
        {"", false}, {"   ", false}, {"\t ", false}, {"R", true}, {" Rossi Mario ", true}};
    for (const auto& [nome, salvabile] : casi) {
        TSchedaContatto carta = contatto::SchedaNuova();
        carta.Cliente = nome;
        const std::optional<Rifiuto> rifiuto = contatto::ControllaSalvataggio(carta);
        EXPECT_EQ(rifiuto.has_value(), !salvabile) << '"' << nome << '"';
        if (!rifiuto) continue;
        EXPECT_EQ(rifiuto->campo, "Cliente");
        EXPECT_EQ(rifiuto->modo, ModoRifiuto::Avviso);
        EXPECT_EQ(rifiuto->testo,
                  "Attenzione: per salvare la scheda è necessario indicare il nome del contatto.");
    }
}
