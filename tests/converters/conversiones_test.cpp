#include "converters/conversiones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Calculos;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST(Conversiones, Temperatura)
{
    struct Caso {
        Escala origen;
        Escala destino;
        double t;
        double esperado;
    };
    using enum Escala;
    const Caso casos[] = {
        {Celsius, Kelvin, 100, 373.15},     {Celsius, Fahrenheit, 100, 212},    {Celsius, Fahrenheit, 37, 98.6},
        {Celsius, Fahrenheit, -40, -40},    {Celsius, Kelvin, -273.15, 0},      {Celsius, Kelvin, -273.16, -0.01},
        {Fahrenheit, Kelvin, 32, 273.15},   {Fahrenheit, Celsius, 32, 0},       {Fahrenheit, Celsius, 98.6, 37},
        {Fahrenheit, Celsius, 0, -17.78},   {Fahrenheit, Kelvin, -459.67, 0},   {Kelvin, Celsius, 0, -273.15},
        {Kelvin, Fahrenheit, 0, -459.67},   {Kelvin, Fahrenheit, 255.37, -0.0}, // -0,004 rounds to 0, never to -0
        {Celsius, Fahrenheit, 1e308, kInf},
    };
    for (const Caso &c : casos) {
        const double r = ConvertirTemperatura(c.origen, c.destino, c.t);
        EXPECT_EQ(r, c.esperado) << static_cast<int>(c.origen) << "->" << static_cast<int>(c.destino) << " " << c.t;
        EXPECT_FALSE(std::signbit(r) && r == 0) << c.t;
    }
}

TEST(Conversiones, CeroAbsoluto)
{
    struct Caso {
        double k;
        bool bajo;
    };
    for (const Caso &c : {Caso{-0.01, true}, {-1e-300, true}, {0, false}, {-0.0, false}, {1e308, false}})
        EXPECT_EQ(KelvinBajoCero(c.k), c.bajo) << c.k;
    for (const Caso &c : {Caso{-459.671, true}, {-1e308, true}, {-459.67, false}, {-459.669, false}})
        EXPECT_EQ(FahrenheitBajoCero(c.k), c.bajo) << c.k;
}

TEST(Conversiones, OrdenTemperatura)
{
    for (Escala origen : {Escala::Celsius, Escala::Fahrenheit, Escala::Kelvin}) {
        const auto orden = OrdenTemperatura(origen);
        EXPECT_NE(orden[0], origen);
        EXPECT_NE(orden[1], origen);
        EXPECT_NE(orden[0], orden[1]);
        // Kelvin, where the absolute-zero watcher sits, is written first whenever it is written.
        if (origen != Escala::Kelvin) {
            EXPECT_EQ(orden[0], Escala::Kelvin);
        }
    }
}

