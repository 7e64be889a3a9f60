#include "puzzle/puzle.h"

#include "core/casillas.h"
#include "core/elementos.h"
#include "core/numeros.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <utility>

namespace Calculos {

namespace {

// The order is a list of 16-bit values.
constexpr int kElementosMaximos = 32767;

} // namespace

int ElementosDe(Tablero tablero)
{
    return tablero == Tablero::Completo ? kNumeroElementos : kNumeroReducidos;
}

int NumeroDeOrden(Tablero tablero, int valor)
{
    if (tablero == Tablero::Reducido)
        return NumeroReducido(valor);
    return valor >= 1 && valor <= kNumeroElementos ? valor : 0;
}

std::string SimboloDeOrden(Tablero tablero, int valor)
{
    const int z = NumeroDeOrden(tablero, valor);
    return tablero == Tablero::Reducido ? SimboloReducido(z) : SimboloPorNumero(z);
}

std::string NombreCelda(std::string_view simbolo)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> excepciones{{
        {"As", "TAs"},
        {"In", "TIn"},
        {"I", "Yodo"},
        {"Tl", "TTl"},
        {"Tb", "TTb"},
        {"Th", "TTh"},
        {"Y", "TY"},
    }};
    for (const auto &[s, nombre] : excepciones)
        if (s == simbolo)
            return std::string(nombre);
    return std::string(simbolo);
}

std::string NombreCubierta(std::string_view simbolo)
{
    return "Label" + NombreCelda(simbolo);
}

std::string LecturaCelda(Tablero tablero, int z, MuestraCelda muestra)
{
    const Elemento &e = TablaElementos[static_cast<std::size_t>(z - 1)];
    std::string lectura =
        tablero == Tablero::Reducido && e.columnaF == 1 ? LugarDelCuerpo(3, e.periodo) : LugarCasilla(e);
    switch (muestra) {
    case MuestraCelda::Nada:
        break;
    case MuestraCelda::Numero:
        lectura += ", número atómico " + NumeroATexto(z);
        break;
    case MuestraCelda::Elemento:
        lectura += ", " + std::string(e.nombre);
        break;
    }
    return lectura;
}

std::uint32_t SemillaDelReloj()
{
    const auto ns = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return static_cast<std::uint32_t>(ns ^ (ns >> 32U));
}

FuenteAleatoria AzarConSemilla(std::uint32_t semilla)
{
    // The top 24 bits of a draw are exactly a float in [0, 1);
    // uniform_real_distribution<float> may round up to 1.
    return [motor = std::mt19937(semilla)]() mutable { return static_cast<float>(motor() >> 8U) * 0x1.0p-24F; };
}

FuenteAleatoria AzarDelReloj()
{
    return AzarConSemilla(SemillaDelReloj());
}

std::vector<int> Generar_Aleatorio(int n, const FuenteAleatoria &azar)
{
    n = std::clamp(n, 0, kElementosMaximos);
    const FuenteAleatoria fuente = azar ? azar : AzarDelReloj();
    const double valores = static_cast<double>(n) + 1.0;
    const long sorteosMaximos = static_cast<long>(kSorteosPorValor) * (n + 1);

    std::vector<int> orden(static_cast<std::size_t>(n) + 1, 0);
    std::vector<bool> usado(static_cast<std::size_t>(n) + 1, false);
    usado[0] = true; // slot 0 holds 0, so a slot's starting 0 is always refused
    int menorLibre = 1;
    for (int i = 1; i <= n; ++i) {
        int valor = 0;
        for (long sorteos = 0; usado[static_cast<std::size_t>(valor)]; ++sorteos) {
            if (sorteos == sorteosMaximos) {
                while (usado[static_cast<std::size_t>(menorLibre)])
                    ++menorLibre;
                valor = menorLibre;
                break;
            }
            const float r = fuente();
            if (!(r >= 0.0F && r < 1.0F))
                continue;
            const double x = std::floor(static_cast<double>(r) * valores);
            if (x <= static_cast<double>(n))
                valor = static_cast<int>(x);
        }
        orden[static_cast<std::size_t>(i)] = valor;
        usado[static_cast<std::size_t>(valor)] = true;
    }
    return orden;
}

int SumarUno(int contador)
{
    return contador < std::numeric_limits<int>::max() ? contador + 1 : contador;
}

std::string TextoEntero(int n)
{
    return NumeroATexto(static_cast<double>(n));
}

const char *PalabraFallos(int fallos)
{
    return fallos == 1 ? "fallo" : "fallos";
}

Partida::Partida(Tablero tablero, const FuenteAleatoria &azar)
    : m_tablero(tablero), m_orden(Generar_Aleatorio(ElementosDe(tablero), azar))
{
}

bool Partida::terminada() const
{
    return m_posicion > ElementosDe(m_tablero);
}

int Partida::numeroPedido() const
{
    // Once every element is placed the order holds nothing further.
    const int i = std::min(m_posicion, ElementosDe(m_tablero));
    return NumeroDeOrden(m_tablero, m_orden[static_cast<std::size_t>(i)]);
}

std::string Partida::simboloPedido() const
{
    const int z = numeroPedido();
    return m_tablero == Tablero::Reducido ? SimboloReducido(z) : SimboloPorNumero(z);
}

Jugada Partida::Pulsar(std::string_view simbolo)
{
    if (terminada())
        return Jugada::Ignorada;
    if (simbolo != simboloPedido()) {
        m_fallos = SumarUno(m_fallos);
        return Jugada::Fallo;
    }
    ++m_posicion;
    return terminada() ? Jugada::Completado : Jugada::Acierto;
}

std::optional<LecturaCronometro> Partida::Tic()
{
    std::optional<LecturaCronometro> lectura;
    if (!terminada()) {
        m_segundos = SumarUno(m_segundos);
        lectura = LecturaCronometro{TextoEntero(m_minutos), TextoEntero(m_segundos)};
    }
    if (m_segundos == 60) {
        m_segundos = 0;
        m_minutos = SumarUno(m_minutos);
    }
    return lectura;
}

bool Partida::CambioDeLabel1()
{
    const bool desactivar = m_cambios > 1;
    m_cambios = SumarUno(m_cambios);
    return desactivar;
}

} // namespace Calculos
