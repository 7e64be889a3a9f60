#include "core/casillas.h"

#include "core/numeros.h"

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

std::string LecturaElemento(const Elemento &e)
{
    return std::string(e.nombre) + ", número atómico " + NumeroATexto(e.z);
}

std::string LugarDelCuerpo(int grupo, int periodo)
{
    return "Grupo " + NumeroATexto(grupo) + ", periodo " + NumeroATexto(periodo);
}

std::string LugarDeSerie(int columnaF, int periodo)
{
    return std::string(periodo == 6 ? "Lantánidos" : "Actínidos") + ", columna " + NumeroATexto(columnaF);
}

std::string LugarCasilla(const Elemento &e)
{
    return e.columnaF > 0 ? LugarDeSerie(e.columnaF, e.periodo) : LugarDelCuerpo(e.grupo, e.periodo);
}

std::string DescripcionCasilla(const Elemento &e)
{
    return std::string(NombreDeClase(e.clase)) + ". " + LugarCasilla(e);
}

} // namespace Calculos
