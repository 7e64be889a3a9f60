// The decay window's arithmetic: half-lives typed in any unit, the decay law
// and the unit its result is shown in, the elapsed time between two instants
// and the spinners, on any values of its boxes.

#include "calculators/decaimiento.h"
#include "fuzz/comun.h"

#include <limits>

using namespace Fuzz;
using Calculos::EfectoPaso;
using Calculos::Sentido;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

void Periodo(FuzzedDataProvider &datos)
{
    const std::string texto = TextoDeCaja(datos);
    const std::string unidad = datos.ConsumeBool()
                                   ? std::string(Calculos::UnidadesTiempo[datos.ConsumeIntegralInRange<std::size_t>(
                                         0, Calculos::UnidadesTiempo.size() - 1)])
                                   : datos.ConsumeRandomLengthString(8);
    const auto horas = Calculos::PeriodoEnHoras(texto, unidad);
    const auto valor = Calculos::TextoANumero(texto);
    EXIGIR(horas.has_value() == valor.has_value(), T(texto) + " " + T(unidad));
    if (horas) {
        EXIGIR(!std::isnan(*horas) && !EsCeroNegativo(*horas), T(texto) + " " + T(unidad) + " = " + D(*horas));
        // Only days and years overflow.
        EXIGIR(std::isfinite(*horas) || unidad == "años" || unidad == "días",
               T(texto) + " " + T(unidad) + " = " + D(*horas));
        EXIGIR(*horas == 0 || std::signbit(*horas) == std::signbit(*valor), T(texto) + " " + T(unidad));
    }
    if (Calculos::EsPeriodoCero(texto))
        EXIGIR(valor == 0.0, T(texto) + " means no half-life");
}

// The values each unit may show for a positive activity: [1, 1000] except
// at the ends of each family.
void Rango(double a, int unidad, const Calculos::ActividadMostrada &m)
{
    const std::string que =
        D(a) + " in unit " + std::to_string(unidad) + " shown as " + D(m.valor) + " " + std::string(m.unidad);
    const std::string_view origen = Calculos::UnidadesActividad[static_cast<std::size_t>(unidad)];
    const std::string_view familia = origen.substr(origen.size() - 2);
    EXIGIR(m.unidad.size() >= 2 && m.unidad.substr(m.unidad.size() - 2) == familia, que + ": another family");
    if (!(a > 0))
        return;
    const bool cima = m.unidad == "kCi" || m.unidad == "TBq" || (m.unidad == "Ci" && origen != "Ci");
    const bool fondo = m.unidad == "pCi" || m.unidad == "mBq";
    const double minimo = fondo ? 0 : 1;
    const double maximo = cima ? kInf : 1000;
    EXIGIR(m.valor >= minimo && m.valor <= maximo, que + ": out of the unit's range");
}

void Actividad(FuzzedDataProvider &datos)
{
    const double a0 = NumeroDeCaja(datos);
    const double horas = NumeroDeCaja(datos);
    double periodo = NumeroDeCaja(datos);
    switch (datos.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
        periodo = kInf; // a half-life in years too large for a double
        break;
    case 1:
        periodo = Calculos::TablaRadionuclidos[datos.ConsumeIntegralInRange<std::size_t>(
                                                   0, Calculos::TablaRadionuclidos.size() - 1)]
                      .horas;
        break;
    default:
        break;
    }
    const int unidad = datos.ConsumeIntegralInRange<int>(-1, static_cast<int>(Calculos::UnidadesActividad.size()));
    const std::string que = D(a0) + " after " + D(horas) + " h, half-life " + D(periodo) + " h";

    const auto a = Calculos::ActividadFinal(a0, horas, periodo);
    if (periodo == 0) {
        EXIGIR(!a, que + " has a result");
        return;
    }
    // exp() in long double does not overflow where the double one does.
    const long double exponente = static_cast<long double>(horas * -0.69314718 / periodo);
    const long double exacta = a0 * std::exp(exponente);
    if (std::fabs(exacta) < 1e300L)
        EXIGIR(a.has_value(), que + " has no result, exactly " + D(static_cast<double>(exacta)));
    if (!a)
        return;
    EXIGIR(std::isfinite(*a), que);
    if (a0 == 0)
        EXIGIR(*a == 0, que + " = " + D(*a));
    EXIGIR(*a == 0 || std::signbit(*a) == std::signbit(a0), que + " = " + D(*a));
    if (periodo > 0 && horas >= 0)
        EXIGIR(std::fabs(*a) <= std::fabs(a0), que + " grew to " + D(*a));
    if (periodo > 0 && horas <= 0)
        EXIGIR(std::fabs(*a) >= std::fabs(a0), que + " decayed to " + D(*a));

    const auto m = Calculos::CalcularActividad(a0, horas, periodo, unidad);
    if (!m)
        return;
    Mostrable(m->valor, que + " in unit " + std::to_string(unidad));
    Redondeado(m->valor, 3, que);
    if (unidad < 0 || unidad >= static_cast<int>(Calculos::UnidadesActividad.size())) {
        EXIGIR(m->unidad.empty(), que + ": unit " + std::string(m->unidad));
        return;
    }
    Rango(*a, unidad, *m);
}

