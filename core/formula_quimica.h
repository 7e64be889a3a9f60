#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Calculos {

// The chemist's formula as written in equations and names: nested round and
// square brackets, subscript digits, hydrates, charges and states. The molar
// calculator keeps its own, older scan (core/formula.h).

enum class ErrorLectura { Ninguno, Vacia, Sintaxis, SimboloDesconocido };

// One term of a formula: an element or a bracketed group.
struct NodoFormula {
    std::string simbolo;            // element symbol ("Fe"); empty for a bracketed group
    std::vector<NodoFormula> grupo; // the group's terms, when simbolo is empty
    char cierre = 0;                // ')' or ']' for a group
    long long cuenta = 1;           // subscript after the term
};

struct FormulaQuimica {
    std::vector<NodoFormula> terminos; // main part, in writing order
    // Hydrate parts after "·", "." or "*": (multiplier, terms), e.g. 5 H2O.
    std::vector<std::pair<long long, std::vector<NodoFormula>>> aductos;
    int carga = 0;         // ionic charge
    bool electron = false; // the species "e^-" / "e⁻"
    std::string estado;    // "s", "l", "g", "aq" when written "(s)"... at the end, else empty
};

struct LecturaFormula {
    FormulaQuimica formula;
    ErrorLectura error = ErrorLectura::Ninguno;
    std::string simbolo; // the unknown symbol, e.g. "Xx"
};

// Reads a UTF-8 formula. Blanks around it are ignored; inside it none are
// allowed. Counts are plain or subscript digits (₀-₉) and never 0; letter
// case counts ("Co" is cobalt, "CO" carbon monoxide); symbols are those of
// BuscarElemento. A hydrate part follows "·", "•", "⋅", "." or "*" with an
// optional plain multiplier. The charge comes last, before the state: "^2-",
// "^-2", "^+", or superscripts "²⁻", "⁺"; the electron is "e^-" or "e⁻".
// The state is one of "(s)", "(l)", "(g)", "(aq)" at the very end.
// Brackets nest at most 64 deep, and a formula whose counts of atoms do not
// fit a long long is a syntax error, so every count a read formula gives is
// exact.
LecturaFormula LeerFormulaQuimica(std::string_view texto);

// Every element's total, hydrate parts included. On a formula that was not
// read by LeerFormulaQuimica a total that overflows stays at the largest
// long long.
std::map<std::string, long long> ContarAtomos(const FormulaQuimica &f);

// Unicode: subscript digits, superscript charge ("SO₄²⁻", "Fe³⁺", "NH₄⁺",
// "CuSO₄·5H₂O", "e⁻"); counts of 1 left out; brackets as written; the state
// kept ("Fe³⁺(aq)").
std::string EscribirFormula(const FormulaQuimica &f);

// A blank between the parts of a formula or an equation, and a text without
// the blanks around it.
bool EsBlanco(char c);
std::string_view Recortar(std::string_view t);

} // namespace Calculos
