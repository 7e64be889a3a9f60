#include "calculators/ecuaciones.h"
#include "core/formula.h"
#include "core/numeros.h"
#include "elements/ficha.h"
#include "formulation/nomenclatura.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Twenty symbols, one- and two-letter, with counts of one to three digits.
const std::string kFormula20 = "C6H12O6NaClKBr2MgSO4Fe2O3CuZnAl2Si3PbHg10Ca3P2";

void BM_AnalizarFormula20(benchmark::State &estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(Calculos::AnalizarFormula(kFormula20));
}
BENCHMARK(BM_AnalizarFormula20);

// The hardest school equation in the tests: nine species, six elements,
// coefficients up to 299.
void BM_AjustarEcuacion(benchmark::State &estado)
{
    const std::string ecuacion = "K4[Fe(CN)6] + KMnO4 + H2SO4 -> KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O";
    for (auto _ : estado)
        benchmark::DoNotOptimize(Calculos::AjustarEcuacion(ecuacion));
}
BENCHMARK(BM_AjustarEcuacion);

void BM_NumeroIdaYVuelta(benchmark::State &estado)
{
    double v = 18.0148;
    for (auto _ : estado) {
        const std::string texto = Calculos::NumeroATexto(v);
        v = *Calculos::TextoANumero(texto) + 1e-9;
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_NumeroIdaYVuelta);

void BM_Redondear(benchmark::State &estado)
{
    double v = 1013250.0012345;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(Calculos::Redondear(v, 3));
        v += 1e-7;
    }
}
BENCHMARK(BM_Redondear);

// A name to its compound and a formula to its names, the catalogue built.
void BM_Nombrar(benchmark::State &estado)
{
    Calculos::CatalogoFormulacion();
    int i = 0;
    for (auto _ : estado)
        benchmark::DoNotOptimize(Calculos::Nombrar(++i % 2 ? "Fe2(SO4)3" : "hidrogeno(trioxidocarbonato) de sodio"));
}
BENCHMARK(BM_Nombrar);

// Every label of a card, isotopes included: iron, then mercury.
void BM_FichaDe(benchmark::State &estado)
{
    int i = 0;
    for (auto _ : estado)
        benchmark::DoNotOptimize(Calculos::FichaDe(++i % 2 ? 26 : 80));
}
BENCHMARK(BM_FichaDe);

} // namespace
