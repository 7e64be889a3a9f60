// The three converters as their windows drive them: a number typed in any
// box, then every write of the box's plan, each reading the text the
// previous writes left, as the window does.

#include "converters/conversiones.h"
#include "fuzz/comun.h"

#include <array>
#include <vector>

using namespace Fuzz;

namespace {

using Largo = long double;

struct Ventana {
    const char *nombre;
    const Calculos::Conversor *conversor;
    int cajas;
};

// Units of each box per unit of the box everything goes through.
constexpr std::array<Largo, Calculos::kUnidadesPresion> kPorAtmosfera{
    1, 760, 1 / 0.986923266L, 101325, 1e6L / 0.986923266L, 1.03323L};
constexpr std::array<Largo, Calculos::kUnidadesEnergia> kPorReferencia{1 / 4.184L, 1, 1 / 4.184L, 1, 1 / 96.48L};

// `v`, shown in box `destino`, in the unit of box `origen`.
Largo EnElOrigen(int ventana, int origen, int destino, Largo v)
{
    if (ventana == 0) {
        const Largo celsius = destino == 0 ? v : destino == 1 ? (v - 32) * 5 / 9 : v - 273.15L;
        return origen == 0 ? celsius : origen == 1 ? celsius * 9 / 5 + 32 : celsius + 273.15L;
    }
    const auto &por = ventana == 1 ? kPorAtmosfera.data() : kPorReferencia.data();
    return v / por[destino] * por[origen];
}

// What the rounding of the boxes on the way may move a value by, in the
// unit of box `origen`.
Largo Redondeos(int ventana, int origen, int destino)
{
    if (ventana == 0)
        return 0.005L * (origen == 1 ? 9.0L / 5 : 1) * (destino == 1 ? 5.0L / 9 : 1) * 1.0001L;
    const auto &por = ventana == 1 ? kPorAtmosfera.data() : kPorReferencia.data();
    return (0.0005L + 0.0005L / por[destino]) * por[origen] * 1.0001L;
}

int Decimales(int ventana)
{
    return ventana == 0   ? Calculos::kDecimalesTemperatura
           : ventana == 1 ? Calculos::kDecimalesPresion
                          : Calculos::kDecimalesEnergia;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    static const Ventana ventanas[] = {
        {"temperature", &Calculos::kConversorTemperatura, static_cast<int>(Calculos::kEscalas)},
        {"pressure", &Calculos::kConversorPresion, static_cast<int>(Calculos::kUnidadesPresion)},
        {"energy", &Calculos::kConversorEnergia, static_cast<int>(Calculos::kUnidadesEnergia)},
    };
    FuzzedDataProvider datos(bytes, tamano);
    const int w = datos.ConsumeIntegralInRange<int>(0, 2);
    const Ventana &ventana = ventanas[w];
    const int origen = datos.ConsumeIntegralInRange<int>(0, ventana.cajas - 1);
    const std::string tecleado = TextoDeCaja(datos);
    const auto x = Calculos::TextoANumero(tecleado);
    if (!x)
        return 0;

    std::vector<std::string> cajas(static_cast<std::size_t>(ventana.cajas));
    std::vector<bool> escrita(cajas.size(), false);
    cajas[static_cast<std::size_t>(origen)] = tecleado;
    escrita[static_cast<std::size_t>(origen)] = true;
    const std::string que = std::string(ventana.nombre) + " " + T(tecleado) + " in box " + std::to_string(origen);

    const auto plan = ventana.conversor->plan(origen);
    EXIGIR(!plan.empty(), que + ": nothing to write");
    for (const Calculos::PasoConversion &paso : plan) {
        const std::string q = que + ", box " + std::to_string(paso.destino) + " from " + std::to_string(paso.fuente);
        EXIGIR(paso.destino >= 0 && paso.destino < ventana.cajas && paso.fuente >= 0 && paso.fuente < ventana.cajas,
               q + ": no such box");
        EXIGIR(paso.destino != origen, q + ": the typed box is overwritten");
        // Nothing left from an earlier conversion is read.
        EXIGIR(escrita[static_cast<std::size_t>(paso.fuente)], q + ": reads a box not written yet");
        const auto leido = Calculos::TextoANumero(cajas[static_cast<std::size_t>(paso.fuente)]);
        if (!leido) {
            // A box left empty by a value too large for a double: the window
            // clears the boxes written from it.
            EXIGIR(std::fabs(*x) > 1e300, q + ": reads " + T(cajas[static_cast<std::size_t>(paso.fuente)]));
            cajas[static_cast<std::size_t>(paso.destino)].clear();
            escrita[static_cast<std::size_t>(paso.destino)] = true;
            continue;
        }
        const double v = ventana.conversor->valor(paso.fuente, paso.destino, *leido);
        EXIGIR(!std::isnan(v), q + " = NaN");
        // Every factor is below 1e7: only values near the top of the range
        // have no result.
        if (std::fabs(*leido) <= 1e300)
            Mostrable(v, q);
        const bool sinRedondear =
            w == 1 && paso.destino == static_cast<int>(Calculos::UnidadPresion::Atm) && paso.fuente != paso.destino;
        if (std::isfinite(v) && !sinRedondear)
            Redondeado(v, Decimales(w), q);
        cajas[static_cast<std::size_t>(paso.destino)] = Calculos::NumeroATexto(v);
        escrita[static_cast<std::size_t>(paso.destino)] = true;
    }
    for (int caja = 0; caja < ventana.cajas; ++caja) {
        if (caja == origen || !escrita[static_cast<std::size_t>(caja)] || std::fabs(*x) > 1e300)
            continue;
        const Largo v = *Calculos::TextoANumero(cajas[static_cast<std::size_t>(caja)]);
        const Largo atras = EnElOrigen(w, origen, caja, v);
        const Largo tolerancia = Redondeos(w, origen, caja) + std::fabs(static_cast<Largo>(*x)) * 1e-12L;
        EXIGIR(std::fabs(atras - *x) <= tolerancia, que + ": box " + std::to_string(caja) + " shows " + T(cajas[caja]) +
                                                        ", which is " + D(static_cast<double>(atras)));
    }
    // Every box of the group is written.
    int escritas = 0;
    for (bool e : escrita)
        escritas += e ? 1 : 0;
    const int grupo =
        w == 2 ? static_cast<int>(Calculos::GrupoEnergia(static_cast<Calculos::UnidadEnergia>(origen)).size())
               : ventana.cajas;
    EXIGIR(escritas == grupo, que + ": " + std::to_string(escritas) + " boxes written");
    return 0;
}
