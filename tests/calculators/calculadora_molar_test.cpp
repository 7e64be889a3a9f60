#include "calculators/calculadora_molar.h"
#include "calculators/formula_empirica.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

using namespace Calculos;

TEST(CalculadoraMolar, QueCantidadesSeAceptan)
{
    struct Caso {
        const char *moles;
        const char *gramos;
        bool aceptadas;
    };
    const Caso casos[] = {
        {"", "", true},   {"2", "", true},      {"", "36,03", true}, {"2", "36", false}, {"-", "", false},
        {"", ",", false}, {"1,5E-3", "", true}, {"1.5", "", false},  {"0", "", true},    {"", "1E400", false},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(CantidadesAceptadas(c.moles, c.gramos), c.aceptadas) << c.moles << " | " << c.gramos;
}

TEST(CalculadoraMolar, GramosYMolesConLaMasaMostrada)
{
    struct Caso {
        const char *cantidad;
        const char *masa;
        std::optional<double> gramos;
        std::optional<double> moles;
    };
    const Caso casos[] = {
        {"2", "18,015", 36.03, 0.111},
        {"0,5", "180,155", 90.078, 0.003},
        {"1", "0", 0.0, std::nullopt},                       // no mass to divide by
        {"1E308", "180,155", std::nullopt, 1e308 / 180.155}, // grams too large to show
        {"1E308", "0,001", 1e305, std::nullopt},             // moles too large to show
        {"x", "18,015", std::nullopt, std::nullopt},
        {"2", "", std::nullopt, std::nullopt}, // an empty mass label
        {"-0,0001", "1", 0.0, 0.0},            // never -0
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(GramosDeMoles(c.cantidad, c.masa), c.gramos) << c.cantidad << " x " << c.masa;
        EXPECT_EQ(MolesDeGramos(c.cantidad, c.masa), c.moles) << c.cantidad << " / " << c.masa;
    }
    EXPECT_FALSE(std::signbit(*GramosDeMoles("-0,0001", "1")));
}

TEST(FormulaEmpirica, PrimerFalloDeLosDatos)
{
    struct Caso {
        std::vector<TextosFila> filas;
        FalloDatos fallo;
        int fila;
    };
    const Caso casos[] = {
        {{}, FalloDatos::SinPrimerElemento, 0},
        {{{"", "40"}}, FalloDatos::SinPrimerElemento, 0},
        {{{"C", ""}}, FalloDatos::SinPrimerPorcentaje, 0},
        {{{"C", "4x"}}, FalloDatos::PorcentajeNoNumerico, 0},
        {{{"C", "40"}, {"H", "6,7"}, {"O", "5-3"}}, FalloDatos::PorcentajeNoNumerico, 2},
        // A bad percentage counts even in a row without a symbol.
        {{{"C", "40"}, {"", ","}}, FalloDatos::PorcentajeNoNumerico, 1},
        {{{"C", "40"}, {"H", "6,7"}, {"O", "53,3"}}, FalloDatos::Ninguno, 0},
    };
    for (const Caso &c : casos) {
        TextosEmpiricos textos;
        for (std::size_t n = 0; n < c.filas.size(); ++n)
            textos[n] = c.filas[n];
        const DatosEmpiricos datos = LeerDatosEmpiricos(textos);
        EXPECT_EQ(datos.fallo, c.fallo) << c.filas.size();
        EXPECT_EQ(datos.fila, c.fila) << c.filas.size();
    }
}

TEST(FormulaEmpirica, FilasQueTomanParte)
{
    TextosEmpiricos textos;
    textos[0] = {"C", "40"};
    textos[1] = {"", "6,7"}; // no symbol: left out
    textos[2] = {"O", "53,3"};
    textos[3] = {"H", ""}; // no percentage: left out
    const DatosEmpiricos datos = LeerDatosEmpiricos(textos);
    ASSERT_EQ(datos.fallo, FalloDatos::Ninguno);
    ASSERT_TRUE(datos.filas[0] && datos.filas[2]);
    EXPECT_EQ(datos.filas[0]->simbolo, "C");
    EXPECT_DOUBLE_EQ(datos.filas[2]->porcentaje, 53.3);
    EXPECT_FALSE(datos.filas[1]);
    EXPECT_FALSE(datos.filas[3]);
}
