#include "puzzle/puzle.h"

#include "core/elementos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <set>
#include <string>
#include <vector>

using namespace Calculos;

namespace {

// Slot 0 holds 0 and slots 1..n hold each of 1..n once.
bool EsOrdenValido(const std::vector<int> &orden, int n)
{
    if (orden.size() != static_cast<std::size_t>(n) + 1 || orden[0] != 0)
        return false;
    std::vector<int> resto(orden.begin() + 1, orden.end());
    std::sort(resto.begin(), resto.end());
    std::vector<int> esperado(static_cast<std::size_t>(n));
    std::iota(esperado.begin(), esperado.end(), 1);
    return resto == esperado;
}

FuenteAleatoria Guion(std::vector<float> valores)
{
    return [valores = std::move(valores), i = std::size_t{0}]() mutable {
        return i < valores.size() ? valores[i++] : 0.0F;
    };
}

// Plays the whole game right, collecting the atomic numbers asked for.
std::vector<int> JugarSinFallos(Partida &p)
{
    std::vector<int> pedidos;
    while (!p.terminada()) {
        pedidos.push_back(p.numeroPedido());
        const Jugada j = p.Pulsar(p.simboloPedido());
        EXPECT_EQ(j, p.terminada() ? Jugada::Completado : Jugada::Acierto);
    }
    return pedidos;
}

} // namespace

TEST(Generar_Aleatorio, CadaElementoUnaVez)
{
    for (int n : {118, 75, 2, 1, 0})
        for (std::uint32_t semilla : {1U, 2U, 42U, 20240101U})
            EXPECT_TRUE(EsOrdenValido(Generar_Aleatorio(n, AzarConSemilla(semilla)), n))
                << "n = " << n << ", seed " << semilla;
    EXPECT_TRUE(EsOrdenValido(Generar_Aleatorio(118), 118)) << "clock-seeded";
}

TEST(Generar_Aleatorio, LaSemillaFijaElOrden)
{
    EXPECT_EQ(Generar_Aleatorio(118, AzarConSemilla(5)), Generar_Aleatorio(118, AzarConSemilla(5)));
    EXPECT_NE(Generar_Aleatorio(118, AzarConSemilla(5)), Generar_Aleatorio(118, AzarConSemilla(6)));
}

TEST(Generar_Aleatorio, SigueLosSorteos)
{
    struct Caso {
        const char *nombre;
        int n;
        std::vector<float> sorteos;
        std::vector<int> orden;
    };
    const Caso casos[] = {
        // integer part of r x (n + 1); a repeat or a 0 is drawn again
        {"rejections", 3, {0.0F, 0.5F, 0.5F, 0.99F, 0.3F}, {0, 2, 3, 1}},
        {"exact quarters", 3, {0.25F, 0.5F, 0.75F}, {0, 1, 2, 3}},
        {"largest float below 1", 3, {0.99999994F, 0.3F, 0.6F}, {0, 3, 1, 2}},
        {"out of range and NaN skipped", 2, {1.0F, -0.25F, NAN, INFINITY, 0.7F, 0.4F}, {0, 2, 1}},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(Generar_Aleatorio(c.n, Guion(c.sorteos)), c.orden) << c.nombre;
}

TEST(Generar_Aleatorio, UnaFuenteRotaNoLoCuelga)
{
    struct Caso {
        const char *nombre;
        FuenteAleatoria fuente;
    };
    const Caso casos[] = {
        {"always 0", [] { return 0.0F; }},
        {"always the same element", [] { return 0.5F; }},
        {"always 1", [] { return 1.0F; }},
        {"negative", [] { return -0.5F; }},
        {"NaN", [] { return std::numeric_limits<float>::quiet_NaN(); }},
        {"no source", FuenteAleatoria{}},
    };
    for (const Caso &c : casos)
        EXPECT_TRUE(EsOrdenValido(Generar_Aleatorio(118, c.fuente), 118)) << c.nombre;
    EXPECT_EQ(Generar_Aleatorio(-3, AzarConSemilla(1)), std::vector<int>{0});
}

TEST(Generar_Aleatorio, ElOrdenCabeEn16Bits)
{
    EXPECT_TRUE(EsOrdenValido(Generar_Aleatorio(40000, AzarConSemilla(8)), 32767));
}

TEST(Generar_Aleatorio, TodosLosElementosPuedenSalirPrimeroYUltimo)
{
    // 100 draws of each element expected in each slot; a value the draw can
    // never reach, or one it favours, falls far outside this band.
    std::vector<int> primero(119, 0);
    std::vector<int> ultimo(119, 0);
    for (std::uint32_t semilla = 0; semilla < 11800; ++semilla) {
        const auto orden = Generar_Aleatorio(118, AzarConSemilla(semilla));
        ++primero[static_cast<std::size_t>(orden[1])];
        ++ultimo[static_cast<std::size_t>(orden[118])];
    }
    for (int z = 1; z <= 118; ++z) {
        EXPECT_GT(primero[static_cast<std::size_t>(z)], 45) << z;
        EXPECT_LT(primero[static_cast<std::size_t>(z)], 165) << z;
        EXPECT_GT(ultimo[static_cast<std::size_t>(z)], 45) << z;
        EXPECT_LT(ultimo[static_cast<std::size_t>(z)], 165) << z;
    }
}

TEST(AzarConSemilla, SiempreEnElIntervalo)
{
    FuenteAleatoria azar = AzarConSemilla(3);
    double suma = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const float r = azar();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        suma += r;
    }
    EXPECT_NEAR(suma / 100000.0, 0.5, 0.01);
}

