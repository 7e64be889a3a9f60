#pragma once

#include "core/formula.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace Calculos {

// Both lists of the molar calculator have ten rows.
inline constexpr int kFilasComposicion = 10;

struct FilaPorcentual {
    std::string simbolo;
    double porcentaje; // rounded to 4 decimals
};

// One row per group of the formula, rightmost group first, at most ten (the
// others are not shown): mass x count x 100 / the molar mass as displayed.
// No rows for a molar mass that is not a positive finite number.
std::vector<FilaPorcentual> ComposicionPorcentual(const std::vector<GrupoFormula> &grupos, double masaMolar);

// A row of the empirical-formula frame that takes part in the calculation:
// it has both a symbol and a percentage.
struct DatoEmpirico {
    std::string simbolo;
    double porcentaje;
};

using FilasEmpiricas = std::array<std::optional<DatoEmpirico>, kFilasComposicion>;
using Razones = std::array<double, kFilasComposicion>;

// The texts of the frame, row by row, as typed.
struct TextosFila {
    std::string elemento;
    std::string porcentaje;
};
using TextosEmpiricos = std::array<TextosFila, kFilasComposicion>;

enum class FalloDatos {
    Ninguno,
    SinPrimerElemento,    // the first row has no symbol
    SinPrimerPorcentaje,  // the first row has no percentage
    PorcentajeNoNumerico, // a row's percentage is not a number
};

struct DatosEmpiricos {
    FalloDatos fallo;
    int fila; // index (0..9) of the offending row when fallo is not Ninguno
    FilasEmpiricas filas;
};

// Reads the frame in the order its faults are told: the first row's symbol,
// its percentage, then the first row whose percentage is not a number. The
// rows that have both a symbol and a percentage take part.
DatosEmpiricos LeerDatosEmpiricos(const TextosEmpiricos &textos);

enum class FalloEmpirico {
    Ninguno,
    SimboloDesconocido, // the row's symbol has no calculation mass
    PorcentajeNoValido, // zero, negative, or so far from the others that the ratio overflows
};

struct ResultadoEmpirico {
    FalloEmpirico fallo;
    int fila;           // index (0..9) of the offending row when fallo is not Ninguno
    Razones subindices; // whole numbers; 0 where nothing is to be shown
};

// Mole ratio of every row (percentage / atomic mass) relative to the smallest
// one, fractions cleared by SinFracciones, rounded to whole numbers. Row 0
// must take part. Rows that do not take part get 0.
ResultadoEmpirico FormulaEmpirica(const FilasEmpiricas &filas);

// Distance above which a ratio is not taken as a whole number.
inline constexpr double kTolerancia = 0.3;
// Factors 2 and 3 clear any fraction the tolerance lets through; the bound
// only guards against arithmetic that is not exact.
inline constexpr int kMultiplicadorMaximo = 9;

// One pass per row, in order: when the row is more than the tolerance away
// from a whole number, every ratio is multiplied by the first factor 2, 3, ...
// that brings that row within the tolerance. A later pass may move rows
// already examined; they are not looked at again.
Razones SinFracciones(Razones r);

} // namespace Calculos
