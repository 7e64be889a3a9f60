// The solutions window's arithmetic: quantities from the unit lists, the
// solute mass, the liquid and stock volumes, the concentration checks and the
// units the results are shown in, on any values of its boxes.

#include "calculators/disoluciones.h"
#include "fuzz/comun.h"

#include <limits>

using namespace Fuzz;
using Calculos::Magnitud;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMaximo = std::numeric_limits<double>::max();

Calculos::Cantidad Leer(FuzzedDataProvider &datos, std::span<const Calculos::Unidad> lista, const char *nombre)
{
    const int posicion = datos.ConsumeIntegralInRange<int>(-1, static_cast<int>(lista.size()));
    const double valor = NumeroDeCaja(datos);
    const Calculos::Cantidad c = Calculos::CantidadBase(lista, posicion, valor);
    const std::string que = std::string(nombre) + " " + D(valor) + " at " + std::to_string(posicion);
    if (posicion < 0 || posicion >= static_cast<int>(lista.size())) {
        EXIGIR(c.magnitud == Magnitud::Ninguna && c.valor == 0, que);
    } else {
        const Calculos::Unidad &u = lista[static_cast<std::size_t>(posicion)];
        EXIGIR(c.magnitud == u.magnitud && c.valor == valor / u.divisor, que + " gave " + D(c.valor));
        EXIGIR(Calculos::PosicionUnidad(lista, u.texto) == posicion, que);
    }
    return c;
}

// A result may be missing only when its exact value is beyond a double.
void SoloPorDesbordamiento(const std::optional<double> &r, long double exacto, const std::string &que)
{
    if (r) {
        EXIGIR(std::isfinite(*r), que + " = " + D(*r));
    } else {
        EXIGIR(!(std::fabs(exacto) <= static_cast<long double>(kMaximo)),
               que + " has no result, exactly " + D(static_cast<double>(exacto)));
    }
}

struct Tramo {
    std::string_view unidad;
    double minimo; // of the value shown
    double maximo;
};

// Every unit a result may be shown in and the values it may show.
void Escala(const Calculos::Escalado &e, double entrada, std::initializer_list<Tramo> tramos, const std::string &que)
{
    const std::string q = que + " " + D(entrada) + " shown as " + D(e.valor) + " " + std::string(e.unidad);
    const Tramo *tramo = nullptr;
    for (const Tramo &t : tramos)
        if (t.unidad == e.unidad)
            tramo = &t;
    EXIGIR(tramo != nullptr, q + ": not a unit of the list");
    Mostrable(e.valor, q);
    // Negative quantities have no stated range: only a unit and a text.
    if (entrada >= 0)
        EXIGIR(e.valor >= tramo->minimo && e.valor <= tramo->maximo, q + ": outside the unit's range");
}

void Escalas(double gramos, double mililitros, double litros)
{
    Escala(Calculos::EscalarMasa(gramos), gramos,
           {{"kg", 1, kInf}, {"g", 0.9, 1000}, {"mg", 0.9, 900}, {"ug", -kInf, 900}}, "mass");
    Escala(Calculos::EscalarVolumenLiquido(mililitros), mililitros,
           {{"l", 1, kInf}, {"ml", 0.9, 1000}, {"ul", 0.9, 900}, {"nl", -kInf, 900}}, "liquid volume");
    Escala(Calculos::EscalarVolumenPartida(litros), litros,
           {{"l", 0.9, kInf}, {"ml", 0.9, 900}, {"ul", 0.9, 900}, {"nl", -kInf, 900}}, "stock volume");
}

