#include "puzzle/marcas.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace Calculos;

TEST(Marcas, SeccionesYClaves)
{
    const SeccionesMarca completa = SeccionesDe(Tablero::Completo);
    const SeccionesMarca reducida = SeccionesDe(Tablero::Reducido);
    struct Caso {
        std::string_view seccion;
        const char *esperada;
    };
    const Caso casos[] = {
        {completa.nombre, "NombrePuzleFull"}, {completa.segundos, "MarcaSegFull"},  {completa.minutos, "MarcaMinFull"},
        {completa.fallos, "MarcaFallosFull"}, {reducida.nombre, "NombrePuzleRedu"}, {reducida.segundos, "MarcaSegRedu"},
        {reducida.minutos, "MarcaMinRedu"},   {reducida.fallos, "MarcaFallosRedu"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(c.seccion, c.esperada);
    EXPECT_EQ(ClaveAjustes(completa.segundos), "MarcaSegFull/cvalor");
    EXPECT_EQ(ClaveAjustes(reducida.nombre), "NombrePuzleRedu/cvalor");
}

TEST(Marcas, TitulosDelMarco)
{
    EXPECT_EQ(kHayMarca, "Mejor marca registrada");
    EXPECT_EQ(kSinMarca, "Ninguna marca registrada");
    EXPECT_EQ(kMarcaMejorada, "Marca mejorada");
    EXPECT_EQ(TextoMarcaBorrada(Tablero::Completo), "Ninguna marca registrada");
    EXPECT_EQ(TextoMarcaBorrada(Tablero::Reducido), "Ninguina marca registrada");
}

TEST(Marcas, EnteroDeEtiqueta)
{
    struct Caso {
        const char *texto;
        std::optional<std::int64_t> valor;
    };
    const Caso casos[] = {
        {"0", 0},
        {"60", 60},
        {"32767", 32767},
        {"32768", 32768},
        {" 7 ", 7},
        {"+3", 3},
        {"-0", 0},
        {"1,0", 1},
        {"1E3", 1000},
        // hand-edited or damaged settings
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-1", std::nullopt},
        {"-32768", std::nullopt},
        {"2,5", std::nullopt},
        {"2.5", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1E400", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        // huge but readable: held at the ceiling
        {"99999999999999999999", kEnteroMaximo},
        {"1E300", kEnteroMaximo},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(EnteroDeEtiqueta(c.texto), c.valor) << '"' << c.texto << '"';
}

TEST(Marcas, Comparacion)
{
    using enum ComparacionMarca;
    struct Caso {
        const char *minutos;
        const char *segundos;
        const char *marcaMin;
        const char *marcaSg;
        ComparacionMarca resultado;
    };
    const Caso casos[] = {
        // a record of 2 min 5 s
        {"2", "4", "2", "5", Mejorada},
        {"2", "5", "2", "5", NoMejorada},
        {"2", "6", "2", "5", NoMejorada},
        {"0", "0", "2", "5", NoMejorada}, // played without the stopwatch
        {"0", "1", "2", "5", Mejorada},
        {"1", "60", "2", "5", Mejorada},
        // a record kept with "60" seconds is a whole minute more
        {"2", "0", "1", "60", NoMejorada},
        {"1", "59", "1", "60", Mejorada},
        {"2", "1", "1", "60", NoMejorada},
        // no record: a first one can always be saved, even at 0 min 0 s
        {"0", "0", "", "", SinMarca},
        {"9", "9", "", "", SinMarca},
        {"9", "9", "5", "", SinMarca},
        // stored values that cannot be a time
        {"9", "9", "", "5", SinMarca},
        {"9", "9", "abc", "5", SinMarca},
        {"9", "9", "-3", "5", SinMarca},
        {"9", "9", "3", "-5", SinMarca},
        {"9", "9", "2,5", "0", SinMarca},
        // times a 16-bit count would have wrapped
        {"599", "59", "600", "0", Mejorada},
        {"600", "0", "599", "59", NoMejorada},
        {"32767", "59", "32768", "0", Mejorada},
        {"500", "0", "99999999999999999999", "0", Mejorada},
        {"99999999999999999999", "0", "99999999999999999999", "59", Mejorada},
        // a clock label that cannot be read counts as no stopwatch
        {"", "", "2", "5", NoMejorada},
        {"x", "4", "2", "5", NoMejorada},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(CompararConMarca(c.minutos, c.segundos, c.marcaMin, c.marcaSg), c.resultado)
            << c.minutos << ":" << c.segundos << " against " << c.marcaMin << ":" << c.marcaSg;
}

TEST(Marcas, SegundosDeMarca)
{
    EXPECT_EQ(SegundosDeMarca("1", "60"), 120);
    EXPECT_EQ(SegundosDeMarca("2", "0"), 120);
    EXPECT_EQ(SegundosDeMarca("546", "8"), 32768);
    EXPECT_EQ(SegundosDeMarca("1E300", "1E300"), kEnteroMaximo * 61);
    EXPECT_EQ(SegundosDeMarca("", "5"), std::nullopt);
}
