#pragma once
// The order of the result lists and of the grids' keys: A–Z folded to one case, every other
// byte by its code, ties kept in the order they came. Lines are sorted eight key bytes at a
// time, on keys made once, with a radix pass where a group is large.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace elenco {

// Ascending, character by character, A–Z folded to one case, everything else by its code.
bool PrimaDi(std::string_view a, std::string_view b);
// Sorts lines into list order; lines equal in that order keep the order they came in.
void Ordina(std::vector<std::string>& righe);
// The list order of n texts, `testo(i)` for i below n, as their indexes; texts equal in
// that order keep the order of their indexes.
std::vector<std::uint32_t> OrdineTesti(std::size_t n,
                                       const std::function<std::string_view(std::size_t)>& testo);

}  // namespace elenco