long double De(const Calculos::Cantidad &c, Magnitud m)
{
    return c.magnitud == m ? c.valor : 0.0L;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    if (datos.ConsumeBool()) {
        const double a = NumeroDeCaja(datos);
        const double b = NumeroDeCaja(datos);
        const double c = NumeroDeCaja(datos);
        Escalas(a, b, c);
        return 0;
    }
    const Calculos::Cantidad deseada = Leer(datos, Calculos::kUnidadesConcFinal, "desired");
    const Calculos::Cantidad partida = Leer(datos, Calculos::kUnidadesConcInicial, "stock");
    const Calculos::Cantidad volumen = Leer(datos, Calculos::kUnidadesVolumen, "volume");
    const double litros = volumen.valor;
    const double pm = NumeroDeCaja(datos);
    const double densidad = NumeroDeCaja(datos);
    const std::string que = D(deseada.valor) + " (" + std::to_string(static_cast<int>(deseada.magnitud)) + ") from " +
                            D(partida.valor) + " (" + std::to_string(static_cast<int>(partida.magnitud)) + "), " +
                            D(litros) + " l, Pm " + D(pm);

    const std::optional<double> masa = Calculos::MasaSoluto(deseada, litros, pm);
    const long double v = litros;
    long double exacta = 0;
    if (deseada.magnitud == Magnitud::Molar)
        exacta = pm * De(deseada, Magnitud::Molar) * v;
    else if (deseada.magnitud == Magnitud::Masica)
        exacta = v * De(deseada, Magnitud::Masica);
    else if (deseada.magnitud == Magnitud::Porcentaje)
        exacta = v * De(deseada, Magnitud::Porcentaje) * 10;
    SoloPorDesbordamiento(masa, exacta, "solute mass of " + que);
    if (masa) {
        Escala(Calculos::EscalarMasa(*masa), *masa,
               {{"kg", 1, kInf}, {"g", 0.9, 1000}, {"mg", 0.9, 900}, {"ug", -kInf, 900}}, "mass");
        const std::optional<double> ml = Calculos::VolumenLiquido(*masa, densidad);
        if (densidad == 0)
            EXIGIR(!ml, "a volume at density 0");
        else
            SoloPorDesbordamiento(ml, static_cast<long double>(*masa) / densidad, "volume of " + D(*masa) + " g");
        if (ml)
            Escala(Calculos::EscalarVolumenLiquido(*ml), *ml,
                   {{"l", 1, kInf}, {"ml", 0.9, 1000}, {"ul", 0.9, 900}, {"nl", -kInf, 900}}, "liquid volume");
    }

    const Calculos::FalloConcentracion fallo = Calculos::ComprobarConcentraciones(deseada, partida, pm);
    const bool sinComparar = deseada.magnitud == Magnitud::Porcentaje || deseada.magnitud == Magnitud::Ninguna ||
                             partida.magnitud == Magnitud::Ninguna || deseada.valor == 0 || partida.valor == 0;
    EXIGIR(!sinComparar || fallo == Calculos::FalloConcentracion::Ninguno, que);

    const std::optional<Calculos::VolumenPartida> vs = Calculos::VolumenDePartida(deseada, partida, litros, pm);
    if (vs) {
        EXIGIR(std::isfinite(vs->litros) && vs->mayorQueVolumen == (vs->litros > litros), que);
        Escala(Calculos::EscalarVolumenPartida(vs->litros), vs->litros,
               {{"l", 0.9, kInf}, {"ml", 0.9, 900}, {"ul", 0.9, 900}, {"nl", -kInf, 900}}, "stock volume");
        // A stock that passed the checks is at least as concentrated as the
        // solution: it never takes more than the volume to prepare.
        const bool positivos = deseada.valor > 0 && partida.valor > 0 && litros > 0 && pm > 0;
        if (positivos && !sinComparar && fallo == Calculos::FalloConcentracion::Ninguno)
            EXIGIR(!vs->mayorQueVolumen, que + ": " + D(vs->litros) + " l of stock passed the checks");
    }
    if (deseada.magnitud == Magnitud::Ninguna || (partida.magnitud == Magnitud::Ninguna && masa)) {
        EXIGIR(vs && vs->litros == 0, que);
    }
    return 0;
}
