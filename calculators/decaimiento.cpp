#include "calculators/decaimiento.h"

#include "core/numeros.h"

#include <cmath>

namespace Calculos {

namespace {

// Not the full natural logarithm of 2: the result must match the one the
// program has always shown.
constexpr double kLn2 = 0.69314718;

enum class Comparacion { Mayor, Menor, MayorOIgual, Siempre };
enum class Operacion { Divide, Multiplica, Igual };

struct Rango {
    Comparacion comparacion;
    double limite;
    Operacion operacion;
    double factor;
    std::string_view unidad;
};

using M = Comparacion;
using O = Operacion;

// One block per selectable unit, tried from the top; the last row always holds.
// clang-format off
constexpr Rango kMCi[] = {
    {M::Mayor, 1000, O::Divide, 1000, "Ci"},
    {M::Menor, 1e-6, O::Multiplica, 1e9, "pCi"},
    {M::Menor, 1e-3, O::Multiplica, 1e6, "nCi"},
    {M::MayorOIgual, 1, O::Igual, 1, "mCi"},
    {M::Siempre, 0, O::Multiplica, 1000, "uCi"},
};
constexpr Rango kCi[] = {
    {M::Mayor, 1000, O::Divide, 1000, "kCi"},
    {M::Menor, 1e-9, O::Multiplica, 1e12, "pCi"},
    {M::Menor, 1e-6, O::Multiplica, 1e9, "nCi"},
    {M::Menor, 1e-3, O::Multiplica, 1e6, "uCi"},
    {M::MayorOIgual, 1, O::Igual, 1, "Ci"},
    {M::Siempre, 0, O::Multiplica, 1000, "mCi"},
};
constexpr Rango kUCi[] = {
    {M::Mayor, 1e6, O::Divide, 1e6, "Ci"},
    {M::Mayor, 1000, O::Divide, 1000, "mCi"},
    {M::Menor, 1e-3, O::Multiplica, 1e6, "pCi"},
    {M::MayorOIgual, 1, O::Igual, 1, "uCi"},
    {M::Siempre, 0, O::Multiplica, 1000, "nCi"},
};
constexpr Rango kNCi[] = {
    {M::Mayor, 1e9, O::Divide, 1e9, "Ci"},
    {M::Mayor, 1e6, O::Divide, 1e6, "mCi"},
    {M::Mayor, 1000, O::Divide, 1000, "uCi"},
    {M::MayorOIgual, 1, O::Igual, 1, "nCi"},
    {M::Siempre, 0, O::Multiplica, 1000, "pCi"},
};
constexpr Rango kGBq[] = {
    {M::Mayor, 1000, O::Divide, 1000, "TBq"},
    {M::Menor, 1e-9, O::Multiplica, 1e12, "mBq"},
    {M::Menor, 1e-6, O::Multiplica, 1e9, "Bq"},
    {M::Menor, 1e-3, O::Multiplica, 1e6, "kBq"},
    {M::MayorOIgual, 1, O::Igual, 1, "GBq"},
    {M::Siempre, 0, O::Multiplica, 1000, "MBq"},
};
constexpr Rango kMBq[] = {
    {M::Mayor, 1e6, O::Divide, 1e6, "TBq"},
    {M::Mayor, 1000, O::Divide, 1000, "GBq"},
    {M::Menor, 1e-6, O::Multiplica, 1e9, "mBq"},
    {M::Menor, 1e-3, O::Multiplica, 1e6, "Bq"},
    {M::MayorOIgual, 1, O::Igual, 1, "MBq"},
    {M::Siempre, 0, O::Multiplica, 1000, "kBq"},
};
constexpr Rango kKBq[] = {
    {M::Mayor, 1e9, O::Divide, 1e9, "TBq"},
    {M::Mayor, 1e6, O::Divide, 1e6, "GBq"},
    {M::Mayor, 1000, O::Divide, 1000, "MBq"},
    {M::Menor, 1e-3, O::Multiplica, 1e6, "mBq"},
    {M::MayorOIgual, 1, O::Igual, 1, "kBq"},
    {M::Siempre, 0, O::Multiplica, 1000, "Bq"},
};
constexpr Rango kBq[] = {
    {M::Mayor, 1e12, O::Divide, 1e12, "TBq"},
    {M::Mayor, 1e9, O::Divide, 1e9, "GBq"},
    {M::Mayor, 1e6, O::Divide, 1e6, "MBq"},
    {M::Mayor, 1000, O::Divide, 1000, "kBq"},
    {M::MayorOIgual, 1, O::Igual, 1, "Bq"},
    {M::Siempre, 0, O::Multiplica, 1000, "mBq"},
};
// clang-format on

struct Bloque {
    const Rango *filas;
    std::size_t cuantas;
};

template <std::size_t N> constexpr Bloque B(const Rango (&filas)[N])
{
    return {filas, N};
}

// In the order of UnidadesActividad.
constexpr std::array<Bloque, UnidadesActividad.size()> kBloques{B(kMCi), B(kCi),  B(kUCi), B(kNCi),
                                                                B(kGBq), B(kMBq), B(kKBq), B(kBq)};

bool Cumple(const Rango &r, double a)
{
    switch (r.comparacion) {
    case M::Mayor:
        return a > r.limite;
    case M::Menor:
        return a < r.limite;
    case M::MayorOIgual:
        return a >= r.limite;
    case M::Siempre:
        return true;
    }
    return true;
}

double Aplicar(const Rango &r, double a)
{
    switch (r.operacion) {
    case O::Divide:
        return a / r.factor;
    case O::Multiplica:
        return a * r.factor;
    case O::Igual:
        return a;
    }
    return a;
}

// Whole minutes with halves going to the even neighbour. Redondear takes halves
// away from zero; a tie it sent to an odd number is pulled back by one.
double RedondearAPar(double v)
{
    double r = Redondear(v, 0);
    if (std::fabs(r - v) == 0.5 && std::fmod(r, 2.0) != 0.0)
        r -= std::copysign(1.0, v);
    return r;
}

// Remainder and quotient with the sign of the dividend, as the interval frame
// shows them, in doubles: a 32-bit count of minutes would overflow after
// about four thousand years.
void Dividir(double n, double divisor, double &cociente, double &resto)
{
    resto = std::fmod(n, divisor);
    // Exact below 2^53 minutes; past that n - resto may round, and the
    // quotient must still be a whole number.
    cociente = std::round((n - resto) / divisor);
}

ParteIntervalo Parte(double valor, std::string_view singular, std::string_view plural)
{
    if (valor == 0) // -0 included
        return {0, false, {}};
    return {valor, true, valor == 1 ? singular : plural};
}

} // namespace

const Radionuclido *BuscarRadionuclido(std::string_view nombre)
{
    for (const Radionuclido &r : TablaRadionuclidos)
        if (r.nombre == nombre)
            return &r;
    return nullptr;
}

std::optional<double> PeriodoEnHoras(std::string_view periodo, std::string_view unidad)
{
    const auto valor = TextoANumero(periodo);
    if (!valor)
        return std::nullopt;
    if (unidad == "min.")
        return Redondear(*valor / 60, 3);
    if (unidad == "días")
        return Redondear(*valor * 24, 3);
    if (unidad == "años")
        return Redondear(*valor * 24 * 365, 3);
    return *valor;
}

bool EsPeriodoCero(std::string_view periodo)
{
    return periodo == "0" || periodo == "0,";
}

int PosicionUnidadActividad(std::string_view texto)
{
    for (std::size_t i = 0; i < UnidadesActividad.size(); ++i)
        if (UnidadesActividad[i] == texto)
            return static_cast<int>(i);
    return -1;
}

ActividadMostrada EscalarActividad(double a, int unidad)
{
    if (unidad < 0 || unidad >= static_cast<int>(kBloques.size()))
        return {a, {}};
    const Bloque &bloque = kBloques[static_cast<std::size_t>(unidad)];
    for (std::size_t i = 0; i < bloque.cuantas; ++i)
        if (Cumple(bloque.filas[i], a))
            return {Aplicar(bloque.filas[i], a), bloque.filas[i].unidad};
    return {a, {}}; // not reached: the last row of every block always holds
}

std::optional<double> ActividadFinal(double a0, double horas, double periodoHoras)
{
    // A half-life of 0 would divide by zero; "0" and "0," are caught before
    // this, "0,0" or a few minutes rounded to 0 hours are caught here.
    if (periodoHoras == 0 || std::isnan(periodoHoras))
        return std::nullopt;
    // Nothing decays from nothing, even where e^x itself overflows.
    if (a0 == 0)
        return 0.0;
    const double exponente = horas * -kLn2 / periodoHoras;
    const double factor = std::exp(exponente);
    double a = a0 * factor;
    // e^x alone may overflow where a tiny A0 brings the product back in range.
    if (std::isinf(factor) && std::isfinite(exponente))
        a = std::copysign(std::exp(exponente + std::log(std::fabs(a0))), a0);
    if (!std::isfinite(a))
        return std::nullopt;
    return a;
}

std::optional<ActividadMostrada> CalcularActividad(double a0, double horas, double periodoHoras, int unidad)
{
    const auto a = ActividadFinal(a0, horas, periodoHoras);
    if (!a)
        return std::nullopt;
    ActividadMostrada m = EscalarActividad(*a, unidad);
    m.valor = Redondear(m.valor, 3);
    // A negative activity pasted in can overflow when scaled down a unit.
    if (!std::isfinite(m.valor))
        return std::nullopt;
    return m;
}

std::optional<IntervaloTiempo> CalcularIntervalo(double diasEntreFechas, double hora1, double min1, double hora2,
                                                 double min2)
{
    const double t = diasEntreFechas * 24 * 60 + (hora2 * 60 + min2) - (hora1 * 60 + min1);
    if (!std::isfinite(t))
        return std::nullopt;
    const double n = RedondearAPar(t);
    double horasTotales = 0;
    double minutos = 0;
    Dividir(n, 60, horasTotales, minutos);
    double dias = 0;
    double horas = 0;
    Dividir(horasTotales, 24, dias, horas);
    return IntervaloTiempo{t, t / 60, Parte(dias, "día", "días"), Parte(horas, "hora", "horas"),
                           Parte(minutos, "min", "min")};
}

Paso PasoHora(std::optional<double> hora, Sentido sentido)
{
    const bool abajo = sentido == Sentido::Abajo;
    if (!hora)
        return {EfectoPaso::Escribe, abajo ? 0.0 : 1.0, std::nullopt};
    const double v = *hora;
    if (abajo)
        return {EfectoPaso::Escribe, v > 0 ? v - 1 : 23, std::nullopt};
    return {EfectoPaso::Escribe, v < 23 ? v + 1 : 0, std::nullopt};
}

namespace {

// The minute spinners differ only in the step and in where they borrow and
// carry; the hour is only touched through these two.
Paso Prestamo(double minutos, std::optional<double> hora)
{
    if (hora && *hora > 0)
        return {EfectoPaso::Escribe, minutos, *hora - 1};
    return {EfectoPaso::SinCambio, 0, std::nullopt};
}

Paso Acarreo(double minutos, std::optional<double> hora)
{
    return {EfectoPaso::Escribe, minutos, hora.value_or(0) + 1};
}

Paso MinutoNoNumerico(Sentido sentido)
{
    return {EfectoPaso::Escribe, sentido == Sentido::Abajo ? 0.0 : 1.0, std::nullopt};
}

} // namespace

Paso PasoMinuto(std::optional<double> minutos, std::optional<double> hora, Sentido sentido)
{
    if (!minutos)
        return MinutoNoNumerico(sentido);
    const double v = *minutos;
    if (sentido == Sentido::Abajo) {
        if (v > 0)
            return {EfectoPaso::Escribe, v - 1, std::nullopt};
        if (v == 0)
            return Prestamo(59, hora);
        return {EfectoPaso::SinCambio, 0, std::nullopt};
    }
    if (v < 59)
        return {EfectoPaso::Escribe, v + 1, std::nullopt};
    return Acarreo(0, hora);
}

Paso PasoDiezMinutos(std::optional<double> minutos, std::optional<double> hora, Sentido sentido)
{
    if (!minutos)
        return MinutoNoNumerico(sentido);
    const double v = *minutos;
    if (sentido == Sentido::Abajo) {
        if (v >= 10)
            return {EfectoPaso::Escribe, v - 10, std::nullopt};
        return Prestamo(v + 50, hora);
    }
    if (v <= 49)
        return {EfectoPaso::Escribe, v + 10, std::nullopt};
    return Acarreo(v - 50, hora);
}

Paso PasoActividad(std::optional<double> actividad, SaltoActividad salto, Sentido sentido)
{
    if (!actividad)
        return {EfectoPaso::SinCambio, 0, std::nullopt};
    const double v = *actividad;
    // Each spinner moves only while a whole step fits: a typed 0,5 does not
    // go down to a negative activity, nor 999998,5 up past the maximum.
    double paso = 1;
    bool baja = v >= 1;
    bool sube = v <= kActividadMaxima - 1;
    if (salto == SaltoActividad::Diez) {
        paso = 10;
        baja = v >= 10;
        sube = v <= kActividadMaxima - 10;
    } else if (salto == SaltoActividad::Cien) {
        paso = 100;
        baja = v >= 100;
        sube = v <= kActividadMaxima - 100;
    }
    if (sentido == Sentido::Abajo)
        return baja ? Paso{EfectoPaso::Escribe, v - paso, std::nullopt} : Paso{EfectoPaso::SinCambio, 0, std::nullopt};
    return sube ? Paso{EfectoPaso::Escribe, v + paso, std::nullopt} : Paso{EfectoPaso::MaximoSuperado, 0, std::nullopt};
}

} // namespace Calculos