TEST(Tableros, SimboloDeOrden)
{
    struct Caso {
        Tablero tablero;
        int valor;
        int z;
        const char *simbolo;
    };
    const Caso casos[] = {
        {Tablero::Completo, 1, 1, "H"},    {Tablero::Completo, 57, 57, "La"}, {Tablero::Completo, 118, 118, "Og"},
        {Tablero::Completo, 0, 0, ""},     {Tablero::Completo, 119, 0, ""},   {Tablero::Reducido, 1, 1, "H"},
        {Tablero::Reducido, 57, 57, "La"}, {Tablero::Reducido, 58, 72, "Hf"}, {Tablero::Reducido, 75, 89, "Ac"},
        {Tablero::Reducido, 76, 0, ""},    {Tablero::Reducido, 0, 0, ""},     {Tablero::Reducido, -1, 0, ""},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(NumeroDeOrden(c.tablero, c.valor), c.z) << c.valor;
        EXPECT_EQ(SimboloDeOrden(c.tablero, c.valor), c.simbolo) << c.valor;
    }
    EXPECT_EQ(ElementosDe(Tablero::Completo), 118);
    EXPECT_EQ(ElementosDe(Tablero::Reducido), 75);
}

TEST(Tableros, NombresDeLasCeldas)
{
    struct Caso {
        const char *simbolo;
        const char *celda;
        const char *cubierta;
    };
    const Caso casos[] = {
        {"As", "TAs", "LabelTAs"}, {"In", "TIn", "LabelTIn"}, {"I", "Yodo", "LabelYodo"}, {"Tl", "TTl", "LabelTTl"},
        {"Tb", "TTb", "LabelTTb"}, {"Th", "TTh", "LabelTTh"}, {"Y", "TY", "LabelTY"},     {"H", "H", "LabelH"},
        {"Ir", "Ir", "LabelIr"},   {"Yb", "Yb", "LabelYb"},   {"Og", "Og", "LabelOg"},
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(NombreCelda(c.simbolo), c.celda) << c.simbolo;
        EXPECT_EQ(NombreCubierta(c.simbolo), c.cubierta) << c.simbolo;
    }
}