TEST(Conversiones, Presion)
{
    struct Caso {
        UnidadPresion u;
        double atm;
        double esperado;
    };
    using enum UnidadPresion;
    const Caso casos[] = {
        {Hg, 1, 760},        {Bar, 1, 1.013},           {Pa, 1, 101325},         {Dina, 1, 1013250.001},
        {Kg, 1, 1.033},      {Atm, 0.986923266, 0.987}, {Pa, 0.987, 100007.775}, {Dina, 0.987, 1000077.751},
        {Hg, 0.987, 750.12}, {Bar, 0.986923266, 1},     {Atm, 1e308, 1e308},     {Hg, 1e308, kInf},
        {Atm, 0.0004999, 0},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(DesdeAtmosferas(c.u, c.atm), c.esperado) << static_cast<int>(c.u) << " " << c.atm;

    const Caso inversos[] = {
        {Hg, 760, 1}, {Pa, 101325, 1}, {Bar, 1, 0.986923266}, {Dina, 1e6, 0.986923266}, {Atm, 2.5, 2.5},
    };
    for (const Caso &c : inversos)
        EXPECT_DOUBLE_EQ(AAtmosferas(c.u, c.atm), c.esperado) << static_cast<int>(c.u);
    // Unrounded: the atmosphere box first shows the full number.
    EXPECT_NEAR(AAtmosferas(Kg, 1), 0.967838719355806, 1e-15);
    EXPECT_NEAR(AAtmosferas(Hg, 1), 0.00131578947368421, 1e-17);
}

TEST(Conversiones, OrdenPresion)
{
    using enum UnidadPresion;
    for (UnidadPresion origen : {Atm, Hg, Bar, Pa, Dina, Kg}) {
        const auto orden = OrdenPresion(origen);
        // Every other box exactly once; the source box never.
        ASSERT_EQ(orden.size(), kUnidadesPresion - 1) << static_cast<int>(origen);
        for (UnidadPresion u : {Atm, Hg, Bar, Pa, Dina, Kg}) {
            const auto n = std::count(orden.begin(), orden.end(), u);
            EXPECT_EQ(n, u == origen ? 0 : 1) << static_cast<int>(origen) << " " << static_cast<int>(u);
        }
    }
    // From bar and kg/cm2 the atmospheres are rounded before anything else.
    EXPECT_EQ(OrdenPresion(Bar).front(), Atm);
    EXPECT_EQ(OrdenPresion(Kg).front(), Atm);
    for (UnidadPresion origen : {Hg, Pa, Dina})
        EXPECT_EQ(OrdenPresion(origen).back(), Atm) << static_cast<int>(origen);
}

TEST(Conversiones, Energia)
{
    struct Caso {
        UnidadEnergia u;
        double x;
        double referencia; // x in J or kJ/mol
        double desde;      // x taken as J or kJ/mol, in u
    };
    using enum UnidadEnergia;
    const Caso casos[] = {
        {Cal, 1, 4.184, 0.239},
        {KcalMol, 1, 4.184, 0.239},
        {EV, 1, 96.48, 0.01},
        {EV, 100, 9648, 1.036},
        {KcalMol, 100, 418.4, 23.901},
        {EV, 0.0005, 0.048, 0},
        {EV, 1e308, kInf, 1.03648424543947e306},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(AReferencia(c.u, c.x), c.referencia) << static_cast<int>(c.u) << " " << c.x;
        EXPECT_NEAR(DesdeReferencia(c.u, c.x), c.desde, std::fabs(c.desde) * 1e-14) << static_cast<int>(c.u);
    }
    EXPECT_EQ(Referencia(Cal), J);
    EXPECT_EQ(Referencia(J), J);
    for (UnidadEnergia u : {KcalMol, KJMol, EV})
        EXPECT_EQ(Referencia(u), KJMol);
}

TEST(Conversiones, GruposYOrdenEnergia)
{
    using enum UnidadEnergia;
    for (UnidadEnergia origen : {Cal, J, KcalMol, KJMol, EV}) {
        const auto grupo = GrupoEnergia(origen);
        const auto orden = OrdenEnergia(origen);
        EXPECT_EQ(std::count(grupo.begin(), grupo.end(), origen), 1);
        // The boxes written are the rest of the group, each once, and never the other group.
        ASSERT_EQ(orden.size(), grupo.size() - 1) << static_cast<int>(origen);
        for (UnidadEnergia u : orden) {
            EXPECT_NE(u, origen);
            EXPECT_EQ(std::count(grupo.begin(), grupo.end(), u), 1) << static_cast<int>(u);
            EXPECT_EQ(std::count(orden.begin(), orden.end(), u), 1) << static_cast<int>(u);
        }
        // The reference box, when written, comes first: the others read it.
        if (Referencia(origen) != origen) {
            EXPECT_EQ(orden.front(), Referencia(origen));
        }
    }
    EXPECT_EQ(GrupoEnergia(Cal).size(), 2U);
    EXPECT_EQ(GrupoEnergia(EV).size(), 3U);
}
