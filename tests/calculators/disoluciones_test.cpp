#include "calculators/disoluciones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace Calculos;

namespace {

// What the window reads: the number typed next to the list and the entry
// chosen in it, found by its text.
Cantidad Deseada(const char *unidad, double valor)
{
    return CantidadBase(kUnidadesConcFinal, PosicionUnidad(kUnidadesConcFinal, unidad), valor);
}

Cantidad Partida(const char *unidad, double valor)
{
    return CantidadBase(kUnidadesConcInicial, PosicionUnidad(kUnidadesConcInicial, unidad), valor);
}

double Litros(const char *unidad, double valor)
{
    const Cantidad v = CantidadBase(kUnidadesVolumen, PosicionUnidad(kUnidadesVolumen, unidad), valor);
    EXPECT_EQ(v.magnitud, Magnitud::Volumen) << unidad;
    return v.valor;
}

template <std::size_t N> std::string Textos(const std::array<Unidad, N> &lista)
{
    std::string s;
    for (const Unidad &u : lista)
        s += std::string(u.texto) + " ";
    return s;
}

constexpr double kMaximo = std::numeric_limits<double>::max();

} // namespace

TEST(UnidadesDisolucion, ListasEnSuOrden)
{
    EXPECT_EQ(Textos(kUnidadesConcInicial), "M mM uM g/l mg/l ug/l ");
    EXPECT_EQ(Textos(kUnidadesConcFinal), "M mM uM % g/l mg/l ug/l ");
    EXPECT_EQ(Textos(kUnidadesVolumen), "l ml ul ");
}

TEST(UnidadesDisolucion, CantidadBasePorPosicion)
{
    struct Caso {
        const char *nombre;
        Cantidad c;
        Magnitud magnitud;
        double valor;
    };
    const Caso casos[] = {
        {"M as typed", CantidadBase(kUnidadesConcFinal, 0, 0.1), Magnitud::Molar, 0.1},
        {"mM", CantidadBase(kUnidadesConcFinal, 1, 250), Magnitud::Molar, 0.25},
        {"uM", CantidadBase(kUnidadesConcFinal, 2, 5), Magnitud::Molar, 5e-6},
        {"% as typed", CantidadBase(kUnidadesConcFinal, 3, 10), Magnitud::Porcentaje, 10},
        // Position 3 is a percent in one list and grams per litre in the other.
        {"g/l in the desired list", CantidadBase(kUnidadesConcFinal, 4, 3), Magnitud::Masica, 3},
        {"g/l in the stock list", CantidadBase(kUnidadesConcInicial, 3, 3), Magnitud::Masica, 3},
        {"mg/l stock", CantidadBase(kUnidadesConcInicial, 4, 500), Magnitud::Masica, 0.5},
        {"ug/l desired", CantidadBase(kUnidadesConcFinal, 6, 2), Magnitud::Masica, 2e-6},
        {"ml", CantidadBase(kUnidadesVolumen, 1, 500), Magnitud::Volumen, 0.5},
        {"ul", CantidadBase(kUnidadesVolumen, 2, 250), Magnitud::Volumen, 2.5e-4},
        {"volume selected at load", CantidadBase(kUnidadesVolumen, kVolumenAlCargar, 500), Magnitud::Volumen, 0.5},
        {"no entry selected", CantidadBase(kUnidadesConcFinal, -1, 7), Magnitud::Ninguna, 0},
        {"past the stock list", CantidadBase(kUnidadesConcInicial, 6, 7), Magnitud::Ninguna, 0},
        {"past the volume list", CantidadBase(kUnidadesVolumen, 3, 7), Magnitud::Ninguna, 0},
        {"largest double in ul stays finite", CantidadBase(kUnidadesVolumen, 2, kMaximo), Magnitud::Volumen,
         kMaximo / 1e6},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(c.c.magnitud, c.magnitud) << c.nombre;
        EXPECT_DOUBLE_EQ(c.c.valor, c.valor) << c.nombre;
    }
}

TEST(UnidadesDisolucion, PosicionSoloConElTextoExacto)
{
    EXPECT_EQ(PosicionUnidad(kUnidadesConcInicial, "mg/l"), 4);
    EXPECT_EQ(PosicionUnidad(kUnidadesConcFinal, "mg/l"), 5);
    EXPECT_EQ(PosicionUnidad(kUnidadesVolumen, "ul"), 2);
    for (const char *texto : {"%", "m", "MM", "M ", " M", "mg/L", "µM", ""})
        EXPECT_EQ(PosicionUnidad(kUnidadesConcInicial, texto), -1) << texto;
}