// A cell is read by its place and by what it shows: never its element
// before it is placed. The reduced board has La and Ac in group 3.
TEST(Tableros, LecturaDeLasCeldas)
{
    struct Caso {
        Tablero tablero;
        int z;
        MuestraCelda muestra;
        const char *lectura;
    };
    const Caso casos[] = {
        {Tablero::Completo, 26, MuestraCelda::Nada, "Grupo 8, periodo 4"},
        {Tablero::Completo, 26, MuestraCelda::Numero, "Grupo 8, periodo 4, número atómico 26"},
        {Tablero::Completo, 26, MuestraCelda::Elemento, "Grupo 8, periodo 4, Hierro"},
        {Tablero::Completo, 57, MuestraCelda::Nada, "Lantánidos, columna 1"},
        {Tablero::Completo, 89, MuestraCelda::Elemento, "Actínidos, columna 1, Actinio"},
        {Tablero::Reducido, 57, MuestraCelda::Nada, "Grupo 3, periodo 6"},
        {Tablero::Reducido, 89, MuestraCelda::Numero, "Grupo 3, periodo 7, número atómico 89"},
        {Tablero::Reducido, 1, MuestraCelda::Elemento, "Grupo 1, periodo 1, Hidrógeno"},
        {Tablero::Reducido, 72, MuestraCelda::Nada, "Grupo 4, periodo 6"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(LecturaCelda(c.tablero, c.z, c.muestra), c.lectura) << c.z;
}

TEST(Partida, CompletaPideCadaElementoUnaVez)
{
    Partida p(Tablero::Completo, AzarConSemilla(11));
    ASSERT_EQ(p.posicion(), 1);
    // The first symbol is there as soon as the game exists.
    EXPECT_EQ(p.simboloPedido(), SimboloPorNumero(p.orden()[1]));

    std::vector<int> pedidos = JugarSinFallos(p);
    EXPECT_EQ(p.posicion(), 119);
    std::sort(pedidos.begin(), pedidos.end());
    std::vector<int> todos(118);
    std::iota(todos.begin(), todos.end(), 1);
    EXPECT_EQ(pedidos, todos);
    EXPECT_EQ(p.fallos(), 0);
}

TEST(Partida, ReducidaPideSoloLaTablaReducida)
{
    Partida p(Tablero::Reducido, AzarConSemilla(12));
    std::vector<int> pedidos = JugarSinFallos(p);
    EXPECT_EQ(p.posicion(), 76);
    std::sort(pedidos.begin(), pedidos.end());
    std::vector<int> reducidos;
    for (int z = 1; z <= 89; ++z)
        if (z <= 57 || z >= 72)
            reducidos.push_back(z);
    EXPECT_EQ(pedidos, reducidos);
}

TEST(Partida, DespuesDelUltimoNadaLeeFueraDelOrden)
{
    for (Tablero t : {Tablero::Completo, Tablero::Reducido}) {
        Partida p(t, AzarConSemilla(13));
        JugarSinFallos(p);
        const std::string ultimo = p.simboloPedido();
        EXPECT_EQ(ultimo, SimboloDeOrden(t, p.orden().back()));
        // The last symbol stays shown; clicking it again, or anything else, does nothing.
        for (const std::string &s : {ultimo, std::string("H"), std::string()}) {
            EXPECT_EQ(p.Pulsar(s), Jugada::Ignorada);
            EXPECT_EQ(p.posicion(), ElementosDe(t) + 1);
            EXPECT_EQ(p.simboloPedido(), ultimo);
        }
        EXPECT_EQ(p.fallos(), 0);
    }
}

TEST(Partida, Fallos)
{
    Partida p(Tablero::Completo, AzarConSemilla(14));
    const std::string pedido = p.simboloPedido();
    const std::string otro = pedido == "He" ? "H" : "He";

    struct Paso {
        std::string celda;
        Jugada jugada;
        int fallos;
        int posicion;
    };
    const std::string minusculas = std::string(1, static_cast<char>(std::tolower(pedido[0]))) + pedido.substr(1);
    const Paso pasos[] = {
        {otro, Jugada::Fallo, 1, 1},
        {otro, Jugada::Fallo, 2, 1},
        {minusculas == pedido ? "" : minusculas, Jugada::Fallo, 3, 1}, // symbols are case-sensitive
        {"", Jugada::Fallo, 4, 1},
        {pedido, Jugada::Acierto, 4, 2},
        {pedido, Jugada::Fallo, 5, 2}, // an already filled cell is no longer asked for
    };
    for (const Paso &paso : pasos) {
        EXPECT_EQ(p.Pulsar(paso.celda), paso.jugada) << paso.celda;
        EXPECT_EQ(p.fallos(), paso.fallos) << paso.celda;
        EXPECT_EQ(p.posicion(), paso.posicion) << paso.celda;
    }
}

TEST(Partida, LosFallosPasanDe16Bits)
{
    Partida p(Tablero::Reducido, AzarConSemilla(15));
    const std::string otro = p.simboloPedido() == "H" ? "He" : "H";
    for (int i = 0; i < 40000; ++i)
        p.Pulsar(otro);
    EXPECT_EQ(p.fallos(), 40000);
}

TEST(Partida, Cronometro)
{
    Partida p(Tablero::Completo, AzarConSemilla(16));
    struct Lectura {
        int tic;
        const char *minutos;
        const char *segundos;
    };
    // The labels are written before the carry: "60" shows for one tick.
    const Lectura esperadas[] = {
        {1, "0", "1"},    {59, "0", "59"}, {60, "0", "60"},    {61, "1", "1"},    {62, "1", "2"},
        {120, "1", "60"}, {121, "2", "1"}, {3600, "59", "60"}, {3601, "60", "1"},
    };
    std::size_t siguiente = 0;
    int sesentas = 0;
    for (int tic = 1; tic <= 3601; ++tic) {
        const auto l = p.Tic();
        ASSERT_TRUE(l.has_value()) << tic;
        EXPECT_NE(l->segundos, "0") << tic;
        sesentas += l->segundos == "60" ? 1 : 0;
        if (siguiente < std::size(esperadas) && esperadas[siguiente].tic == tic) {
            EXPECT_EQ(l->minutos, esperadas[siguiente].minutos) << tic;
            EXPECT_EQ(l->segundos, esperadas[siguiente].segundos) << tic;
            ++siguiente;
        }
    }
    EXPECT_EQ(siguiente, std::size(esperadas));
    EXPECT_EQ(sesentas, 60);
    EXPECT_EQ(p.minutos(), 60);
    EXPECT_EQ(p.segundos(), 1);
}

TEST(Partida, ElCronometroSeParaAlTerminar)
{
    Partida p(Tablero::Reducido, AzarConSemilla(17));
    for (int i = 0; i < 75; ++i) {
        p.Tic();
        p.Pulsar(p.simboloPedido());
    }
    ASSERT_TRUE(p.terminada());
    // The time of the last placement stays.
    for (int i = 0; i < 100; ++i)
        EXPECT_FALSE(p.Tic().has_value());
    EXPECT_EQ(p.minutos(), 1);
    EXPECT_EQ(p.segundos(), 15);
}

TEST(Partida, ElCronometroPasaDe16Bits)
{
    Partida p(Tablero::Completo, AzarConSemilla(18));
    std::optional<LecturaCronometro> l;
    for (int tic = 0; tic < 32768 * 60 + 1; ++tic)
        l = p.Tic();
    ASSERT_TRUE(l.has_value());
    EXPECT_EQ(l->minutos, "32768");
    EXPECT_EQ(l->segundos, "1");
}

TEST(Partida, BotonDeInicio)
{
    // Clearing the label and showing the first symbol are the first two
    // changes; the first placement is the third, and disables the button.
    Partida p(Tablero::Completo, AzarConSemilla(19));
    const bool esperado[] = {false, false, true, true, true};
    for (bool e : esperado)
        EXPECT_EQ(p.CambioDeLabel1(), e);
}

TEST(Contadores, PalabraYTexto)
{
    struct Caso {
        int n;
        const char *palabra;
        const char *texto;
    };
    const Caso casos[] = {
        {0, "fallos", "0"},
        {1, "fallo", "1"},
        {2, "fallos", "2"},
        {32768, "fallos", "32768"},
        {std::numeric_limits<int>::max(), "fallos", "2147483647"},
        {-1, "fallos", "-1"},
    };
    for (const Caso &c : casos) {
        EXPECT_STREQ(PalabraFallos(c.n), c.palabra) << c.n;
        EXPECT_EQ(TextoEntero(c.n), c.texto) << c.n;
    }
}

TEST(Contadores, NuncaDanLaVuelta)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_EQ(SumarUno(0), 1);
    EXPECT_EQ(SumarUno(32767), 32768);
    EXPECT_EQ(SumarUno(kMax - 1), kMax);
    EXPECT_EQ(SumarUno(kMax), kMax);
}
