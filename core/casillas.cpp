#include "core/casillas.h"

#include <algorithm>
#include <array>

namespace Calculos {

std::string NombreCasilla(std::string_view simbolo)
{
    constexpr std::array<std::string_view, 6> kConT{"As", "In", "Tb", "Th", "Tl", "Y"};
    std::string nombre(simbolo);
    if (std::find(kConT.begin(), kConT.end(), simbolo) != kConT.end())
        nombre.insert(0, 1, 'T');
    return nombre;
}

} // namespace Calculos
