#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Calculos {

// The kinds of inorganic compound and ion a school course names.
enum class TipoCompuesto {
    Oxido,
    HalogenuroOxigeno,
    Peroxido,
    HidruroMetalico,
    HidruroProgenitor,
    Hidracido,
    SalBinaria,
    Hidroxido,
    Oxoacido,
    Oxosal,
    SalAcida,
    Cation,
    Anion,
};
inline constexpr int kNumeroTipos = 13;

// "Óxido", "Halogenuro de oxígeno", ... as the window shows the kind.
std::string_view NombreDeTipo(TipoCompuesto tipo);

// One compound or ion and its names; a name that does not apply is empty.
struct Compuesto {
    std::string formula; // Unicode subscripts and superscript charge: "Fe₂O₃", "SO₄²⁻"
    TipoCompuesto tipo;
    std::string composicion; // with multiplying prefixes
    std::string stock;
    std::string hidrogeno;
    std::string sustitucion; // of parent hydrides
    std::string tradicional;
    bool escolar; // made only of the elements a first course practises with
};

// Every compound the rules know: built once, from the usual oxidation
// numbers (core/valencias.h) and the Spanish words, the first time it is
// asked for.
const std::vector<Compuesto> &CatalogoFormulacion();

// The compound's names, each once, in the order of the window's labels.
std::vector<std::string> NombresDe(const Compuesto &c);

enum class ErrorNomenclatura { Ninguno, Vacia, SimboloDesconocido, FormulaNoValida, NombreNoReconocido, Oxidacion };

struct Nomenclatura {
    const Compuesto *compuesto = nullptr; // in CatalogoFormulacion(), when found
    ErrorNomenclatura error = ErrorNomenclatura::Ninguno;
    std::string simbolo{};  // the unknown symbol
    bool porNombre = false; // the entry was a name
    std::string nombre{};   // that name as it is spelled right
};

// A formula ("Fe2O3", "Fe₂O₃", "SO4^2-"; letter case counts) or a name
// (capitals, missing accents and older forms accepted) to the compound.
Nomenclatura Nombrar(std::string_view entrada);

// Only the name route or only the formula route of Nombrar.
Nomenclatura BuscarNombre(std::string_view nombre);
Nomenclatura BuscarFormula(std::string_view formula);

// The message for an error: "Símbolo desconocido: Xx.", "Fórmula no
// válida.", "Nombre no reconocido." or the one on oxidation numbers; empty
// without an error.
std::string TextoDeError(const Nomenclatura &n);

// A name as names are compared: lower case, without accents or blanks around
// brackets, with the minus sign as a hyphen and the prefix of an older form
// (pentóxido, tetróxido) as the current one writes it.
std::string NormalizarNombre(std::string_view nombre);

} // namespace Calculos
