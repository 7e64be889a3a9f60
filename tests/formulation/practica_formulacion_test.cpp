#include "formulation/practica_formulacion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace Calculos;
using T = TipoCompuesto;

namespace {

std::vector<std::string> Textos(SorteoFormulacion &s, std::size_t n)
{
    std::vector<std::string> r;
    for (std::size_t i = 0; i < n; ++i)
        r.push_back(s.Siguiente().texto);
    return r;
}

Pregunta Sobre(const char *formula, bool formular)
{
    Pregunta p;
    p.compuesto = Nombrar(formula).compuesto;
    p.formular = formular;
    return p;
}

} // namespace

// Every question of the chosen classes once, in an order of the seed's, and
// then a new round of them all.
TEST(PracticaFormulacion, NadaSeRepiteHastaAgotarLasClases)
{
    const std::vector<T> clases = {T::Hidracido, T::Peroxido, T::HidruroProgenitor};
    SorteoFormulacion s(clases, ModoPractica::Nombrar, 7);
    ASSERT_GE(s.Tamano(), 10u);
    for (int ronda = 0; ronda < 3; ++ronda) {
        std::set<const Compuesto *> vistos;
        for (std::size_t i = 0; i < s.Tamano(); ++i) {
            const Pregunta p = s.Siguiente();
            ASSERT_NE(p.compuesto, nullptr);
            EXPECT_NE(std::find(clases.begin(), clases.end(), p.compuesto->tipo), clases.end()) << p.texto;
            EXPECT_TRUE(p.compuesto->escolar) << p.texto;
            EXPECT_TRUE(vistos.insert(p.compuesto).second) << "repetida en la ronda " << ronda << ": " << p.texto;
        }
    }
}

TEST(PracticaFormulacion, LaSemillaFijaElOrden)
{
    const std::vector<T> clases = {T::Oxosal, T::Oxido};
    SorteoFormulacion a(clases, ModoPractica::Ambos, 42), b(clases, ModoPractica::Ambos, 42),
        c(clases, ModoPractica::Ambos, 43);
    const auto textosA = Textos(a, 20);
    EXPECT_EQ(textosA, Textos(b, 20));
    EXPECT_NE(textosA, Textos(c, 20));
}

TEST(PracticaFormulacion, CadaModoPreguntaLoSuyo)
{
    const std::vector<T> clases = {T::Oxido, T::Hidroxido, T::Oxoacido};
    struct Caso {
        ModoPractica modo;
        bool nombrar, formular;
    };
    for (const Caso c : {Caso{ModoPractica::Nombrar, true, false}, Caso{ModoPractica::Formular, false, true},
                         Caso{ModoPractica::Ambos, true, true}}) {
        SorteoFormulacion s(clases, c.modo, 3);
        bool hayNombrar = false, hayFormular = false;
        for (int i = 0; i < 40; ++i) {
            const Pregunta p = s.Siguiente();
            if (p.formular) {
                hayFormular = true;
                const auto nombres = NombresDe(*p.compuesto);
                EXPECT_NE(std::find(nombres.begin(), nombres.end(), p.texto), nombres.end()) << p.texto;
            } else {
                hayNombrar = true;
                EXPECT_EQ(p.texto, p.compuesto->formula);
            }
        }
        EXPECT_EQ(hayNombrar, c.nombrar);
        EXPECT_EQ(hayFormular, c.formular);
    }
}

TEST(PracticaFormulacion, SinClasesNoHayPregunta)
{
    SorteoFormulacion s({}, ModoPractica::Ambos, 1);
    EXPECT_EQ(s.Tamano(), 0u);
    const Pregunta p = s.Siguiente();
    EXPECT_EQ(p.compuesto, nullptr);
    EXPECT_TRUE(p.texto.empty());
    EXPECT_FALSE(Corregir(p, "agua").acierto);
}

TEST(PracticaFormulacion, Correccion)
{
    struct Caso {
        const char *formula;
        bool formular;
        const char *respuesta;
        bool acierto;
        const char *escrita;
    };
    const Caso casos[] = {
        {"Fe2O3", false, "óxido férrico", true, "óxido férrico"},
        {"Fe2O3", false, "OXIDO DE HIERRO(III)", true, "óxido de hierro(III)"},
        {"Fe2O3", false, "trióxido de dihierro", true, "trióxido de dihierro"},
        {"Fe2O3", false, "tri oxido de di hierro", false, ""},
        {"Fe2O3", false, "óxido ferroso", false, ""},
        {"Fe2O3", false, "Fe2O3", false, ""},
        {"Fe2O3", false, "", false, ""},
        {"Cu2O", false, "monóxido de dicobre", true, "monóxido de dicobre"},
        {"NaHCO3", false, "bicarbonato de sodio", true, "bicarbonato de sodio"},
        {"H2SO4", false, "tetraoxosulfato(VI) de hidrógeno", true, "tetraoxosulfato(VI) de hidrógeno"},
        {"NiO", false, "oxido de niquel(II)", true, "óxido de níquel(II)"},
        {"Fe2O3", true, "Fe2O3", true, "Fe₂O₃"},
        {"Fe2O3", true, " Fe₂O₃ ", true, "Fe₂O₃"},
        {"Fe2O3", true, "FeO", false, ""},
        {"Fe2O3", true, "fe2o3", false, ""},
        {"Fe2O3", true, "óxido de hierro(III)", false, ""},
        {"OCl2", true, "Cl2O", true, "OCl₂"},
        {"SO4^2-", true, "SO4", false, ""},
        {"SO4^2-", true, "SO4^2-", true, "SO₄²⁻"},
    };
    for (const Caso &c : casos) {
        const Pregunta p = Sobre(c.formula, c.formular);
        ASSERT_NE(p.compuesto, nullptr) << c.formula;
        const Correccion r = Corregir(p, c.respuesta);
        EXPECT_EQ(r.acierto, c.acierto) << c.formula << " / " << c.respuesta;
        EXPECT_EQ(r.escrita, c.escrita) << c.formula << " / " << c.respuesta;
        const auto esperadas = c.formular ? std::vector<std::string>{p.compuesto->formula} : NombresDe(*p.compuesto);
        EXPECT_EQ(r.aceptadas, esperadas) << c.formula;
    }
}
