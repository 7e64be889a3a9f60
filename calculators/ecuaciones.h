#pragma once

#include "core/formula_quimica.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Balancing a chemical equation and its stoichiometry, for the equation
// window.
namespace Calculos {

// Shown rounded through Redondear: the molar mass, the moles and the grams to
// 3 decimals, as the molar calculator shows them. Every computation uses the
// unrounded values; only what is shown is rounded.
inline constexpr int kDecimalesMasaEcuacion = 3;
inline constexpr int kDecimalesCantidadEcuacion = 3;

enum class ErrorEcuacion { Ninguno, NoValida, SimboloDesconocido, UnSoloLado, SinAjuste, VariosAjustes };

struct EspecieEcuacion {
    FormulaQuimica formula;
    long long coeficiente = 0; // from the balance; the one typed is ignored
    double masaMolar = 0;      // g/mol from the catalogue's calculation masses, unrounded
};

struct AjusteEcuacion {
    ErrorEcuacion error = ErrorEcuacion::NoValida;
    std::string simbolo;                   // the unknown symbol, or the element on one side only
    std::vector<EspecieEcuacion> especies; // reactants first, then products, in writing order
    std::size_t reactivos = 0;             // how many of them are reactants
};

// Reads and balances an equation: species separated by a "+" with blanks on
// both sides, the sides by one "->", "=>", "=" or "→"; a species may start
// with a coefficient, which is ignored. The formulas are those of
// LeerFormulaQuimica, and every element must have a calculation mass. The
// coefficients are the smallest positive whole numbers that conserve every
// element and the charge, found by exact integer elimination; a balance that
// needs numbers past a long long is treated as none.
// Checked in this order: syntax, unknown symbols, an element on one side
// only, then the balance.
AjusteEcuacion AjustarEcuacion(std::string_view texto);

// The message the window shows for an error; empty for none.
std::string MensajeEcuacion(const AjusteEcuacion &a);

// "4 Fe + 3 O₂ → 2 Fe₂O₃": coefficients of 1 left out, Unicode formulas,
// states kept. Empty when the equation did not balance.
std::string EscribirEcuacion(const AjusteEcuacion &a);

// One row of the check table: an element, or the charge (nombre "Carga"),
// counted on each side with the coefficients.
struct FilaComprobacion {
    std::string nombre;
    long long reactivos;
    long long productos;
};

// The elements in order of first appearance, then the charge. Empty when the
// equation did not balance; a total past a long long stays at its largest.
std::vector<FilaComprobacion> ComprobarEcuacion(const AjusteEcuacion &a);

// Molar mass of a formula from the calculation masses (MasaAtomicaSimple /
// MasaAtomicaDoble, as the molar calculator); nothing when an element has
// none or the sum is not finite. The electron weighs nothing here.
std::optional<double> MasaMolarQuimica(const FormulaQuimica &f);

// An amount the user typed for one species: moles, or grams.
struct CantidadDada {
    std::size_t especie;
    double valor;
    bool enGramos;
};

struct Estequiometria {
    // Per species, unrounded: the moles that react or form, and their grams.
    std::vector<double> moles;
    std::vector<double> gramos;
    // Per species: the moles and grams of a given reactant left unreacted; 0
    // for every other species.
    std::vector<double> molesSobrantes;
    std::vector<double> gramosSobrantes;
    // The reactant that runs out first, when two or more reactants were given.
    std::optional<std::size_t> limitante;
};

// The amounts that follow from those given. With reactants given, the one
// giving the least reaction limits it and the others may be left over;
// with products only, the least of them fixes the reaction. Nothing when the
// equation did not balance, nothing is given, a species index is out of
// range or given twice, an amount is not a finite number greater than 0, or a
// result is not finite.
std::optional<Estequiometria> CalcularEstequiometria(const AjusteEcuacion &a, const std::vector<CantidadDada> &dadas);

} // namespace Calculos
