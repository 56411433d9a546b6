#pragma once
// Text helpers shared by every archive, list and window: Windows-1252 conversion,
// the storing and showing conversions of record fields, pad/cut, A–Z folding.
// All texts in the program are UTF-8 std::string; files hold Windows-1252 bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace testo {

// UTF-8 → Windows-1252. Characters without a Windows-1252 form (and malformed UTF-8)
// become '?'.
std::string InWindows1252(std::string_view utf8);

// True when every character of the text has a Windows-1252 form, so that it is stored as
// it is shown; false for malformed UTF-8 too.
bool StaInWindows1252(std::string_view utf8);

// One character of a UTF-8 text: the code point at s[i], moving i past it. Malformed input
// gives U+FFFD and moves on by one byte.
char32_t ProssimoCarattere(std::string_view s, std::size_t& i);
// The Windows-1252 byte of a character, or -1 when it has none.
int CodiceWindows1252(char32_t c);

// Windows-1252 → UTF-8. Every byte has a form (the five unassigned ones map to the
// C1 controls of the same code), so this never fails.
std::string DaWindows1252(std::string_view cp1252);
// The same written at `out`, which has room for three bytes for each byte of `cp1252` (the
// most one character takes); returns how many bytes were written.
std::size_t ScriviDaWindows1252(char* out, std::string_view cp1252);

// Removes leading and trailing characters of code 32 or below (blanks and controls).
std::string Rifila(std::string_view s);
// The same, as a view into `s` (it works alike on UTF-8 and Windows-1252: those characters
// are the same bytes in both).
std::string_view RifilaVista(std::string_view s);

// The storing conversion of a record field: trimmed, in Windows-1252, at most
// `capacita` bytes.
std::string PerArchivio(std::string_view utf8, std::size_t capacita);
// The same written into `out` (room for `capacita` bytes); how many bytes it wrote.
std::size_t ScriviPerArchivio(unsigned char* out, std::string_view utf8, std::size_t capacita);

// The showing conversion: from Windows-1252, trimmed.
std::string DaArchivio(std::string_view cp1252);
// The same, appended to `out` and padded/cut to `larghezza` characters as PadTaglia does
// (npos: whole). Lines of fixed columns are built this way straight from stored fields.
void AccodaDaArchivio(std::string& out, std::string_view cp1252,
                      std::size_t larghezza = std::string_view::npos);

// Number of characters (code points) of a UTF-8 text.
std::size_t Lunghezza(std::string_view utf8);

// Appends blanks, then keeps exactly the first n characters.
std::string PadTaglia(std::string_view utf8, std::size_t n);

// At most n characters from character `da` on (0-based); fewer, or none, past the end.
std::string Caratteri(std::string_view utf8, std::size_t da, std::size_t n);

// Only the letters A–Z / a–z change; accented letters stay as they are.
std::string MinuscoleAZ(std::string_view s);
std::string MaiuscoleAZ(std::string_view s);

// Compares two texts character by character with A–Z folded to one case and every other
// character by its code: the order of the result lists.
int ConfrontaSenzaMaiuscole(std::string_view a, std::string_view b);
// Appends the order key of a text: plain byte comparison of two keys (std::string_view
// order) gives the order of ConfrontaSenzaMaiuscole, so a list is sorted on keys computed
// once per line. With `massimo`, stops once that many bytes of key are made (a prefix of
// the key, for a first sort).
void AccodaChiaveOrdine(std::string& out, std::string_view utf8,
                        std::size_t massimo = std::string_view::npos);

// True when the text is not empty and holds only the digits 0 to 9.
bool SoloCifre(std::string_view s);

}  // namespace testo
