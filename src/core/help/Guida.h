#pragma once
// The help pages. The help text holds one page after another: a line "# " + the page
// title, then paragraphs separated by one empty line. The help window shows a page's
// paragraphs joined by CR LF CR LF; the PDF manual is typeset from the same text.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace guida {

// Page titles, as the windows ask for their page and the help window shows it.
inline constexpr const char* Panoramica = "Uno sguardo a Ricordario Diz 3.0.";
inline constexpr const char* AnagraficaContatti = "Applicazione Anagrafica contatti.";
inline constexpr const char* InserimentoScadenze = "Applicazione Inserimento scadenze.";
inline constexpr const char* VisualizzazioneRicordario = "Applicazione Visualizzazione ricordario.";
inline constexpr const char* ElenchiScadenze = "Visualizzazione scadenze e appuntamenti.";
inline constexpr const char* RiepilogoScadenze = "Applicazione Riepilogo scadenze.";
inline constexpr const char* EsportazioneContatti =
    "Esportazione archivio contatti in Microsoft Excel.";
inline constexpr const char* EsportazioneScadenze =
    "Esportazione scadenze e appuntamenti in Microsoft Excel.";

// Every page, in the order of the manual.
inline constexpr std::array<const char*, 8> Titoli = {
    Panoramica,      AnagraficaContatti, InserimentoScadenze,  VisualizzazioneRicordario,
    ElenchiScadenze, RiepilogoScadenze,  EsportazioneContatti, EsportazioneScadenze};

// The manual in the program folder, opened from every help window.
inline constexpr const char* FileManuale = "Guida.pdf";

// Between two paragraphs of a page's text.
inline constexpr std::string_view SeparatoreParagrafi = "\r\n\r\n";

struct Pagina {
    std::string titolo;
    std::string testo;  // paragraphs joined by SeparatoreParagrafi
};

// The paragraphs of a page's text (none for an empty text).
std::vector<std::string> Paragrafi(std::string_view testo);

class Guida {
public:
    // Lines of a paragraph that was wrapped in the source are joined by one blank; runs of
    // empty lines count as one; CR LF line ends, a UTF-8 byte-order mark and any text before
    // the first title are tolerated.
    static Guida DaTesto(std::string_view testo);
    // Throws std::runtime_error when the file cannot be read.
    static Guida DaFile(const std::filesystem::path& percorso);

    const std::vector<Pagina>& Pagine() const { return pagine_; }
    // The first page with exactly this title, or nullptr.
    const Pagina* Trova(std::string_view titolo) const;

private:
    std::vector<Pagina> pagine_;
};

}  // namespace guida
