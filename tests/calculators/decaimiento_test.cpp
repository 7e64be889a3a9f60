#include "calculators/decaimiento.h"

#include "core/numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>

using namespace Calculos;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::optional<double> kNada = std::nullopt;

enum : int { MCI, CI, UCI, NCI, GBQ, MBQ, KBQ, BQ };

::testing::AssertionResult Cerca(double obtenido, double esperado)
{
    const double tolerancia = 1e-12 * std::max(1.0, std::fabs(esperado));
    if (std::fabs(obtenido - esperado) <= tolerancia)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << obtenido << " instead of " << esperado;
}

} // namespace

TEST(Radionuclidos, BusquedaPorNombreExacto)
{
    const Radionuclido *co = BuscarRadionuclido("Co-60");
    ASSERT_NE(co, nullptr);
    EXPECT_EQ(co->periodo, "5,272");
    EXPECT_EQ(co->unidad, "años");
    EXPECT_EQ(co->horas, 46182.72);

    const Radionuclido *fe = BuscarRadionuclido("Fe-59");
    ASSERT_NE(fe, nullptr);
    EXPECT_EQ(fe->periodo, "44,6");
    EXPECT_EQ(fe->unidad, "días");

    ASSERT_NE(BuscarRadionuclido("In-113m"), nullptr);
    EXPECT_EQ(BuscarRadionuclido("In-113m")->horas, 1.656667);

    for (const char *nombre : {"co-60", "CO-60", "Co-60 ", " Co-60", "Co60", "Radionúclido", "", "In-113"})
        EXPECT_EQ(BuscarRadionuclido(nombre), nullptr) << nombre;
}

TEST(Radionuclidos, LasHorasSonLasDelTextoSalvoSieteFilas)
{
    // Only these rows carry hours that are not the period text converted.
    const std::set<std::string_view> distintas = {"Ca-47", "C-11", "F-18", "In-113m", "O-15", "P-32", "Rb-81"};
    for (const Radionuclido &r : TablaRadionuclidos) {
        const auto tecleado = PeriodoEnHoras(r.periodo, r.unidad);
        ASSERT_TRUE(tecleado) << r.nombre;
        if (distintas.count(r.nombre)) {
            EXPECT_GT(std::fabs(*tecleado - r.horas), 1e-7) << r.nombre;
        } else {
            EXPECT_TRUE(Cerca(*tecleado, r.horas)) << r.nombre;
        }
    }
    // Typed by hand, O-15's two minutes round to 0,033; the row keeps 0,033333.
    EXPECT_EQ(PeriodoEnHoras("2", "min."), 0.033);
    EXPECT_EQ(BuscarRadionuclido("O-15")->horas, 0.033333);
}

