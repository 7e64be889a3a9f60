#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace Calculos {

// What the number typed next to a unit list measures once converted.
enum class Magnitud {
    Ninguna,    // no entry selected: the quantity stays 0
    Molar,      // mol/l
    Masica,     // g/l
    Porcentaje, // mass percent of solute, as typed
    Volumen,    // l
};

struct Unidad {
    std::string_view texto;
    Magnitud magnitud;
    double divisor; // typed value / divisor = value in the base unit
};

inline constexpr std::array kUnidadesConcInicial{
    Unidad{"M", Magnitud::Molar, 1.0},    Unidad{"mM", Magnitud::Molar, 1e3},    Unidad{"uM", Magnitud::Molar, 1e6},
    Unidad{"g/l", Magnitud::Masica, 1.0}, Unidad{"mg/l", Magnitud::Masica, 1e3}, Unidad{"ug/l", Magnitud::Masica, 1e6},
};
inline constexpr std::array kUnidadesConcFinal{
    Unidad{"M", Magnitud::Molar, 1.0},      Unidad{"mM", Magnitud::Molar, 1e3},   Unidad{"uM", Magnitud::Molar, 1e6},
    Unidad{"%", Magnitud::Porcentaje, 1.0}, Unidad{"g/l", Magnitud::Masica, 1.0}, Unidad{"mg/l", Magnitud::Masica, 1e3},
    Unidad{"ug/l", Magnitud::Masica, 1e6},
};
inline constexpr std::array kUnidadesVolumen{
    Unidad{"l", Magnitud::Volumen, 1.0},
    Unidad{"ml", Magnitud::Volumen, 1e3},
    Unidad{"ul", Magnitud::Volumen, 1e6},
};

// Entries selected when the window opens.
inline constexpr int kConcInicialAlCargar = 0;
inline constexpr int kConcFinalAlCargar = 0;
inline constexpr int kVolumenAlCargar = 1;

static_assert(kUnidadesConcInicial.size() == 6 && kUnidadesConcFinal.size() == 7 && kUnidadesVolumen.size() == 3);
static_assert(kUnidadesConcInicial[kConcInicialAlCargar].texto == "M");
static_assert(kUnidadesConcFinal[kConcFinalAlCargar].texto == "M");
static_assert(kUnidadesVolumen[kVolumenAlCargar].texto == "ml");
// Only the desired concentration can be a percent; the stock list has none.
static_assert(kUnidadesConcFinal[3].magnitud == Magnitud::Porcentaje &&
              kUnidadesConcInicial[3].magnitud == Magnitud::Masica);

// Results are shown with this many decimals.
inline constexpr int kDecimalesDisolucion = 3;

struct Cantidad {
    Magnitud magnitud = Magnitud::Ninguna;
    double valor = 0.0; // in the base unit of its magnitude
};

// The typed value converted by the entry at `posicion` of `lista`. A position
// outside the list (no entry selected) gives Ninguna and 0.
Cantidad CantidadBase(std::span<const Unidad> lista, int posicion, double valor);

// Position of the entry whose text is exactly `texto`, or -1.
int PosicionUnidad(std::span<const Unidad> lista, std::string_view texto);

// Grams of solute in `litros` of the desired solution: Pm x C x V for a
// molar unit, V x M for a mass unit, V x P x 1000 / 100 for a percent (the
// final solution is taken to weigh 1 g/ml). 0 when the desired concentration
// has no unit. Nothing when the product is too large for a double.
std::optional<double> MasaSoluto(const Cantidad &deseada, double litros, double pm);

// Millilitres of a pure liquid of the given density (g/ml) that weigh `gramos`.
// Nothing when the density is 0 (or the quotient does not fit a double): the
// mass is still meaningful, the volume is not.
std::optional<double> VolumenLiquido(double gramos, double densidad);

// Why a stock solution cannot give the desired one, the first reason found,
// checked in this order.
enum class FalloConcentracion {
    Ninguno,
    MasicaMayor,         // desired g/l above stock g/l
    MolarMayor,          // desired mol/l above stock mol/l
    MasicaMayorQueMolar, // desired g/l, in mol/l through Pm, above stock mol/l
    MolarMayorQueMasica, // stock g/l, in mol/l through Pm, below desired mol/l
};

// Only concentrations that are both non-zero are compared; a desired percent
// never is. With a molar mass of 0 the comparisons that go through it cannot
// be made and do not fail: the stock volume then has no value either.
FalloConcentracion ComprobarConcentraciones(const Cantidad &deseada, const Cantidad &partida, double pm);

struct VolumenPartida {
    double litros;
    bool mayorQueVolumen; // more stock than solution to prepare: reported, still shown
};

// Litres of stock solution to dilute to `litros` of the desired solution,
// by the pair of units (molar, mass or percent desired; molar or mass stock).
// 0 when either concentration has no unit. Nothing when the pair divides by
// 0 (a stock concentration of 0, or a molar mass of 0 where it is needed)
// or the arithmetic overflows; the window then shows no result.
std::optional<VolumenPartida> VolumenDePartida(const Cantidad &deseada, const Cantidad &partida, double litros,
                                               double pm);

// A result in the unit that reads best, the number rounded for display.
struct Escalado {
    double valor;
    std::string_view unidad;
};

// Grams: above 1000 in "kg"; from 0,9 to 1000 in "g"; from 0,0009 in "mg";
// below that in "ug", except a negative mass too large to show in "ug",
// which stays in "g". The same holds for the smallest unit of the other two.
Escalado EscalarMasa(double gramos);

// Millilitres: above 1000 in "l"; from 0,9 to 1000 in "ml"; from 0,0009 in
// "ul"; below that in "nl".
Escalado EscalarVolumenLiquido(double mililitros);

// Litres, with no larger unit: from 0,9 in "l"; from 0,0009 in "ml"; from
// 9e-7 in "ul"; below that in "nl".
Escalado EscalarVolumenPartida(double litros);

} // namespace Calculos
