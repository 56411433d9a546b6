#pragma once
// The spreadsheet file every export writes: an HTML document with the Office spreadsheet
// namespaces and a workbook description, so that a spreadsheet program opens it as a
// workbook of one worksheet although it is HTML. Windows-1252, one single line.
//
// What a spreadsheet shows must be exactly what the grid held: "&", "<" and ">" are
// written as entities, a character with no Windows-1252 form (or a control character,
// which would break the line) as a numeric character reference, and every data cell is
// marked as text both for Excel (x:str) and for LibreOffice (sdnum with the text format),
// so "=1+1" or a partita IVA with a leading zero stays as typed.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/archive/FileIntero.h"

namespace foglio {

// A header cell: its text and its width in the spreadsheet's pixel units.
struct Intestazione {
    std::string_view testo;
    int larghezza;
};

// The data rows: how many, and the text (UTF-8) of a cell by row and column, the columns
// in the order of the header cells. The caller trims the cells.
struct Righe {
    std::size_t numero = 0;
    std::function<std::string_view(std::size_t riga, std::size_t colonna)> cella;
};

// The file's bytes, handed to `scrivi` in pieces of about a megabyte.
void Componi(std::string_view nomeFoglio, std::span<const Intestazione> intestazioni,
             const Righe& righe, const std::function<void(std::string_view)>& scrivi);
std::string Componi(std::string_view nomeFoglio, std::span<const Intestazione> intestazioni,
                    const Righe& righe);

// Writes the file whole: an existing file is replaced only once the new one is complete.
// Throws ErroreAccessoArchivio on any failure, leaving the old file as it was.
void Scrivi(const std::filesystem::path& file, std::string_view nomeFoglio,
            std::span<const Intestazione> intestazioni, const Righe& righe);

// The same sheet as an Office Open XML workbook (.xlsx), which spreadsheet programs open
// far faster than the HTML file and which keeps every character of a cell: one worksheet
// named `nomeFoglio`, the header row bold and frozen, each column as wide as its header
// cell, every cell a text cell holding exactly the grid's text ("=1+1" and "007" stay
// text, runs of blanks and tabs stay). Written whole through a temporary file, like the
// HTML one. Throws ErroreAccessoArchivio on any failure, leaving the old file as it was.
void ScriviXlsx(const std::filesystem::path& file, std::string_view nomeFoglio,
                std::span<const Intestazione> intestazioni, const Righe& righe);
// "Contatti.xls" → "Contatti.xlsx": the workbook's name beside the HTML file's.
std::filesystem::path NomeXlsx(const std::filesystem::path& fileXls);

// A text as it stands in a cell of the file: Windows-1252 with the replacements above.
void AccodaTesto(std::string& out, std::string_view utf8);

// A data cell's text: as AccodaTesto, but a run of two or more blanks is kept. HTML readers
// fold such a run into one blank; Excel keeps the blanks of an "mso-spacerun" span (its own
// way of writing them), LibreOffice keeps blanks written as character references. A tab
// cannot be kept: LibreOffice reads it, in every form, as one blank.
void AccodaCella(std::string& out, std::string_view utf8);

// The pieces of the file, for whoever needs to check it.
inline constexpr std::string_view InizioCellaIntestazione =
    "<td style=\"text-align: left; font-weight: bold;\" width=";
inline constexpr std::string_view InizioCella = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
inline constexpr std::string_view FineCella = "</td>";
inline constexpr std::string_view InizioBianchi = "<span style=\"mso-spacerun:yes\">";
inline constexpr std::string_view FineBianchi = "</span>";
inline constexpr std::string_view Epilogo = "</table></body></html>";
// The prologue up to the worksheet name, and from it to the table.
inline constexpr std::string_view PrologoPrimaDelNome =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";
inline constexpr std::string_view PrologoDopoIlNome =
    "</x:Name>"
    "<x:WorksheetOptions>"
    "<x:Selected/>"
    "<x:Panes>"
    "<x:Pane>"
    "<x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane>"
    "</x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions>"
    "</x:ExcelWorksheet>"
    "</x:ExcelWorksheets>"
    "</x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head>"
    "<body>"
    "<table x:str>";

// The export command's two questions (CR LF CR LF inside).
inline constexpr std::string_view DomandaEsporta =
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?";
inline constexpr std::string_view DomandaApri =
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file "
    "di Excel?";

}  // namespace foglio
