#pragma once

#include <span>

namespace Calculos {

// The usual oxidation numbers of element z (1..118), the "valencias" a
// Spanish class learns: signed, ascending, without repeats. Empty for an
// element school lists leave out, and for any z out of range.
std::span<const int> Valencias(int z);

} // namespace Calculos
