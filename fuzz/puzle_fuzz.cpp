// The puzzle's order from a random source the fuzzer drives (broken ones
// included: NaN, infinities, values outside [0, 1), constants), and whole
// games played with any clicks and stopwatch ticks.

#include "core/elementos.h"
#include "fuzz/comun.h"
#include "puzzle/marcas.h"
#include "puzzle/puzle.h"

#include <algorithm>
#include <vector>

using namespace Fuzz;
using Calculos::Jugada;
using Calculos::Tablero;

namespace {

float DeBitsFloat(std::uint32_t bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// Draws taken from the fuzzer's bytes: raw floats or fair ones; once the
// bytes run out, a fair source (a broken one costs 100 (n + 1) draws a slot).
Calculos::FuenteAleatoria Fuente(FuzzedDataProvider &datos)
{
    return [&datos, justa = Calculos::AzarConSemilla(0)]() -> float {
        if (datos.remaining_bytes() == 0)
            return justa();
        if (datos.ConsumeBool())
            return DeBitsFloat(datos.ConsumeIntegral<std::uint32_t>());
        return static_cast<float>(datos.ConsumeIntegral<std::uint16_t>()) / 65536.0F;
    };
}

void Orden(const std::vector<int> &orden, int n, const std::string &que)
{
    EXIGIR(orden.size() == static_cast<std::size_t>(n) + 1 && orden[0] == 0, que);
    std::vector<int> resto(orden.begin() + 1, orden.end());
    std::sort(resto.begin(), resto.end());
    for (int i = 0; i < n; ++i)
        EXIGIR(resto[static_cast<std::size_t>(i)] == i + 1, que + ": not a permutation of 1.." + std::to_string(n));
}

void Partida(FuzzedDataProvider &datos)
{
    const Tablero tablero = datos.ConsumeBool() ? Tablero::Completo : Tablero::Reducido;
    const int elementos = Calculos::ElementosDe(tablero);
    const std::size_t bytesDelOrden = datos.ConsumeIntegralInRange<std::size_t>(0, 2048);
    std::vector<std::uint8_t> paraElOrden = datos.ConsumeBytes<std::uint8_t>(bytesDelOrden);
    FuzzedDataProvider azar(paraElOrden.data(), paraElOrden.size());
    Calculos::Partida p(tablero, Fuente(azar));
    Orden(p.orden(), elementos, "game order");

    std::vector<bool> pedido(Calculos::kNumeroElementos + 1, false);
    int fallos = 0;
    long tiempo = 0;
    int cambios = 0;
    bool completada = false;
    while (datos.remaining_bytes() > 0) {
        const bool terminada = p.terminada();
        EXIGIR(p.posicion() >= 1 && p.posicion() <= elementos + 1 && terminada == (p.posicion() == elementos + 1),
               "position " + std::to_string(p.posicion()));
        const int z = p.numeroPedido();
        EXIGIR(z >= 1 && z <= Calculos::kNumeroElementos && p.simboloPedido() == Calculos::SimboloPorNumero(z),
               "asked for Z = " + std::to_string(z));
        switch (datos.ConsumeIntegralInRange<int>(0, 5)) {
        case 0: {
            // The right cell: every element is asked for once.
            const Jugada j = p.Pulsar(p.simboloPedido());
            if (terminada) {
                EXIGIR(j == Jugada::Ignorada, "a click after the end");
                break;
            }
            EXIGIR(!pedido[static_cast<std::size_t>(z)], "Z = " + std::to_string(z) + " asked for twice");
            pedido[static_cast<std::size_t>(z)] = true;
            EXIGIR(j == (p.terminada() ? Jugada::Completado : Jugada::Acierto), "a right click");
            EXIGIR(!(j == Jugada::Completado && completada), "finished twice");
            completada = completada || j == Jugada::Completado;
            break;
        }
        case 1:
        case 2: {
            const std::string simbolo =
                datos.ConsumeBool()
                    ? Calculos::SimboloPorNumero(datos.ConsumeIntegralInRange<int>(1, Calculos::kNumeroElementos))
                    : datos.ConsumeRandomLengthString(4);
            const bool acierto = simbolo == p.simboloPedido();
            const Jugada j = p.Pulsar(simbolo);
            if (terminada) {
                EXIGIR(j == Jugada::Ignorada, "a click after the end");
            } else if (!acierto) {
                EXIGIR(j == Jugada::Fallo, "a wrong click on " + T(simbolo));
                ++fallos;
            } else {
                EXIGIR(!pedido[static_cast<std::size_t>(z)], "Z = " + std::to_string(z) + " asked for twice");
                pedido[static_cast<std::size_t>(z)] = true;
                completada = completada || j == Jugada::Completado;
            }
            break;
        }
        case 3: {
            const auto lectura = p.Tic();
            EXIGIR(lectura.has_value() == !terminada, "a tick after the end");
            if (!terminada)
                ++tiempo;
            if (lectura) {
                // What the labels show reads back as the time so far.
                const auto m = Calculos::EnteroDeEtiqueta(lectura->minutos);
                const auto s = Calculos::EnteroDeEtiqueta(lectura->segundos);
                EXIGIR(m && s && *s >= 1 && *s <= 60 && *m * 60 + *s == tiempo,
                       "the stopwatch shows " + lectura->minutos + ":" + lectura->segundos + " after " +
                           std::to_string(tiempo) + " s");
            }
            break;
        }
        case 4:
            EXIGIR(p.CambioDeLabel1() == (cambios >= 2), "change " + std::to_string(cambios) + " of the label");
            ++cambios;
            break;
        default: {
            // A run of right clicks, to reach the end of the game.
            for (int k = datos.ConsumeIntegralInRange<int>(1, 120); k > 0 && !p.terminada(); --k) {
                const auto siguiente = static_cast<std::size_t>(p.numeroPedido());
                EXIGIR(!pedido[siguiente], "Z = " + std::to_string(siguiente) + " asked for twice");
                pedido[siguiente] = true;
                completada = completada || p.Pulsar(p.simboloPedido()) == Jugada::Completado;
            }
            break;
        }
        }
        EXIGIR(p.fallos() == fallos, "misses " + std::to_string(p.fallos()) + ", counted " + std::to_string(fallos));
        EXIGIR(p.minutos() >= 0 && p.segundos() >= 0 && p.segundos() <= 60 &&
                   static_cast<long>(p.minutos()) * 60 + p.segundos() == tiempo,
               "the stopwatch holds " + std::to_string(p.minutos()) + ":" + std::to_string(p.segundos()) + " after " +
                   std::to_string(tiempo) + " s");
    }
    EXIGIR(completada == p.terminada(), "the end of the game");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    if (datos.ConsumeBool()) {
        // Kept small: a broken source costs 100 (n + 1) draws per slot.
        const int n = datos.ConsumeBool() ? datos.ConsumeIntegralInRange<int>(0, 130)
                                          : datos.ConsumeIntegralInRange<int>(-40000, 40000);
        const bool grande = n > 130 || n < 0;
        const std::size_t bytesDelOrden = datos.ConsumeIntegralInRange<std::size_t>(0, 4096);
        std::vector<std::uint8_t> paraElOrden = datos.ConsumeBytes<std::uint8_t>(bytesDelOrden);
        FuzzedDataProvider azar(paraElOrden.data(), paraElOrden.size());
        // Large orders only from a fair source, which needs few draws; a
        // broken constant one only for small ones.
        const bool rota = !grande && n <= 40 && datos.ConsumeBool();
        const float constante = DeBitsFloat(datos.ConsumeIntegral<std::uint32_t>());
        const Calculos::FuenteAleatoria fuente = grande
                                                     ? Calculos::AzarConSemilla(datos.ConsumeIntegral<std::uint32_t>())
                                                 : rota ? Calculos::FuenteAleatoria([constante] { return constante; })
                                                        : Fuente(azar);
        const std::vector<int> orden = Calculos::Generar_Aleatorio(n, fuente);
        Orden(orden, std::clamp(n, 0, 32767), "order of " + std::to_string(n));
        return 0;
    }
    Partida(datos);
    return 0;
}
