#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Calculos {

// The two puzzles: the whole table of 118 elements, and the reduced one of
// 75 (Z 1..57 and 72..89).
enum class Tablero { Completo, Reducido };

int ElementosDe(Tablero tablero);

// Atomic number of the element that a value of the order stands for: the
// value itself on the whole table, its place in the reduced table otherwise.
// 0 when the value is outside the board.
int NumeroDeOrden(Tablero tablero, int valor);
std::string SimboloDeOrden(Tablero tablero, int valor);

// Name of a board cell: its symbol, except As, In, I, Tl, Tb, Th and Y.
std::string NombreCelda(std::string_view simbolo);
// The reduced board's cover label over the cell.
std::string NombreCubierta(std::string_view simbolo);

// What a cell shows: nothing, its atomic number or, once placed, its
// element.
enum class MuestraCelda { Nada, Numero, Elemento };

// What a screen reader says for the cell of element z: where it stands on
// the board and what it shows, never more: "Grupo 8, periodo 4", "Grupo 8,
// periodo 4, número atómico 26", "Grupo 8, periodo 4, Hierro". The reduced
// board has La and Ac in group 3.
std::string LecturaCelda(Tablero tablero, int z, MuestraCelda muestra);

// Single-precision uniform numbers in [0, 1).
using FuenteAleatoria = std::function<float()>;

std::uint32_t SemillaDelReloj();
// The same seed always gives the same numbers.
FuenteAleatoria AzarConSemilla(std::uint32_t semilla);
FuenteAleatoria AzarDelReloj();

// A slot gets this many draws per possible value (100 x (n + 1)) before it
// takes the lowest free value. A fair source needs more, even for the last
// slot, with a probability below 1e-43; a broken one (constant, out of
// range, NaN) would otherwise never finish.
inline constexpr int kSorteosPorValor = 100;

// The order in which n elements are asked for: slot 0 holds 0 and slots 1..n
// a permutation of 1..n. Each slot draws the integer part of r x (n + 1)
// until it differs from every earlier slot; values outside 0..n are drawn
// again. n is taken within 0..32767, the reach of the 16-bit order.
std::vector<int> Generar_Aleatorio(int n, const FuenteAleatoria &azar = AzarDelReloj());

// Counters never wrap: they stop at the largest int.
int SumarUno(int contador);

// Whole numbers as the labels show them.
std::string TextoEntero(int n);

// The word after the miss count.
const char *PalabraFallos(int fallos);

// What one stopwatch tick writes into the minutes and seconds labels.
struct LecturaCronometro {
    std::string minutos;
    std::string segundos;
};

// Result of a click on a board cell.
enum class Jugada {
    Fallo,      // not the element asked for: a miss is counted
    Acierto,    // placed; another element is asked for
    Completado, // the last element placed: the game is over
    Ignorada,   // the game is already over
};

// One game: the order, the element asked for, the stopwatch and the
// counters. The window shows what this tells it and keeps nothing else.
class Partida {
public:
    explicit Partida(Tablero tablero, const FuenteAleatoria &azar = AzarDelReloj());

    Tablero tablero() const { return m_tablero; }
    const std::vector<int> &orden() const { return m_orden; }
    // 1 at the start, one more per placement, elements + 1 at the end.
    int posicion() const { return m_posicion; }
    bool terminada() const;
    // The element asked for now; once the game is over, the last one.
    int numeroPedido() const;
    std::string simboloPedido() const;
    int fallos() const { return m_fallos; }
    int minutos() const { return m_minutos; }
    int segundos() const { return m_segundos; }

    // A click on the cell of `simbolo`, judged against the element asked for.
    Jugada Pulsar(std::string_view simbolo);

    // One stopwatch tick. While the game goes on, one second more, and the
    // labels to write; they show the count before the carry, so "60" stays
    // for one tick and the new minute shows from the next one. Nothing to
    // write once the game is over.
    std::optional<LecturaCronometro> Tic();

    // Every change of the asked-for label counts; a change that finds two or
    // more before it disables the start button (true). The label is cleared
    // and then shows the first symbol at the start, so the first placement
    // is the first change that disables it.
    bool CambioDeLabel1();

private:
    Tablero m_tablero;
    std::vector<int> m_orden;
    int m_posicion = 1;
    int m_minutos = 0;
    int m_segundos = 0;
    int m_fallos = 0;
    int m_cambios = 0;
};

} // namespace Calculos