TEST(Disolucion, MasaDeSolidoMostrada)
{
    struct Caso {
        const char *nombre;
        Cantidad deseada;
        double litros;
        double pm;
        double valor;
        const char *unidad;
    };
    const Caso casos[] = {
        {"NaCl 1 M, 500 ml", Deseada("M", 1), Litros("ml", 500), 58.442, 29.221, "g"},
        {"10 % in 500 ml", Deseada("%", 10), Litros("ml", 500), 58.442, 50, "g"},
        {"the percent ignores the molar mass", Deseada("%", 10), Litros("ml", 500), 0, 50, "g"},
        {"100 mM in 250 ml, rounded to 3 decimals", Deseada("mM", 100), Litros("ml", 250), 58.442, 1.461, "g"},
        {"grams per litre ignore the molar mass", Deseada("g/l", 0.5), Litros("l", 1), 58.442, 500, "mg"},
        {"2 M of Pm 750 in 1 l", Deseada("M", 2), Litros("l", 1), 750, 1.5, "kg"},
        {"ug/l in ul: below a microgram", Deseada("ug/l", 100), Litros("ul", 1), 0, 0, "ug"},
        {"5 uM in 100 ml of Pm 1000", Deseada("uM", 5), Litros("ml", 100), 1000, 500, "ug"},
        // A refused formula leaves Pm at 0; the solid simply needs 0 g.
        {"molar mass 0", Deseada("M", 1), Litros("ml", 500), 0, 0, "ug"},
        {"no desired unit: nothing to weigh", CantidadBase(kUnidadesConcFinal, -1, 1), Litros("ml", 500), 58.442, 0,
         "ug"},
    };
    for (const Caso &c : casos) {
        const std::optional<double> m = MasaSoluto(c.deseada, c.litros, c.pm);
        ASSERT_TRUE(m) << c.nombre;
        const Escalado e = EscalarMasa(*m);
        EXPECT_DOUBLE_EQ(e.valor, c.valor) << c.nombre;
        EXPECT_EQ(e.unidad, c.unidad) << c.nombre;
    }
}

TEST(Disolucion, MasaDemasiadoGrandeNoDaResultado)
{
    EXPECT_FALSE(MasaSoluto(Deseada("M", 1e200), 1, 1e200));
    EXPECT_FALSE(MasaSoluto(Deseada("%", 1e300), 1e10, 58.442));
    EXPECT_FALSE(MasaSoluto(Deseada("g/l", kMaximo), 2, 1));
    // Large but representable.
    ASSERT_TRUE(MasaSoluto(Deseada("M", 1e150), 1, 1e150));
    EXPECT_EQ(EscalarMasa(*MasaSoluto(Deseada("M", 1e150), 1, 1e150)).unidad, "kg");
}

TEST(Disolucion, SoloUnaMasaEnormeNoDaResultado)
{
    struct Caso {
        const char *nombre;
        Cantidad deseada;
        double litros;
        double pm;
        double gramos;
    };
    // Pm x C overflows, but not the mass.
    const Caso casos[] = {
        {"no volume", Deseada("M", 1e172), 0, 1e178, 0},
        {"a tiny volume", Deseada("M", 1e200), 1e-100, 1e200, 1e300},
        {"a percent near the top", Deseada("%", 1e306), 0.5, 1, 5e306},
    };
    for (const Caso &c : casos) {
        const std::optional<double> m = MasaSoluto(c.deseada, c.litros, c.pm);
        ASSERT_TRUE(m) << c.nombre;
        EXPECT_DOUBLE_EQ(*m, c.gramos) << c.nombre;
    }
}

TEST(Disolucion, VolumenDeLiquido)
{
    struct Caso {
        const char *nombre;
        double gramos;
        double densidad;
        double valor;
        const char *unidad;
    };
    const Caso casos[] = {
        {"density 1", 50, 1.0, 50, "ml"},
        {"denser than water", 29.221, 1.5, 19.481, "ml"},
        {"two litres of a light liquid", 1580, 0.79, 2, "l"},
        {"half a millilitre", 0.5, 1, 500, "ul"},
        {"no solute", 0, 1, 0, "nl"},
    };
    for (const Caso &c : casos) {
        const std::optional<double> v = VolumenLiquido(c.gramos, c.densidad);
        ASSERT_TRUE(v) << c.nombre;
        const Escalado e = EscalarVolumenLiquido(*v);
        EXPECT_DOUBLE_EQ(e.valor, c.valor) << c.nombre;
        EXPECT_EQ(e.unidad, c.unidad) << c.nombre;
    }
}