TEST(Radionuclidos, PeriodoTecleadoEnHoras)
{
    struct Caso {
        const char *periodo;
        const char *unidad;
        std::optional<double> horas;
    };
    const Caso casos[] = {
        {"2", "min.", 0.033},
        {"1", "horas", 1},
        {"1,23456789", "horas", 1.23456789}, // hours are never rounded
        {"1,23456789", "", 1.23456789},
        {"1,23456789", "semanas", 1.23456789},
        {"5,272", "días", 126.528},
        {"0,00007", "días", 0.002}, // 0,00168 rounded
        {"1", "años", 8760},
        {"5,272", "años", 46182.72},
        {"0,01", "min.", 0}, // rounds to no time at all: ActividadFinal refuses it
        {"0,0", "horas", 0},
        {"", "horas", kNada},
        {"abc", "horas", kNada},
        {"1,2,3", "min.", kNada},
        {"1.5", "días", kNada},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(PeriodoEnHoras(c.periodo, c.unidad), c.horas) << c.periodo << " " << c.unidad;
    EXPECT_EQ(PeriodoEnHoras("1E306", "años"), kInf);
}

TEST(Radionuclidos, TextosDePeriodoCero)
{
    EXPECT_TRUE(EsPeriodoCero("0"));
    EXPECT_TRUE(EsPeriodoCero("0,"));
    for (const char *t : {"0,0", "00", " 0", "", ",", "0,5"})
        EXPECT_FALSE(EsPeriodoCero(t)) << t;
}

TEST(Actividad, PosicionDeLaUnidad)
{
    EXPECT_EQ(PosicionUnidadActividad("mCi"), MCI);
    EXPECT_EQ(PosicionUnidadActividad("GBq"), GBQ);
    EXPECT_EQ(PosicionUnidadActividad("Bq"), BQ);
    for (const char *t : {"TBq", "pCi", "mci", "", "Bq "})
        EXPECT_EQ(PosicionUnidadActividad(t), -1) << t;
}

TEST(Actividad, Escalado)
{
    struct Caso {
        int unidad;
        double a;
        double valor;
        const char *texto;
    };
    const Caso casos[] = {
        {MCI, 0.5, 500, "uCi"},      {MCI, 1000, 1000, "mCi"}, // exactly 1000 stays
        {MCI, 1000.5, 1.0005, "Ci"}, {MCI, 5e6, 5000, "Ci"},   // never kCi from mCi
        {MCI, 1, 1, "mCi"},          {MCI, 1e-3, 1, "uCi"},
        {MCI, 9e-4, 900, "nCi"},     {MCI, 1e-6, 1, "nCi"},
        {MCI, 5e-7, 500, "pCi"},     {MCI, 0, 0, "pCi"},
        {CI, 2500, 2.5, "kCi"},      {CI, 1000, 1000, "Ci"},
        {CI, 0.5, 500, "mCi"},       {CI, 5e-4, 500, "uCi"},
        {CI, 1e-6, 1, "uCi"},        {CI, 1e-9, 1, "nCi"},
        {CI, 5e-10, 500, "pCi"},     {UCI, 2e6, 2, "Ci"},
        {UCI, 1e6, 1000, "mCi"},     {UCI, 1000, 1000, "uCi"},
        {UCI, 0.5, 500, "nCi"},      {UCI, 1e-3, 1, "nCi"},
        {UCI, 5e-4, 500, "pCi"},     {NCI, 2e9, 2, "Ci"},
        {NCI, 1e9, 1000, "mCi"},     {NCI, 1e6, 1000, "uCi"},
        {NCI, 1000, 1000, "nCi"},    {NCI, 1e-6, 0.001, "pCi"}, // one step down, however small
        {GBQ, 2000, 2, "TBq"},       {GBQ, 0.5, 500, "MBq"},
        {GBQ, 5e-4, 500, "kBq"},     {GBQ, 1e-9, 1, "Bq"},
        {GBQ, 5e-10, 500, "mBq"},    {MBQ, 2e6, 2, "TBq"},
        {MBQ, 1e6, 1000, "GBq"},     {MBQ, 1, 1, "MBq"},
        {MBQ, 0.5, 500, "kBq"},      {MBQ, 5e-4, 500, "Bq"},
        {MBQ, 5e-7, 500, "mBq"},     {KBQ, 2e9, 2, "TBq"},
        {KBQ, 2e6, 2, "GBq"},        {KBQ, 2000, 2, "MBq"},
        {KBQ, 0.5, 500, "Bq"},       {KBQ, 1e-3, 1, "Bq"},
        {KBQ, 5e-4, 500, "mBq"},     {BQ, 2.5e13, 25, "TBq"},
        {BQ, 1e12, 1000, "GBq"},     {BQ, 2e6, 2, "MBq"},
        {BQ, 2000, 2, "kBq"},        {BQ, 1000, 1000, "Bq"},
        {BQ, 1e-4, 0.1, "mBq"},      {BQ, 1e-9, 1e-6, "mBq"}, // one step down, however small
        {-1, 0.5, 0.5, ""},                                   // no list entry selected: not ranged
        {8, 5e6, 5e6, ""},
    };
    for (const Caso &c : casos) {
        const ActividadMostrada m = EscalarActividad(c.a, c.unidad);
        EXPECT_TRUE(Cerca(m.valor, c.valor)) << c.a << " in unit " << c.unidad;
        EXPECT_EQ(m.unidad, c.texto) << c.a << " in unit " << c.unidad;
    }
}

TEST(Actividad, LeyDelDecaimiento)
{
    // Hg-197, 65 h later: one half-life with the program's ln 2 of eight decimals.
    const auto a = ActividadFinal(10, 65, 65);
    ASSERT_TRUE(a);
    EXPECT_NEAR(*a, 5, 1e-8);
    EXPECT_GT(*a - 5, 2e-9); // not the exact logarithm, which gives 5 within 1e-15
    // A second instant before the first: the activity grows.
    EXPECT_NEAR(ActividadFinal(10, -65, 65).value_or(0), 20, 2e-8);
    EXPECT_EQ(ActividadFinal(10, 0, 65), 10.0);
}

TEST(Actividad, LoQueMuestraLaVentana)
{
    struct Caso {
        const char *nombre;
        double a0, horas, periodo;
        int unidad;
        double valor;
        const char *texto;
    };
    const Caso casos[] = {
        {"one half-life of Hg-197", 10, 65, 65, MCI, 5, "mCi"},
        {"ten half-lives", 10, 650, 65, MCI, 9.766, "uCi"},
        {"no decay, becquerels", 2000, 0, 65, BQ, 2, "kBq"},
        {"Co-60 over a year", 10, 8760, 46182.72, MCI, 8.768, "mCi"},
        {"no list entry: the unit label is left alone", 10, 65, 65, -1, 5, ""},
        {"underflows to nothing", 10, 1e6, 1e-3, MCI, 0, "pCi"},
        {"an infinite half-life does not decay", 10, 65, kInf, MCI, 10, "mCi"},
        {"nothing stays nothing", 0, -1e300, 1e-300, MCI, 0, "pCi"},
        {"huge but finite", 999999, -1000 * 65, 65, MCI, 1.07150693569214e+304, "Ci"},
        {"e^x overflows, a tiny A0 brings it back", 3e-294, -335490.7, 180, MCI, 3.5320897091130713e+264, "Ci"},
    };
    for (const Caso &c : casos) {
        const auto m = CalcularActividad(c.a0, c.horas, c.periodo, c.unidad);
        ASSERT_TRUE(m) << c.nombre;
        EXPECT_NEAR(m->valor, c.valor, 1e-9 * std::max(1.0, std::fabs(c.valor))) << c.nombre;
        EXPECT_EQ(m->unidad, c.texto) << c.nombre;
    }
}

TEST(Actividad, SinResultado)
{
    struct Caso {
        const char *nombre;
        double a0, horas, periodo;
        int unidad;
    };
    const Caso casos[] = {
        {"half-life typed as 0,0", 10, 6, 0, MCI},
        {"half-life 0 and no time elapsed", 10, 0, 0, MCI},
        {"half-life 0 before the first instant", 10, -6, 0, MCI},
        {"exponential overflows", 999999, -1e4 * 65, 65, MCI},
        {"tiny half-life backwards in time", 10, -1, 5e-324, MCI},
        {"negative activity overflows when scaled", -1e300, 0, 65, MCI},
        // e^x itself is finite here: a logarithm's rounding must not make it fit.
        {"the largest activity grows past any number", -std::numeric_limits<double>::max(), -100, 1e16, MCI},
        {"no half-life at all", 10, 6, kNaN, MCI},
    };
    for (const Caso &c : casos)
        EXPECT_FALSE(CalcularActividad(c.a0, c.horas, c.periodo, c.unidad)) << c.nombre;
}

TEST(Actividad, NuncaInfinitoNiNaN)
{
    const double actividades[] = {0, 1e-300, 0.5, 10, 999999, 1e300};
    const double tiempos[] = {-1e300, -1e5, -1, 0, 1, 1e5, 1e300};
    const double periodos[] = {5e-324, 1e-3, 1, 65, 1e300, kInf};
    for (double a0 : actividades)
        for (double t : tiempos)
            for (double p : periodos)
                for (int u = -1; u <= BQ; ++u) {
                    const auto m = CalcularActividad(a0, t, p, u);
                    if (m) {
                        EXPECT_FALSE(NumeroATexto(m->valor).empty()) << a0 << " " << t << " " << p << " " << u;
                    }
                }
}

TEST(Intervalo, PartesYUnidades)
{
    struct Caso {
        const char *nombre;
        double dias, hora1, min1, hora2, min2;
        double horasTotales;
        double d, h, m;
        const char *ud, *uh, *um; // empty: hidden
    };
    const Caso casos[] = {
        {"12:00 to 18:00", 0, 12, 0, 18, 0, 6, 0, 6, 0, "", "horas", ""},
        {"a day and a minute", 1, 12, 0, 12, 1, 24 + 1 / 60.0, 1, 0, 1, "día", "", "min"},
        {"Hg-197 example", 3, 12, 0, 5, 0, 65, 2, 17, 0, "días", "horas", ""},
        {"one hour", 0, 12, 0, 13, 0, 1, 0, 1, 0, "", "hora", ""},
        {"the same instant", 0, 12, 0, 12, 0, 0, 0, 0, 0, "", "", ""},
        {"24 h is accepted", 0, 0, 0, 24, 0, 24, 1, 0, 0, "día", "", ""},
        {"backwards", 0, 18, 0, 12, 0, -6, 0, -6, 0, "", "horas", ""},
        {"backwards a day: -1 is not one", -1, 12, 0, 12, 0, -24, -1, 0, 0, "días", "", ""},
        {"remainders keep the sign", 0, 1, 1, 0, 0, -61 / 60.0, 0, -1, -1, "", "horas", "min"},
        {"decimal hours", 0, 12, 0, 12.5, 0, 0.5, 0, 0, 30, "", "", "min"},
        {"half a minute rounds to 0", 0, 0, 0, 0, 0.5, 0.5 / 60, 0, 0, 0, "", "", ""},
        {"1,5 min rounds to 2", 0, 0, 0, 0, 1.5, 1.5 / 60, 0, 0, 2, "", "", "min"},
        {"2,5 min rounds to 2", 0, 0, 0, 0, 2.5, 2.5 / 60, 0, 0, 2, "", "", "min"},
        {"3,5 min rounds to 4", 0, 0, 0, 0, 3.5, 3.5 / 60, 0, 0, 4, "", "", "min"},
        {"-2,5 min rounds to -2", 0, 0, 2.5, 0, 0, -2.5 / 60, 0, 0, -2, "", "", "min"},
        {"59,5 min round up to an hour", 0, 0, 0, 0, 59.5, 59.5 / 60, 0, 1, 0, "", "hora", ""},
        // More minutes than a 32-bit count holds.
        {"three million days", 3e6, 0, 0, 0, 0, 7.2e7, 3e6, 0, 0, "días", "", ""},
        {"a minute short of a billion days", 1e9, 0, 1, 0, 0, 2.4e10 - 1 / 60.0, 1e9 - 1, 23, 59, "días", "horas",
         "min"},
    };
    for (const Caso &c : casos) {
        const auto i = CalcularIntervalo(c.dias, c.hora1, c.min1, c.hora2, c.min2);
        ASSERT_TRUE(i) << c.nombre;
        EXPECT_TRUE(Cerca(i->horasTotales, c.horasTotales)) << c.nombre;
        EXPECT_EQ(i->dias.valor, c.d) << c.nombre;
        EXPECT_EQ(i->horas.valor, c.h) << c.nombre;
        EXPECT_EQ(i->minutos.valor, c.m) << c.nombre;
        EXPECT_EQ(i->dias.unidad, c.ud) << c.nombre;
        EXPECT_EQ(i->horas.unidad, c.uh) << c.nombre;
        EXPECT_EQ(i->minutos.unidad, c.um) << c.nombre;
        EXPECT_EQ(i->dias.visible, c.d != 0) << c.nombre;
        EXPECT_EQ(i->horas.visible, c.h != 0) << c.nombre;
        EXPECT_EQ(i->minutos.visible, c.m != 0) << c.nombre;
        for (double v : {i->dias.valor, i->horas.valor, i->minutos.valor})
            EXPECT_FALSE(v == 0 && std::signbit(v)) << c.nombre << ": -0";
    }
}

TEST(Intervalo, TiemposDesmesurados)
{
    EXPECT_FALSE(CalcularIntervalo(0, 0, 0, 1e307, 0));
    EXPECT_FALSE(CalcularIntervalo(0, 1.7e308, 0, 1.7e308, 0)); // inf - inf
    EXPECT_FALSE(CalcularIntervalo(0, 0, 1.7e308, 0, -1.7e308));
    // Large but finite: every part has a text.
    const auto i = CalcularIntervalo(0, 0, 0, 1e300, 0);
    ASSERT_TRUE(i);
    for (double v : {i->horasTotales, i->dias.valor, i->horas.valor, i->minutos.valor})
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(i->horasTotales, 1e300);
    // Past 2^53 minutes the parts are still whole numbers within their range.
    for (double minutos : {3.8e16, 1e17, -5.0000000000000008e16, 7.5e20}) {
        const auto j = CalcularIntervalo(0, 0, 0, 0, minutos);
        ASSERT_TRUE(j) << minutos;
        for (double v : {j->dias.valor, j->horas.valor, j->minutos.valor})
            EXPECT_EQ(std::trunc(v), v) << minutos << ": " << v;
        EXPECT_LT(std::fabs(j->horas.valor), 24) << minutos;
        EXPECT_LT(std::fabs(j->minutos.valor), 60) << minutos;
    }
}

TEST(Flechas, Pasos)
{
    enum class Tipo { Hora, Minuto, DiezMinutos, Act1, Act10, Act100 };
    struct Caso {
        const char *nombre;
        Tipo tipo;
        std::optional<double> valor;
        std::optional<double> hora;
        Sentido sentido;
        EfectoPaso efecto;
        double nuevo;
        std::optional<double> nuevaHora;
    };
    constexpr auto A = Sentido::Abajo;
    constexpr auto U = Sentido::Arriba;
    constexpr auto E = EfectoPaso::Escribe;
    constexpr auto S = EfectoPaso::SinCambio;
    constexpr auto X = EfectoPaso::MaximoSuperado;
    const Caso casos[] = {
        {"hour down", Tipo::Hora, 12, kNada, A, E, 11, kNada},
        {"hour down from 0 wraps", Tipo::Hora, 0, kNada, A, E, 23, kNada},
        {"hour down from below 0 wraps", Tipo::Hora, -3, kNada, A, E, 23, kNada},
        {"hour up from 23 wraps", Tipo::Hora, 23, kNada, U, E, 0, kNada},
        {"hour 24 up wraps", Tipo::Hora, 24, kNada, U, E, 0, kNada},
        {"decimal hour up", Tipo::Hora, 12.5, kNada, U, E, 13.5, kNada},
        {"hour not numeric, down", Tipo::Hora, kNada, kNada, A, E, 0, kNada},
        {"hour not numeric, up", Tipo::Hora, kNada, kNada, U, E, 1, kNada},
        {"minute down", Tipo::Minuto, 5, 0, A, E, 4, kNada},
        {"0 h 0 min down: nothing", Tipo::Minuto, 0, 0, A, S, 0, kNada},
        {"minute down borrows", Tipo::Minuto, 0, 5, A, E, 59, 4},
        {"no borrow from a non-numeric hour", Tipo::Minuto, 0, kNada, A, S, 0, kNada},
        {"negative minute down: nothing", Tipo::Minuto, -1, 5, A, S, 0, kNada},
        {"minute up", Tipo::Minuto, 58, 23, U, E, 59, kNada},
        {"23:59 up gives 24:00", Tipo::Minuto, 59, 23, U, E, 0, 24},
        {"carry into a non-numeric hour", Tipo::Minuto, 59, kNada, U, E, 0, 1},
        {"minute not numeric, down", Tipo::Minuto, kNada, 5, A, E, 0, kNada},
        {"minute not numeric, up", Tipo::Minuto, kNada, 5, U, E, 1, kNada},
        {"ten down", Tipo::DiezMinutos, 10, 0, A, E, 0, kNada},
        {"ten down borrows", Tipo::DiezMinutos, 5, 2, A, E, 55, 1},
        {"ten down at 0 h: nothing", Tipo::DiezMinutos, 9, 0, A, S, 0, kNada},
        {"ten up", Tipo::DiezMinutos, 49, 3, U, E, 59, kNada},
        {"ten up carries", Tipo::DiezMinutos, 50, 3, U, E, 0, 4},
        {"ten up carries past 23", Tipo::DiezMinutos, 55, 23, U, E, 5, 24},
        {"ten, not numeric", Tipo::DiezMinutos, kNada, 3, U, E, 1, kNada},
        {"activity down", Tipo::Act1, 1, kNada, A, E, 0, kNada},
        {"activity down at 0: nothing", Tipo::Act1, 0, kNada, A, S, 0, kNada},
        {"activity up to the maximum", Tipo::Act1, 999998, kNada, U, E, 999999, kNada},
        {"activity up at the maximum", Tipo::Act1, 999999, kNada, U, X, 0, kNada},
        {"activity 0,5 down: no negative activity", Tipo::Act1, 0.5, kNada, A, S, 0, kNada},
        {"activity 1,5 down", Tipo::Act1, 1.5, kNada, A, E, 0.5, kNada},
        {"activity 999998,5 up: past the maximum", Tipo::Act1, 999998.5, kNada, U, X, 0, kNada},
        {"activity not numeric", Tipo::Act1, kNada, kNada, U, S, 0, kNada},
        {"activity ten down", Tipo::Act10, 10, kNada, A, E, 0, kNada},
        {"activity ten down below 10", Tipo::Act10, 9.5, kNada, A, S, 0, kNada},
        {"activity ten up to the maximum", Tipo::Act10, 999989, kNada, U, E, 999999, kNada},
        {"activity ten up past it", Tipo::Act10, 999989.5, kNada, U, X, 0, kNada},
        {"activity hundred down", Tipo::Act100, 100, kNada, A, E, 0, kNada},
        {"activity hundred down below 100", Tipo::Act100, 99, kNada, A, S, 0, kNada},
        {"activity hundred up", Tipo::Act100, 12.5, kNada, U, E, 112.5, kNada},
        {"activity hundred up to the maximum", Tipo::Act100, 999899, kNada, U, E, 999999, kNada},
        {"activity hundred up past it", Tipo::Act100, 999900, kNada, U, X, 0, kNada},
        {"activity hundred, not numeric", Tipo::Act100, kNada, kNada, A, S, 0, kNada},
    };
    for (const Caso &c : casos) {
        Paso p{};
        switch (c.tipo) {
        case Tipo::Hora:
            p = PasoHora(c.valor, c.sentido);
            break;
        case Tipo::Minuto:
            p = PasoMinuto(c.valor, c.hora, c.sentido);
            break;
        case Tipo::DiezMinutos:
            p = PasoDiezMinutos(c.valor, c.hora, c.sentido);
            break;
        case Tipo::Act1:
            p = PasoActividad(c.valor, SaltoActividad::Uno, c.sentido);
            break;
        case Tipo::Act10:
            p = PasoActividad(c.valor, SaltoActividad::Diez, c.sentido);
            break;
        case Tipo::Act100:
            p = PasoActividad(c.valor, SaltoActividad::Cien, c.sentido);
            break;
        }
        EXPECT_EQ(p.efecto, c.efecto) << c.nombre;
        if (p.efecto == EfectoPaso::Escribe) {
            EXPECT_EQ(p.valor, c.nuevo) << c.nombre;
        }
        EXPECT_EQ(p.hora, c.nuevaHora) << c.nombre;
    }
}
