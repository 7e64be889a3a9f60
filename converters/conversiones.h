#pragma once

#include "core/conversor.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// The arithmetic of the three unit converters. The windows decide what is read
// from which box and when; these functions only give the numbers, already
// rounded the way each box shows them unless they say otherwise.
namespace Calculos {

// Temperature: degrees Celsius, degrees Fahrenheit and kelvin, two decimals.
enum class Escala { Celsius, Fahrenheit, Kelvin };
inline constexpr std::size_t kEscalas = 3;
inline constexpr int kDecimalesTemperatura = 2;

// `t`, read in `origen`, expressed in `destino` and rounded for its box.
double ConvertirTemperatura(Escala origen, Escala destino, double t);

// The other two boxes, in the order they are written after typing in `origen`.
std::array<Escala, 2> OrdenTemperatura(Escala origen);

// Below absolute zero. Celsius needs no check of its own: a Celsius value
// below it reaches the kelvin box as a negative number.
bool KelvinBajoCero(double k);
bool FahrenheitBajoCero(double f);

// What the three boxes show once a temperature has been snapped to absolute zero.
inline constexpr std::string_view kCeroAbsolutoK = "0";
inline constexpr std::string_view kCeroAbsolutoC = "-273,15";
inline constexpr std::string_view kCeroAbsolutoF = "-459,67";

// Pressure: every conversion goes through the atmosphere, three decimals.
enum class UnidadPresion { Atm, Hg, Bar, Pa, Dina, Kg };
inline constexpr std::size_t kUnidadesPresion = 6;
inline constexpr int kDecimalesPresion = 3;

// `x` in `u` expressed in atmospheres, unrounded: the atmosphere box first
// shows the number's full text.
double AAtmosferas(UnidadPresion u, double x);

// `atm` atmospheres expressed in `u`, rounded for its box (for `Atm` itself,
// the atmospheres rounded).
double DesdeAtmosferas(UnidadPresion u, double atm);

// After typing in `origen` (and, when it is not the atmosphere box, after the
// unrounded atmospheres have been written), the boxes written from the text of
// the atmosphere box, in order. `Atm` in the list is the moment the
// atmosphere box is rounded in place, which changes everything written after it.
std::span<const UnidadPresion> OrdenPresion(UnidadPresion origen);

// Energy: two independent groups, cal/J and kcal/mol, kJ/mol, eV; three decimals.
enum class UnidadEnergia { Cal, J, KcalMol, KJMol, EV };
inline constexpr std::size_t kUnidadesEnergia = 5;
inline constexpr int kDecimalesEnergia = 3;

// The boxes of the group `u` belongs to, `u` included.
std::span<const UnidadEnergia> GrupoEnergia(UnidadEnergia u);

// The unit of its group every other one is derived from: J, or kJ/mol.
UnidadEnergia Referencia(UnidadEnergia u);

// `x` in `u` expressed in its reference unit, rounded for its box.
double AReferencia(UnidadEnergia u, double x);

// `y` in the reference unit of `u` expressed in `u`, rounded for its box.
double DesdeReferencia(UnidadEnergia u, double y);

// The boxes written after typing in `origen`, in order. The reference box
// comes from the typed value; every other one from the reference box's text.
std::span<const UnidadEnergia> OrdenEnergia(UnidadEnergia origen);

// The three windows' rules, boxes numbered as the units above: every write
// after typing in a box, in the orders above, and its value.
extern const Conversor kConversorTemperatura;
extern const Conversor kConversorPresion;
extern const Conversor kConversorEnergia;

} // namespace Calculos