TEST(Disolucion, DensidadNulaNoDaVolumen)
{
    // "0,0" passes the check on leaving the box, which only stops "0".
    EXPECT_FALSE(VolumenLiquido(29.221, 0.0));
    EXPECT_FALSE(VolumenLiquido(29.221, -0.0));
    EXPECT_FALSE(VolumenLiquido(0, 0));
    EXPECT_FALSE(VolumenLiquido(1e10, 1e-310));
    EXPECT_FALSE(VolumenLiquido(kMaximo, 0.5));
}

TEST(Disolucion, ComprobacionDeConcentraciones)
{
    struct Caso {
        const char *nombre;
        Cantidad deseada;
        Cantidad partida;
        double pm;
        FalloConcentracion fallo;
    };
    const Caso casos[] = {
        {"2 M from 1 M", Deseada("M", 2), Partida("M", 1), 58.442, FalloConcentracion::MolarMayor},
        {"0,1 M from 1 M", Deseada("M", 0.1), Partida("M", 1), 58.442, FalloConcentracion::Ninguno},
        {"equal is not greater", Deseada("M", 1), Partida("M", 1), 58.442, FalloConcentracion::Ninguno},
        {"units are converted first", Deseada("M", 1), Partida("mM", 999), 58.442, FalloConcentracion::MolarMayor},
        {"1000 mM from 1 M", Deseada("mM", 1000), Partida("M", 1), 58.442, FalloConcentracion::Ninguno},
        {"20 g/l from 10 g/l", Deseada("g/l", 20), Partida("g/l", 10), 58.442, FalloConcentracion::MasicaMayor},
        {"100 mg/l from 1 g/l", Deseada("mg/l", 100), Partida("g/l", 1), 58.442, FalloConcentracion::Ninguno},
        {"stock in mg/l", Deseada("g/l", 1), Partida("mg/l", 500), 58.442, FalloConcentracion::MasicaMayor},
        {"117 g/l of NaCl from 2 M", Deseada("g/l", 117), Partida("M", 2), 58.442,
         FalloConcentracion::MasicaMayorQueMolar},
        {"58 g/l of NaCl from 1 M", Deseada("g/l", 58), Partida("M", 1), 58.442, FalloConcentracion::Ninguno},
        {"2 M from 100 g/l of NaCl", Deseada("M", 2), Partida("g/l", 100), 58.442,
         FalloConcentracion::MolarMayorQueMasica},
        {"1 M from 100 g/l of NaCl", Deseada("M", 1), Partida("g/l", 100), 58.442, FalloConcentracion::Ninguno},
        {"a percent is never compared", Deseada("%", 99), Partida("uM", 1), 58.442, FalloConcentracion::Ninguno},
        {"desired 0 is not compared", Deseada("M", 0), Partida("M", 1), 58.442, FalloConcentracion::Ninguno},
        {"stock 0 is not compared", Deseada("M", 2), Partida("M", 0), 58.442, FalloConcentracion::Ninguno},
        {"no stock unit", Deseada("M", 2), CantidadBase(kUnidadesConcInicial, -1, 1), 58.442,
         FalloConcentracion::Ninguno},
        // Pm 0 does not enter the molar-to-molar comparison.
        {"molar mass 0, molar pair", Deseada("M", 2), Partida("M", 1), 0, FalloConcentracion::MolarMayor},
        // Through Pm 0 the desired concentration would be infinite and always
        // "greater": there is no comparison to make.
        {"molar mass 0, g/l from M", Deseada("g/l", 1), Partida("M", 1), 0, FalloConcentracion::Ninguno},
        {"molar mass 0, M from g/l", Deseada("M", 5), Partida("g/l", 1), 0, FalloConcentracion::Ninguno},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(ComprobarConcentraciones(c.deseada, c.partida, c.pm), c.fallo) << c.nombre;
}

TEST(Disolucion, VolumenDePartidaMostrado)
{
    struct Caso {
        const char *nombre;
        Cantidad deseada;
        Cantidad partida;
        double litros;
        double pm;
        double valor;
        const char *unidad;
        bool mayorQueVolumen;
    };
    const Caso casos[] = {
        {"0,1 M from 1 M, 500 ml", Deseada("M", 0.1), Partida("M", 1), Litros("ml", 500), 58.442, 50, "ml", false},
        {"M from g/l", Deseada("M", 0.1), Partida("g/l", 58.442), Litros("ml", 500), 58.442, 50, "ml", false},
        {"g/l from M", Deseada("g/l", 5.8442), Partida("M", 1), Litros("l", 1), 58.442, 100, "ml", false},
        {"g/l from g/l", Deseada("mg/l", 100), Partida("g/l", 1), Litros("ml", 500), 58.442, 50, "ml", false},
        // Pm 0 only matters where it divides.
        {"molar pair with Pm 0", Deseada("M", 0.1), Partida("M", 1), Litros("ml", 500), 0, 50, "ml", false},
        {"stock in mg/l, Pm 0", Deseada("mg/l", 1), Partida("mg/l", 10), Litros("l", 1), 0, 100, "ml", false},
        {"10 % from 1 M of Pm 100", Deseada("%", 10), Partida("M", 1), Litros("ml", 500), 100, 500, "ml", false},
        {"1 % from 100 g/l", Deseada("%", 1), Partida("g/l", 100), Litros("ml", 100), 0, 10, "ml", false},
        // Too much stock is reported, and the volume is still shown in litres.
        {"50 % from 1 M of Pm 100", Deseada("%", 50), Partida("M", 1), Litros("ml", 500), 100, 2.5, "l", true},
        {"all stock is not too much", Deseada("M", 1), Partida("M", 1), Litros("ml", 500), 58.442, 500, "ml", false},
        // Volume x C / C came out one unit in the last place above the volume.
        {"all stock, 100 ml of 0,1 M", Deseada("M", 0.1), Partida("M", 0.1), Litros("ml", 100), 58.442, 100, "ml",
         false},
        {"all stock, 750 ml of 1,6 M", Deseada("M", 1.6), Partida("M", 1.6), Litros("ml", 750), 58.442, 750, "ml",
         false},
        {"all stock in mg/l and g/l", Deseada("mg/l", 100), Partida("g/l", 0.1), Litros("ml", 100), 58.442, 100, "ml",
         false},
        {"no upper unit", Deseada("M", 1), Partida("M", 1), Litros("l", 5000), 58.442, 5000, "l", false},
        {"a trace", Deseada("uM", 1), Partida("M", 1), Litros("ml", 500), 58.442, 500, "nl", false},
        {"no desired unit", CantidadBase(kUnidadesConcFinal, -1, 1), Partida("M", 1), Litros("ml", 500), 58.442, 0,
         "nl", false},
        {"no stock unit", Deseada("M", 0.1), CantidadBase(kUnidadesConcInicial, -1, 1), Litros("ml", 500), 58.442, 0,
         "nl", false},
    };
    for (const Caso &c : casos) {
        const std::optional<VolumenPartida> vs = VolumenDePartida(c.deseada, c.partida, c.litros, c.pm);
        ASSERT_TRUE(vs) << c.nombre;
        EXPECT_EQ(vs->mayorQueVolumen, c.mayorQueVolumen) << c.nombre;
        const Escalado e = EscalarVolumenPartida(vs->litros);
        EXPECT_DOUBLE_EQ(e.valor, c.valor) << c.nombre;
        EXPECT_EQ(e.unidad, c.unidad) << c.nombre;
    }
}

TEST(Disolucion, DivisorNuloNoDaVolumenDePartida)
{
    struct Caso {
        const char *nombre;
        Cantidad deseada;
        Cantidad partida;
        double pm;
    };
    const Caso casos[] = {
        {"M from 0,0 M", Deseada("M", 0.1), Partida("M", 0), 58.442},
        {"0 M from 0 M", Deseada("M", 0), Partida("M", 0), 58.442},
        {"M from 0 g/l", Deseada("M", 0.1), Partida("g/l", 0), 58.442},
        // Without the guard this one came out as a plausible-looking 0.
        {"M from g/l with Pm 0", Deseada("M", 0.1), Partida("g/l", 58.442), 0},
        {"g/l from M with Pm 0", Deseada("g/l", 1), Partida("M", 1), 0},
        {"0 g/l from M with Pm 0", Deseada("g/l", 0), Partida("M", 1), 0},
        {"g/l from 0 M", Deseada("g/l", 1), Partida("M", 0), 58.442},
        {"g/l from 0 mg/l", Deseada("g/l", 1), Partida("mg/l", 0), 58.442},
        {"% from M with Pm 0", Deseada("%", 10), Partida("M", 1), 0},
        {"% from 0 M", Deseada("%", 10), Partida("M", 0), 100},
        {"% from 0 g/l", Deseada("%", 10), Partida("g/l", 0), 100},
        {"-0 stock", Deseada("M", 0.1), Partida("M", -0.0), 58.442},
        {"overflow", Deseada("M", 1e300), Partida("uM", 1e-300), 58.442},
        {"percent mass overflows", Deseada("%", 1e306), Partida("M", 1), 1},
    };
    for (const Caso &c : casos)
        EXPECT_FALSE(VolumenDePartida(c.deseada, c.partida, 0.5, c.pm)) << c.nombre;
}

TEST(Escalado, UmbralesDeMasa)
{
    struct Caso {
        double gramos;
        double valor;
        const char *unidad;
    };
    const Caso casos[] = {
        {1500, 1.5, "kg"},
        {1000.0001, 1, "kg"},
        {1000, 1000, "g"},
        {29.221, 29.221, "g"},
        {1.23456, 1.235, "g"},
        {0.9, 0.9, "g"},
        {0.8999, 899.9, "mg"},
        {0.5, 500, "mg"},
        {0.0009, 0.9, "mg"},
        {0.0005, 500, "ug"},
        {8.9e-4, 890, "ug"},
        {0, 0, "ug"},
        {1e300, 1e297, "kg"},
        {1e-12, 0, "ug"},
        // Negative masses go to the smallest unit while they fit in it.
        {-0.5, -500000, "ug"},
        {-1e305, -1e305, "g"},
        {-kMaximo, -kMaximo, "g"},
    };
    for (const Caso &c : casos) {
        const Escalado e = EscalarMasa(c.gramos);
        EXPECT_DOUBLE_EQ(e.valor, c.valor) << c.gramos;
        EXPECT_EQ(e.unidad, c.unidad) << c.gramos;
    }
}

TEST(Escalado, UmbralesDeVolumenDeLiquido)
{
    struct Caso {
        double mililitros;
        double valor;
        const char *unidad;
    };
    const Caso casos[] = {
        {1500, 1.5, "l"},    {1000.0001, 1, "l"}, {1000, 1000, "ml"}, {0.9, 0.9, "ml"}, {0.8999, 899.9, "ul"},
        {0.0009, 0.9, "ul"}, {0.0005, 500, "nl"}, {0, 0, "nl"},       {-2, -2e6, "nl"}, {-1e305, -1e305, "ml"},
    };
    for (const Caso &c : casos) {
        const Escalado e = EscalarVolumenLiquido(c.mililitros);
        EXPECT_DOUBLE_EQ(e.valor, c.valor) << c.mililitros;
        EXPECT_EQ(e.unidad, c.unidad) << c.mililitros;
    }
}

TEST(Escalado, UmbralesDeVolumenDePartida)
{
    struct Caso {
        double litros;
        double valor;
        const char *unidad;
    };
    const Caso casos[] = {
        {1e6, 1e6, "l"},     {1000.5, 1000.5, "l"},   {0.9, 0.9, "l"},       {0.8999, 899.9, "ml"}, {0.05, 50, "ml"},
        {0.0009, 0.9, "ml"}, {0.0005, 500, "ul"},     {9e-7, 0.9, "ul"},     {8.99e-7, 899, "nl"},  {5e-7, 500, "nl"},
        {0, 0, "nl"},        {kMaximo, kMaximo, "l"}, {-1e300, -1e300, "l"},
    };
    for (const Caso &c : casos) {
        const Escalado e = EscalarVolumenPartida(c.litros);
        EXPECT_DOUBLE_EQ(e.valor, c.valor) << c.litros;
        EXPECT_EQ(e.unidad, c.unidad) << c.litros;
        EXPECT_TRUE(std::isfinite(e.valor)) << c.litros;
    }
}
