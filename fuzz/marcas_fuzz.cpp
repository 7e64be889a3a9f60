// The puzzle records: whole numbers read back from labels and from a
// settings file a user may have edited, and the comparison with the record.

#include "fuzz/comun.h"
#include "puzzle/marcas.h"

using namespace Fuzz;
using Calculos::ComparacionMarca;

namespace {

std::string Etiqueta(FuzzedDataProvider &datos)
{
    switch (datos.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return datos.ConsumeRandomLengthString(24);
    case 1:
        return TextoDeCaja(datos);
    default:
        // What the stopwatch labels and the program's own records hold.
        return Calculos::NumeroATexto(datos.ConsumeIntegralInRange<int>(0, 130));
    }
}

void Entero(const std::string &t)
{
    const auto e = Calculos::EnteroDeEtiqueta(t);
    const auto v = Calculos::TextoANumero(t);
    const bool entero = v && *v >= 0 && std::trunc(*v) == *v;
    EXIGIR(e.has_value() == entero, T(t));
    if (e) {
        EXIGIR(*e >= 0 && *e <= Calculos::kEnteroMaximo, T(t) + " = " + std::to_string(*e));
        EXIGIR(*v >= static_cast<double>(Calculos::kEnteroMaximo) ? *e == Calculos::kEnteroMaximo
                                                                  : static_cast<double>(*e) == *v,
               T(t) + " = " + std::to_string(*e));
    }
}

ComparacionMarca Comparar(const std::string &m, const std::string &s, const std::string &mm, const std::string &ms)
{
    const ComparacionMarca r = Calculos::CompararConMarca(m, s, mm, ms);
    const std::string que = T(m) + ":" + T(s) + " against " + T(mm) + ":" + T(ms);
    const auto guardado = Calculos::SegundosDeMarca(mm, ms);
    const auto actual = Calculos::SegundosDeMarca(m, s);
    EXIGIR((r == ComparacionMarca::SinMarca) == !guardado, que);
    if (guardado)
        EXIGIR(*guardado >= 0 && *guardado <= Calculos::kEnteroMaximo * 61, que);
    if (r == ComparacionMarca::Mejorada) {
        // Only a time, and a faster one, improves; 0 is a game without the stopwatch.
        EXIGIR(actual && *actual > 0 && *actual < *guardado, que + " improves");
    }
    if (guardado && actual && *actual > 0 && *actual < *guardado)
        EXIGIR(r == ComparacionMarca::Mejorada, que + " does not improve");
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    const std::string m = Etiqueta(datos);
    const std::string s = Etiqueta(datos);
    const std::string mm = Etiqueta(datos);
    const std::string ms = Etiqueta(datos);
    for (const std::string *t : {&m, &s, &mm, &ms})
        Entero(*t);

    const auto a = Calculos::SegundosDeMarca(m, s);
    const auto em = Calculos::EnteroDeEtiqueta(m);
    const auto es = Calculos::EnteroDeEtiqueta(s);
    EXIGIR(a.has_value() == (em && es), T(m) + ":" + T(s));
    if (a)
        EXIGIR(*a == *em * 60 + *es, T(m) + ":" + T(s) + " = " + std::to_string(*a) + " s");

    const ComparacionMarca ida = Comparar(m, s, mm, ms);
    const ComparacionMarca vuelta = Comparar(mm, ms, m, s);
    // Two times cannot each beat the other, and a time never beats itself.
    EXIGIR(!(ida == ComparacionMarca::Mejorada && vuelta == ComparacionMarca::Mejorada),
           T(m) + ":" + T(s) + " and " + T(mm) + ":" + T(ms) + " beat each other");
    EXIGIR(Comparar(m, s, m, s) != ComparacionMarca::Mejorada, T(m) + ":" + T(s) + " beats itself");
    // "60" seconds are a whole minute: the same time.
    if (em && es && *es == 60)
        EXIGIR(Comparar(m, s, Calculos::NumeroATexto(static_cast<double>(*em + 1)), "0") != ComparacionMarca::Mejorada,
               T(m) + ":60 beats the next minute");
    return 0;
}
