#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Calculos {

// "Numero" for a single character "0".."9", "Letra" for anything else.
std::string TipoCaracter(std::string_view c);

// The value 0..9 of a single digit character, 0 for anything else.
double ValorDigito(std::string_view c);

// Calculation mass (g/mol) of a one-letter symbol (H, B, C, N, O, F, P, S, K,
// V, Y, I, W, U), or 0.
double MasaAtomicaSimple(std::string_view s);

// Calculation mass (g/mol) of a two-letter symbol, or 0 (also for the
// elements 110..118, which have no calculation mass).
double MasaAtomicaDoble(std::string_view s);

enum class ErrorFormula { Ninguno, Vacia, EmpiezaPorNumero, SimboloDesconocido };

struct GrupoFormula {
    std::string simbolo;
    double masa;   // calculation mass of the symbol
    double cuenta; // its count; an absent or zero count is 1
};

struct AnalisisFormula {
    double masa; // molar mass in g/mol; 0 on any error
    ErrorFormula error;
    std::vector<GrupoFormula> grupos; // right to left; on an error, those found before it
};

// Reads a formula from its right end to its left: each group is a count
// (trailing digits) preceded by its symbol. The molar mass is the sum of
// mass x count, added from the rightmost group to the leftmost. Blanks around
// the formula are ignored; anything else that is not a symbol with a
// calculation mass is refused.
AnalisisFormula AnalizarFormula(std::string_view formula);

} // namespace Calculos