void Parte(const Calculos::ParteIntervalo &p, double signo, std::string_view singular, std::string_view plural,
           const std::string &que)
{
    EXIGIR(p.visible == (p.valor != 0), que);
    EXIGIR(!EsCeroNegativo(p.valor) && std::trunc(p.valor) == p.valor, que + ": " + D(p.valor));
    EXIGIR(p.valor * signo >= 0, que + ": " + D(p.valor) + " against the interval's sign");
    if (p.visible) {
        Mostrable(p.valor, que);
        EXIGIR(p.unidad == (p.valor == 1 ? singular : plural), que + ": " + std::string(p.unidad));
    } else {
        EXIGIR(p.unidad.empty(), que);
    }
}

void Intervalo(FuzzedDataProvider &datos)
{
    const double dias = static_cast<double>(datos.ConsumeIntegralInRange<std::int64_t>(-4'000'000, 4'000'000));
    const double h1 = NumeroDeCaja(datos);
    const double m1 = NumeroDeCaja(datos);
    const double h2 = NumeroDeCaja(datos);
    const double m2 = NumeroDeCaja(datos);
    const std::string que = D(dias) + " days, " + D(h1) + ":" + D(m1) + " to " + D(h2) + ":" + D(m2);
    const auto i = Calculos::CalcularIntervalo(dias, h1, m1, h2, m2);
    const long double exacto = static_cast<long double>(dias) * 1440 + (static_cast<long double>(h2) * 60 + m2) -
                               (static_cast<long double>(h1) * 60 + m1);
    // Times whose minutes overflow have no interval, even when it would be
    // small (the same answer as times that are not numbers).
    const bool medibles =
        std::fabs(h1) < 1e300 && std::fabs(h2) < 1e300 && std::fabs(m1) < 1e300 && std::fabs(m2) < 1e300;
    if (medibles && std::fabs(exacto) < 1e300L)
        EXIGIR(i.has_value(), que + " has no interval");
    if (!i)
        return;
    EXIGIR(std::isfinite(i->minutosTotales) && i->horasTotales == i->minutosTotales / 60, que);
    const double signo = i->minutosTotales;
    Parte(i->dias, signo, "día", "días", que + ", days");
    Parte(i->horas, signo, "hora", "horas", que + ", hours");
    Parte(i->minutos, signo, "min", "min", que + ", minutes");
    EXIGIR(std::fabs(i->horas.valor) < 24 && std::fabs(i->minutos.valor) < 60, que);
    // The parts add up to the minutes rounded half to even.
    if (std::fabs(i->minutosTotales) < 1e15) {
        const double n = i->dias.valor * 1440 + i->horas.valor * 60 + i->minutos.valor;
        const double t = i->minutosTotales;
        EXIGIR(std::fabs(n - t) <= 0.5, que + ": parts make " + D(n) + " of " + D(t));
        if (std::fabs(n - t) == 0.5)
            EXIGIR(std::fmod(n, 2.0) == 0, que + ": a tie rounded to odd " + D(n));
    }
}

std::optional<double> Caja(FuzzedDataProvider &datos, int desde, int hasta)
{
    switch (datos.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return std::nullopt;
    case 1:
        return NumeroDeCaja(datos);
    default:
        return static_cast<double>(datos.ConsumeIntegralInRange<int>(desde, hasta));
    }
}

bool Entero(const std::optional<double> &v, double desde, double hasta)
{
    return v && *v >= desde && *v <= hasta && std::trunc(*v) == *v;
}

