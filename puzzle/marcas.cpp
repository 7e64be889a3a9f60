#include "puzzle/marcas.h"

#include "core/numeros.h"

#include <algorithm>
#include <cmath>

namespace Calculos {

SeccionesMarca SeccionesDe(Tablero tablero)
{
    if (tablero == Tablero::Reducido)
        return {"NombrePuzleRedu", "MarcaSegRedu", "MarcaMinRedu", "MarcaFallosRedu"};
    return {"NombrePuzleFull", "MarcaSegFull", "MarcaMinFull", "MarcaFallosFull"};
}

std::string ClaveAjustes(std::string_view seccion)
{
    std::string clave(seccion);
    clave += '/';
    clave += kClaveMarca;
    return clave;
}

std::string_view TextoMarcaBorrada(Tablero tablero)
{
    return tablero == Tablero::Reducido ? "Ninguina marca registrada" : kSinMarca;
}

std::optional<std::int64_t> EnteroDeEtiqueta(std::string_view texto)
{
    const std::optional<double> v = TextoANumero(texto);
    if (!v || !std::isfinite(*v) || *v < 0.0 || std::trunc(*v) != *v)
        return std::nullopt;
    // Compared as doubles: the bound is exact, and no cast meets a value it cannot hold.
    if (*v >= static_cast<double>(kEnteroMaximo))
        return kEnteroMaximo;
    return static_cast<std::int64_t>(*v);
}

std::optional<std::int64_t> SegundosDeMarca(std::string_view minutos, std::string_view segundos)
{
    const auto m = EnteroDeEtiqueta(minutos);
    const auto s = EnteroDeEtiqueta(segundos);
    if (!m || !s)
        return std::nullopt;
    return *m * 60 + *s;
}

ComparacionMarca CompararConMarca(std::string_view minutos, std::string_view segundos, std::string_view marcaMinutos,
                                  std::string_view marcaSegundos)
{
    const auto guardado = SegundosDeMarca(marcaMinutos, marcaSegundos);
    if (!guardado)
        return ComparacionMarca::SinMarca;
    // The clock labels are the program's own; should one be unreadable the
    // game counts as played without the stopwatch.
    const std::int64_t actual = SegundosDeMarca(minutos, segundos).value_or(0);
    if (actual != 0 && actual < *guardado)
        return ComparacionMarca::Mejorada;
    return ComparacionMarca::NoMejorada;
}

} // namespace Calculos
