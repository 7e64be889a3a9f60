// Naming any text as a formula or a name: never a crash, and whatever is
// named reads back, by its formula and by each of its names, to itself.

#include "formulation/nomenclatura.h"
#include "formulation/practica_formulacion.h"
#include "fuzz/comun.h"

using namespace Fuzz;
using Calculos::ErrorNomenclatura;

// The catalogue is built once, before the first input is timed.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Calculos::CatalogoFormulacion();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    const std::string entrada(reinterpret_cast<const char *>(bytes), tamano);
    const Calculos::Nomenclatura n = Calculos::Nombrar(entrada);
    EXIGIR((n.compuesto != nullptr) == (n.error == ErrorNomenclatura::Ninguno), T(entrada));
    EXIGIR(Calculos::TextoDeError(n).empty() ==
               (n.error == ErrorNomenclatura::Ninguno || n.error == ErrorNomenclatura::Vacia),
           T(entrada));
    if (n.error == ErrorNomenclatura::SimboloDesconocido)
        EXIGIR(!n.simbolo.empty(), T(entrada));
    if (!n.compuesto)
        return 0;
    const Calculos::Compuesto &c = *n.compuesto;
    EXIGIR(Calculos::Nombrar(c.formula).compuesto == &c, T(entrada) + " -> " + c.formula);
    for (const std::string &nombre : Calculos::NombresDe(c))
        EXIGIR(Calculos::Nombrar(nombre).compuesto == &c, T(entrada) + " -> " + nombre);
    // The text answers its own question when it is a name, or a formula.
    Calculos::Pregunta p;
    p.compuesto = &c;
    p.formular = !n.porNombre;
    EXIGIR(Calculos::Corregir(p, entrada).acierto, T(entrada));
    return 0;
}
