#include "core/formula.h"
#include "core/numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace Calculos;

TEST(Formula, TipoCaracterYValorDigito)
{
    struct Caso {
        std::string c;
        const char *tipo;
        double valor;
    };
    const Caso casos[] = {
        {"0", "Numero", 0},       {"7", "Numero", 7},
        {"9", "Numero", 9},       {"a", "Letra", 0},
        {"H", "Letra", 0},        {" ", "Letra", 0},
        {",", "Letra", 0},        {"", "Letra", 0},
        {"12", "Letra", 0},       {std::string(1, '\0'), "Letra", 0},
        {"\xD9\xA3", "Letra", 0}, // an Arabic-Indic digit is not one of ours
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(TipoCaracter(c.c), c.tipo) << c.c;
        EXPECT_EQ(ValorDigito(c.c), c.valor) << c.c;
    }
}

TEST(Formula, LosCatorceSimbolosDeUnaLetra)
{
    std::string conMasa;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (MasaAtomicaSimple(std::string(1, c)) != 0)
            conMasa += c;
    EXPECT_EQ(conMasa, "BCFHIKNOPSUVWY");
}

TEST(Formula, MasasDeCalculo)
{
    struct Caso {
        const char *simbolo;
        double simple;
        double doble;
    };
    const Caso casos[] = {
        {"H", 1.0079, 0},  {"S", 32.064, 0}, {"U", 238.03, 0}, {"Sc", 0, 44.956}, {"Co", 0, 58.933},
        {"Mt", 0, 268},    {"Ds", 0, 0},     {"Og", 0, 0},     {"CO", 0, 0},      {"co", 0, 0},
        {"He", 0, 4.0026}, {"", 0, 0},       {"Hee", 0, 0},    {"h", 0, 0},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(MasaAtomicaSimple(c.simbolo), c.simple) << c.simbolo;
        EXPECT_EQ(MasaAtomicaDoble(c.simbolo), c.doble) << c.simbolo;
    }
}

TEST(Formula, MasaMolar)
{
    struct Caso {
        std::string formula;
        double masa; // the sum from the rightmost group to the leftmost
        const char *redondeada;
    };
    const Caso casos[] = {
        {"H2O", 15.999 + 1.0079 * 2, "18,015"},
        {"NaCl", 35.453 + 22.989, "58,442"},
        {"CO2", 15.999 * 2 + 12.011, "44,009"},
        {"C6H12O6", 15.999 * 6 + 1.0079 * 12 + 12.011 * 6, "180,155"},
        {"CO", 15.999 + 12.011, "28,01"},
        {"Co", 58.933, "58,933"},
        {"H0", 1.0079, "1,008"},
        {"H00", 1.0079, "1,008"},
        {"H10", 1.0079 * 10, "10,079"},
        {"  H2O  ", 15.999 + 1.0079 * 2, "18,015"},
        {"CH3COOH", 1.0079 + 15.999 + 15.999 + 12.011 + 1.0079 * 3 + 12.011, "60,052"},
        {"Mt", 268, "268"},
        {"U", 238.03, "238,03"},
    };
    for (const Caso &c : casos) {
        const AnalisisFormula a = AnalizarFormula(c.formula);
        EXPECT_EQ(a.error, ErrorFormula::Ninguno) << c.formula;
        EXPECT_EQ(a.masa, c.masa) << c.formula;
        EXPECT_EQ(NumeroATexto(Redondear(a.masa, 3)), c.redondeada) << c.formula;
    }
    EXPECT_EQ(AnalizarFormula("H2O").masa, 18.0148);
}

TEST(Formula, FormulasRechazadas)
{
    const std::pair<std::string, ErrorFormula> casos[] = {
        {"", ErrorFormula::Vacia},
        {"2H2O", ErrorFormula::EmpiezaPorNumero},
        {"  2H", ErrorFormula::EmpiezaPorNumero},
        {"0", ErrorFormula::EmpiezaPorNumero},
        {"co", ErrorFormula::SimboloDesconocido},
        {"Ca(OH)2", ErrorFormula::SimboloDesconocido},
        {"CuSO4\xC2\xB7"
         "5H2O",
         ErrorFormula::SimboloDesconocido},
        {"H2 O", ErrorFormula::SimboloDesconocido},
        {"   ", ErrorFormula::SimboloDesconocido},
        {"Og", ErrorFormula::SimboloDesconocido},
        {"Ds", ErrorFormula::SimboloDesconocido},
        {"NaCl-", ErrorFormula::SimboloDesconocido},
        {"H\tO", ErrorFormula::SimboloDesconocido},
        {std::string("H\0O", 3), ErrorFormula::SimboloDesconocido},
        {"\xFF\xFE", ErrorFormula::SimboloDesconocido},
        {"\xC3", ErrorFormula::SimboloDesconocido},
        {"\xC3\x91", ErrorFormula::SimboloDesconocido},
    };
    for (const auto &[formula, error] : casos) {
        const AnalisisFormula a = AnalizarFormula(formula);
        EXPECT_EQ(a.error, error) << formula;
        EXPECT_EQ(a.masa, 0) << formula;
    }
}

TEST(Formula, GruposDeDerechaAIzquierda)
{
    const AnalisisFormula a = AnalizarFormula("CH3COOH");
    std::string simbolos;
    std::vector<double> cuentas;
    for (const GrupoFormula &g : a.grupos) {
        simbolos += g.simbolo + " ";
        cuentas.push_back(g.cuenta);
    }
    EXPECT_EQ(simbolos, "H O O C H C ");
    EXPECT_EQ(cuentas, (std::vector<double>{1, 1, 1, 1, 3, 1}));
    EXPECT_EQ(a.grupos[0].masa, 1.0079);

    // On an error, the groups read before it are kept.
    const AnalisisFormula b = AnalizarFormula("Xx2H2O");
    EXPECT_EQ(b.error, ErrorFormula::SimboloDesconocido);
    ASSERT_EQ(b.grupos.size(), 2U);
    EXPECT_EQ(b.grupos[1].simbolo, "H");
    EXPECT_EQ(b.grupos[1].cuenta, 2);
}

TEST(Formula, EntradasEnormes)
{
    // A count longer than any double: never NaN, and no crash.
    const AnalisisFormula larga = AnalizarFormula("H1" + std::string(400, '0'));
    EXPECT_EQ(larga.error, ErrorFormula::Ninguno);
    EXPECT_FALSE(std::isnan(larga.masa));
    EXPECT_EQ(NumeroATexto(larga.masa), "");

    const AnalisisFormula ceros = AnalizarFormula("H" + std::string(400, '0'));
    EXPECT_EQ(ceros.masa, 1.0079);

    std::string muchas;
    for (int i = 0; i < 100000; ++i)
        muchas += "NaCl";
    const AnalisisFormula grande = AnalizarFormula(muchas);
    EXPECT_EQ(grande.error, ErrorFormula::Ninguno);
    EXPECT_EQ(grande.grupos.size(), 200000U);
    EXPECT_NEAR(grande.masa, 58.442 * 100000, 1e-3);
}
