#include "converters/conversiones.h"

#include "core/numeros.h"

namespace Calculos {

namespace {

constexpr double kDesplazamientoKelvin = 273.15;
constexpr double kDesplazamientoFahrenheit = 32;
// Both factors are quotients of integers, so 9/5 and 5/9 are the doubles
// nearest to those fractions, not 1,8 and a typed-in 0,5556.
constexpr double kNueveQuintos = 9.0 / 5.0;
constexpr double kCincoNovenos = 5.0 / 9.0;
constexpr double kUmbralFahrenheit = -459.67;

double Temperatura(double v)
{
    return Redondear(v, kDecimalesTemperatura);
}

constexpr double kMmHgPorAtm = 760;
constexpr double kAtmPorBar = 0.986923266;
constexpr double kPaPorAtm = 101325;
constexpr double kDinaPorBar = 1e6;
constexpr double kKgPorAtm = 1.03323;

constexpr double kJuliosPorCaloria = 4.184;
constexpr double kKJMolPorEV = 96.48;

double FactorEnergia(UnidadEnergia u)
{
    switch (u) {
    case UnidadEnergia::Cal:
    case UnidadEnergia::KcalMol:
        return kJuliosPorCaloria;
    case UnidadEnergia::EV:
        return kKJMolPorEV;
    case UnidadEnergia::J:
    case UnidadEnergia::KJMol:
        break;
    }
    return 1;
}

} // namespace

double ConvertirTemperatura(Escala origen, Escala destino, double t)
{
    switch (origen) {
    case Escala::Celsius:
        if (destino == Escala::Kelvin)
            return Temperatura(t + kDesplazamientoKelvin);
        if (destino == Escala::Fahrenheit)
            return Temperatura(t * kNueveQuintos + kDesplazamientoFahrenheit);
        break;
    case Escala::Fahrenheit:
        if (destino == Escala::Kelvin)
            return Temperatura((t - kDesplazamientoFahrenheit) * kCincoNovenos + kDesplazamientoKelvin);
        if (destino == Escala::Celsius)
            return Temperatura((t - kDesplazamientoFahrenheit) * kCincoNovenos);
        break;
    case Escala::Kelvin:
        if (destino == Escala::Celsius)
            return Temperatura(t - kDesplazamientoKelvin);
        if (destino == Escala::Fahrenheit)
            return Temperatura((t - kDesplazamientoKelvin) * kNueveQuintos + kDesplazamientoFahrenheit);
        break;
    }
    return Temperatura(t);
}

std::array<Escala, 2> OrdenTemperatura(Escala origen)
{
    switch (origen) {
    case Escala::Celsius:
        return {Escala::Kelvin, Escala::Fahrenheit};
    case Escala::Fahrenheit:
        return {Escala::Kelvin, Escala::Celsius};
    case Escala::Kelvin:
        break;
    }
    return {Escala::Celsius, Escala::Fahrenheit};
}

bool KelvinBajoCero(double k)
{
    return k < 0;
}

bool FahrenheitBajoCero(double f)
{
    return f < kUmbralFahrenheit;
}

double AAtmosferas(UnidadPresion u, double x)
{
    switch (u) {
    case UnidadPresion::Atm:
        return x;
    case UnidadPresion::Hg:
        return x / kMmHgPorAtm;
    case UnidadPresion::Bar:
        return x * kAtmPorBar;
    case UnidadPresion::Pa:
        return x / kPaPorAtm;
    case UnidadPresion::Dina:
        return x * kAtmPorBar / kDinaPorBar;
    case UnidadPresion::Kg:
        return x / kKgPorAtm;
    }
    return x;
}

double DesdeAtmosferas(UnidadPresion u, double atm)
{
    double v = atm;
    switch (u) {
    case UnidadPresion::Atm:
        break;
    case UnidadPresion::Hg:
        v = atm * kMmHgPorAtm;
        break;
    case UnidadPresion::Bar:
        v = atm / kAtmPorBar;
        break;
    case UnidadPresion::Pa:
        v = atm * kPaPorAtm;
        break;
    case UnidadPresion::Dina:
        v = kDinaPorBar * atm / kAtmPorBar;
        break;
    case UnidadPresion::Kg:
        v = atm * kKgPorAtm;
        break;
    }
    return Redondear(v, kDecimalesPresion);
}

std::span<const UnidadPresion> OrdenPresion(UnidadPresion origen)
{
    using enum UnidadPresion;
    static constexpr UnidadPresion desdeAtm[] = {Hg, Bar, Pa, Dina, Kg};
    static constexpr UnidadPresion desdeHg[] = {Bar, Pa, Dina, Kg, Atm};
    static constexpr UnidadPresion desdeBar[] = {Atm, Dina, Pa, Hg, Kg};
    static constexpr UnidadPresion desdePa[] = {Hg, Bar, Dina, Kg, Atm};
    static constexpr UnidadPresion desdeDina[] = {Hg, Bar, Pa, Kg, Atm};
    static constexpr UnidadPresion desdeKg[] = {Atm, Bar, Pa, Dina, Hg};
    switch (origen) {
    case Atm:
        return desdeAtm;
    case Hg:
        return desdeHg;
    case Bar:
        return desdeBar;
    case Pa:
        return desdePa;
    case Dina:
        return desdeDina;
    case Kg:
        return desdeKg;
    }
    return {};
}

std::span<const UnidadEnergia> GrupoEnergia(UnidadEnergia u)
{
    using enum UnidadEnergia;
    static constexpr UnidadEnergia par[] = {Cal, J};
    static constexpr UnidadEnergia trio[] = {KcalMol, KJMol, EV};
    if (u == Cal || u == J)
        return par;
    return trio;
}

UnidadEnergia Referencia(UnidadEnergia u)
{
    if (u == UnidadEnergia::Cal || u == UnidadEnergia::J)
        return UnidadEnergia::J;
    return UnidadEnergia::KJMol;
}

double AReferencia(UnidadEnergia u, double x)
{
    return Redondear(x * FactorEnergia(u), kDecimalesEnergia);
}

double DesdeReferencia(UnidadEnergia u, double y)
{
    return Redondear(y / FactorEnergia(u), kDecimalesEnergia);
}

std::span<const UnidadEnergia> OrdenEnergia(UnidadEnergia origen)
{
    using enum UnidadEnergia;
    static constexpr UnidadEnergia desdeCal[] = {J};
    static constexpr UnidadEnergia desdeJ[] = {Cal};
    static constexpr UnidadEnergia desdeKcalMol[] = {KJMol, EV};
    static constexpr UnidadEnergia desdeKJMol[] = {EV, KcalMol};
    static constexpr UnidadEnergia desdeEV[] = {KJMol, KcalMol};
    switch (origen) {
    case Cal:
        return desdeCal;
    case J:
        return desdeJ;
    case KcalMol:
        return desdeKcalMol;
    case KJMol:
        return desdeKJMol;
    case EV:
        return desdeEV;
    }
    return {};
}

namespace {

// Each other box from the typed one.
std::vector<PasoConversion> PlanTemperatura(int origen)
{
    std::vector<PasoConversion> plan;
    for (Escala destino : OrdenTemperatura(static_cast<Escala>(origen)))
        plan.push_back({static_cast<int>(destino), origen});
    return plan;
}

double ValorTemperatura(int fuente, int destino, double t)
{
    return ConvertirTemperatura(static_cast<Escala>(fuente), static_cast<Escala>(destino), t);
}

// The unrounded atmospheres first; then every box from the atmosphere box.
std::vector<PasoConversion> PlanPresion(int origen)
{
    constexpr int atm = static_cast<int>(UnidadPresion::Atm);
    std::vector<PasoConversion> plan;
    if (origen != atm)
        plan.push_back({atm, origen});
    for (UnidadPresion destino : OrdenPresion(static_cast<UnidadPresion>(origen)))
        plan.push_back({static_cast<int>(destino), atm});
    return plan;
}

double ValorPresion(int fuente, int destino, double x)
{
    if (destino == static_cast<int>(UnidadPresion::Atm) && fuente != destino)
        return AAtmosferas(static_cast<UnidadPresion>(fuente), x);
    return DesdeAtmosferas(static_cast<UnidadPresion>(destino), x);
}

// The reference box from the typed one; the rest of the group from the
// reference box.
std::vector<PasoConversion> PlanEnergia(int origen)
{
    const auto u = static_cast<UnidadEnergia>(origen);
    const int referencia = static_cast<int>(Referencia(u));
    std::vector<PasoConversion> plan;
    for (UnidadEnergia destino : OrdenEnergia(u)) {
        const int d = static_cast<int>(destino);
        plan.push_back({d, d == referencia ? origen : referencia});
    }
    return plan;
}

double ValorEnergia(int fuente, int destino, double x)
{
    const auto f = static_cast<UnidadEnergia>(fuente);
    const auto d = static_cast<UnidadEnergia>(destino);
    return d == Referencia(f) && f != d ? AReferencia(f, x) : DesdeReferencia(d, x);
}

} // namespace

const Conversor kConversorTemperatura{PlanTemperatura, ValorTemperatura};
const Conversor kConversorPresion{PlanPresion, ValorPresion};
const Conversor kConversorEnergia{PlanEnergia, ValorEnergia};

} // namespace Calculos
