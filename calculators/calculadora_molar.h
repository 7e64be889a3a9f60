#pragma once

#include <optional>
#include <string_view>

// The grams <-> moles step of the molar calculator, on the texts of its
// boxes: the amounts and the molar mass as displayed.
namespace Calculos {

// An amount is given in one box with the other left empty, or in neither.
bool CantidadesAceptadas(std::string_view moles, std::string_view gramos);

// Moles x the molar mass, rounded to 3 decimals. Nothing when either text
// is not a number or the result is too large to show.
std::optional<double> GramosDeMoles(std::string_view moles, std::string_view masaMolar);

// Grams / the molar mass, rounded to 3 decimals. Nothing when either text is
// not a number, the mass is 0 or the result is too large to show.
std::optional<double> MolesDeGramos(std::string_view gramos, std::string_view masaMolar);

} // namespace Calculos
