#pragma once

#include "puzzle/puzle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Calculos {

// Each value of a puzzle's best time lives in a settings section of its own,
// under one key.
struct SeccionesMarca {
    std::string_view nombre;
    std::string_view segundos;
    std::string_view minutos;
    std::string_view fallos;
};

SeccionesMarca SeccionesDe(Tablero tablero);

inline constexpr std::string_view kClaveMarca = "cvalor";

// "<section>/cvalor", the settings key of a value.
std::string ClaveAjustes(std::string_view seccion);

inline constexpr std::string_view kHayMarca = "Mejor marca registrada";
inline constexpr std::string_view kSinMarca = "Ninguna marca registrada";
inline constexpr std::string_view kMarcaMejorada = "Marca mejorada";

// Caption of the record frame after the record is erased; the reduced
// puzzle has always spelt it its own way.
std::string_view TextoMarcaBorrada(Tablero tablero);

// Whole numbers read back from labels and from the settings store, which a
// user may have edited by hand. Beyond this they count as this, so sums of
// minutes and seconds never overflow.
inline constexpr std::int64_t kEnteroMaximo = 1'000'000'000'000;

// A whole number 0 or more (blanks around and an exponent allowed, as in
// every number of the program); nothing for an empty, negative, fractional
// or unreadable text.
std::optional<std::int64_t> EnteroDeEtiqueta(std::string_view texto);

// minutes x 60 + seconds; stored seconds of "60" make a whole minute.
std::optional<std::int64_t> SegundosDeMarca(std::string_view minutos, std::string_view segundos);

enum class ComparacionMarca {
    SinMarca,   // nothing usable stored: a first record can be saved
    Mejorada,   // faster than the record: "Marca mejorada" and the save button
    NoMejorada, // as fast or slower, or played without the stopwatch: no button
};

// The game's time from the clock labels against the stored one. Only the
// time counts, never the misses. A stored time that is missing or cannot be
// read (hand-edited, negative) is no record.
ComparacionMarca CompararConMarca(std::string_view minutos, std::string_view segundos, std::string_view marcaMinutos,
                                  std::string_view marcaSegundos);

} // namespace Calculos
