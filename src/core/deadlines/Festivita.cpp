#include "core/deadlines/Festivita.h"

#include <array>

namespace festivita {

Data Pasqua(int anno) {
    // The anonymous Gregorian algorithm (Meeus/Jones/Butcher): the golden number, the
    // century's solar and lunar corrections, the epact, then the Sunday after the Paschal
    // full moon.
    const int a = anno % 19;
    const int b = anno / 100;
    const int c = anno % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int mese = (h + l - 7 * m + 114) / 31;
    const int giorno = (h + l - 7 * m + 114) % 31 + 1;
    return {giorno, mese, anno};
}

std::optional<std::string_view> FestaNazionale(const Data& giorno) {
    struct Fissa {
        int giorno, mese;
        std::string_view nome;
    };
    static constexpr std::array<Fissa, 10> fisse = {{
        {1, 1, "Capodanno"},
        {6, 1, "Epifania"},
        {25, 4, "Festa della Liberazione"},
        {1, 5, "Festa del Lavoro"},
        {2, 6, "Festa della Repubblica"},
        {15, 8, "Ferragosto"},
        {1, 11, "Ognissanti"},
        {8, 12, "Immacolata Concezione"},
        {25, 12, "Natale"},
        {26, 12, "Santo Stefano"},
    }};
    for (const auto& f : fisse)
        if (f.giorno == giorno.giorno && f.mese == giorno.mese) return f.nome;
    // Easter Monday falls between 23 March and 26 April.
    if (giorno.mese == 3 || giorno.mese == 4) {
        if (NumeroGiorno(Pasqua(giorno.anno)) + 1 == NumeroGiorno(giorno))
            return std::string_view("Lunedì dell'Angelo");
    }
    return std::nullopt;
}

int GiornoSettimana(const Data& giorno) {
    // Counted from a Monday, 1 January 2001.
    static const long lunedi = NumeroGiorno({1, 1, 2001});
    return static_cast<int>(((NumeroGiorno(giorno) - lunedi) % 7 + 7) % 7);
}

bool GiornoLavorativo(const Data& giorno) {
    return GiornoSettimana(giorno) < 5 && !FestaNazionale(giorno);
}

std::optional<Data> ProssimoLavorativo(const Data& giorno) {
    Data d = giorno;
    // A holiday chain and a weekend never reach a week; ten steps leave room.
    for (int passi = 0; passi < 10 && DataValida(d); ++passi) {
        if (GiornoLavorativo(d)) return d;
        d = DataDaNumero(NumeroGiorno(d) + 1);
    }
    return std::nullopt;
}

std::optional<std::string> NotaNonLavorativo(const Data& giorno) {
    if (!DataValida(giorno) || GiornoLavorativo(giorno)) return std::nullopt;
    std::string perche;
    if (const auto festa = FestaNazionale(giorno))
        perche = std::string(*festa);
    else
        perche = GiornoSettimana(giorno) == 5 ? "sabato" : "domenica";
    std::string nota = "Il " + TestoData(giorno) + " non è un giorno lavorativo (" + perche + ")";
    if (const auto dopo = ProssimoLavorativo(giorno))
        nota += ": il primo giorno lavorativo successivo è il " + TestoData(*dopo) + ".";
    else
        nota += ".";
    return nota;
}

std::optional<std::string> NotaNonLavorativo(std::string_view data) {
    const std::optional<Data> giorno = DataDaTesto(data);
    if (!giorno) return std::nullopt;
    return NotaNonLavorativo(*giorno);
}

}  // namespace festivita