void Escrito(const Calculos::Paso &p, const std::string &que)
{
    if (p.efecto != EfectoPaso::Escribe)
        return;
    Mostrable(p.valor, que);
    if (p.hora)
        Mostrable(*p.hora, que + ", hour");
}

void Flechas(FuzzedDataProvider &datos)
{
    const Sentido sentido = datos.ConsumeBool() ? Sentido::Abajo : Sentido::Arriba;
    const int paso = sentido == Sentido::Abajo ? -1 : 1;
    const std::string direccion = sentido == Sentido::Abajo ? " down" : " up";
    switch (datos.ConsumeIntegralInRange<int>(0, 2)) {
    case 0: {
        const auto h = Caja(datos, -2, 26);
        const Calculos::Paso p = Calculos::PasoHora(h, sentido);
        const std::string que = "hour " + D(h.value_or(-1)) + direccion;
        EXIGIR(p.efecto == EfectoPaso::Escribe && !p.hora, que);
        Escrito(p, que);
        if (Entero(h, 0, 23))
            EXIGIR(p.valor == std::fmod(*h + paso + 24, 24), que + " gave " + D(p.valor));
        break;
    }
    case 1: {
        const auto m = Caja(datos, -2, 61);
        const auto h = Caja(datos, -2, 26);
        const bool diez = datos.ConsumeBool();
        const Calculos::Paso p = diez ? Calculos::PasoDiezMinutos(m, h, sentido) : Calculos::PasoMinuto(m, h, sentido);
        const std::string que = (diez ? "ten minutes at " : "a minute at ") + D(h.value_or(-1)) + " h " +
                                D(m.value_or(-1)) + " min" + direccion;
        EXIGIR(p.efecto != EfectoPaso::MaximoSuperado, que);
        Escrito(p, que);
        if (!Entero(m, 0, 59) || !(Entero(h, 0, 23) || !h))
            break;
        if (p.efecto == EfectoPaso::SinCambio) {
            // Only a borrow that has no hour to take from.
            EXIGIR(sentido == Sentido::Abajo && !(h && *h > 0) && *m < (diez ? 10 : 1), que);
            break;
        }
        EXIGIR(Entero(p.valor, 0, 59), que + " gave " + D(p.valor) + " min");
        const double antes = h.value_or(0) * 60 + *m;
        const double despues = p.hora.value_or(h.value_or(0)) * 60 + p.valor;
        EXIGIR(despues - antes == paso * (diez ? 10 : 1), que + " moved " + D(despues - antes) + " min");
        EXIGIR(!p.hora || Entero(p.hora, 0, 24), que + " gave " + D(p.hora.value_or(-1)) + " h");
        break;
    }
    default: {
        const auto a = Caja(datos, -2, 1'000'001);
        const int s = datos.ConsumeIntegralInRange<int>(0, 2);
        const auto salto = static_cast<Calculos::SaltoActividad>(s);
        const double tamano = s == 0 ? 1 : s == 1 ? 10 : 100;
        const Calculos::Paso p = Calculos::PasoActividad(a, salto, sentido);
        const std::string que = "activity " + D(a.value_or(-1)) + " by " + D(tamano) + direccion;
        EXIGIR(!p.hora, que);
        Escrito(p, que);
        if (!a) {
            EXIGIR(p.efecto == EfectoPaso::SinCambio, que);
            break;
        }
        if (!(*a >= 0 && *a <= Calculos::kActividadMaxima))
            break;
        // From an activity the spinners may reach, only to another one.
        if (p.efecto == EfectoPaso::Escribe) {
            EXIGIR(p.valor >= 0 && p.valor <= Calculos::kActividadMaxima, que + " gave " + D(p.valor));
            EXIGIR(p.valor == *a + paso * tamano, que + " gave " + D(p.valor));
        } else {
            EXIGIR(p.efecto == (sentido == Sentido::Abajo ? EfectoPaso::SinCambio : EfectoPaso::MaximoSuperado), que);
            EXIGIR(sentido == Sentido::Abajo ? *a - tamano < 0 : *a + tamano > Calculos::kActividadMaxima,
                   que + " refused");
        }
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    switch (datos.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        Periodo(datos);
        break;
    case 1:
        Actividad(datos);
        break;
    case 2:
        Intervalo(datos);
        break;
    default:
        Flechas(datos);
        break;
    }
    return 0;
}
