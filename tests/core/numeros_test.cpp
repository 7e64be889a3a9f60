#include "core/numeros.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using namespace Calculos;

namespace {

// Runs the tests under the machine's locale, as the program does (Qt sets
// it from the environment); ctest also runs them under a Spanish one.
class LocaleDeLaMaquina : public ::testing::Environment {
public:
    void SetUp() override
    {
        std::setlocale(LC_ALL, "");
        if (std::getenv("ORVELLA_EXPECT_DECIMAL_COMMA") != nullptr) {
            ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the Spanish test locale was not loaded";
        }
    }
};
[[maybe_unused]] auto *const kEntorno = ::testing::AddGlobalTestEnvironment(new LocaleDeLaMaquina);

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMaximo = std::numeric_limits<double>::max();

// What C's "%.15G" writes, with the comma, independently of the locale.
std::string FormatoC(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", v);
    std::string s = buffer;
    for (char &c : s)
        if (c == '.' || c == *std::localeconv()->decimal_point)
            c = ',';
    return s;
}

} // namespace

TEST(Redondear, MitadesLejosDelCero)
{
    struct Caso {
        double valor;
        int decimales;
        double esperado;
    };
    const Caso casos[] = {
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {2.45, 1, 2.5},
        {-0.04, 1, 0},
        {1234.5, -2, 1200},
        {1.005, 2, 1},
        {18.0148, 3, 18.015},
        {0.0001 * 18.015, 3, 0.002},
        {0.002 / 18.015, 3, 0},
        {-1234.5678, 2, -1234.57},
        {99.995, 2, 100},
        {1e308, 3, 1e308},
        {-1e308, 2, -1e308},
        {4503599627370497.0, 0, 4503599627370497.0}, // 2^52 + 1 stays put
        {123.456, 400, 123.456},
        {123.456, -400, 0},
        {5e-324, 3, 0},
    };
    for (const Caso &c : casos) {
        const double r = Redondear(c.valor, c.decimales);
        EXPECT_EQ(r, c.esperado) << c.valor << " to " << c.decimales;
        EXPECT_FALSE(std::signbit(r) && r == 0) << c.valor << " gave -0";
    }
}

TEST(Redondear, NoNumerosYCeroNegativo)
{
    EXPECT_TRUE(std::isnan(Redondear(kNaN, 2)));
    EXPECT_EQ(Redondear(kInf, 2), kInf);
    EXPECT_EQ(Redondear(-kInf, 0), -kInf);
    EXPECT_FALSE(std::signbit(Redondear(-0.0, 2)));
    EXPECT_FALSE(std::signbit(Redondear(-0.0, 400)));
}

TEST(NumeroATexto, FormaDelPrograma)
{
    const std::pair<double, const char *> casos[] = {
        {0.5, "0,5"},
        {18.0148, "18,0148"},
        {1.0 / 3.0, "0,333333333333333"},
        {1.5e-5, "1,5E-05"},
        {1e15, "1E+15"},
        {-3.2, "-3,2"},
        {373.15, "373,15"},
        {212, "212"},
        {100000, "100000"},
        {123456789012345, "123456789012345"},
        {1013250.001, "1013250,001"},
        {0.0001, "0,0001"},
        {1e308, "1E+308"},
        {5e-324, "4,94065645841247E-324"},
        {0.0, "0"},
        {-0.0, "0"},
        {-1e-300, "-1E-300"},
        {kMaximo, "1,79769313486232E+308"},
    };
    for (const auto &[valor, texto] : casos)
        EXPECT_EQ(NumeroATexto(valor), texto) << valor;
}

TEST(NumeroATexto, LosNoNumerosNoTienenTexto)
{
    EXPECT_EQ(NumeroATexto(kNaN), "");
    EXPECT_EQ(NumeroATexto(kInf), "");
    EXPECT_EQ(NumeroATexto(-kInf), "");
}

TEST(NumeroATexto, EscribeLoMismoQueC)
{
    std::mt19937_64 azar(20261208);
    std::uniform_real_distribution<double> mantisa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponente(-320, 308);
    for (int i = 0; i < 20000; ++i) {
        const double v = mantisa(azar) * std::pow(10.0, exponente(azar));
        if (!std::isfinite(v) || v == 0)
            continue;
        ASSERT_EQ(NumeroATexto(v), FormatoC(v)) << v;
    }
}

TEST(NumeroATexto, LoEscritoSeLeeIgual)
{
    std::mt19937_64 azar(42);
    int probados = 0;
    while (probados < 50000) {
        // Random bit patterns cover every magnitude, subnormals included.
        const std::uint64_t bits = azar();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v))
            continue;
        ++probados;
        const std::string texto = NumeroATexto(v);
        const auto leido = TextoANumero(texto);
        ASSERT_TRUE(leido.has_value()) << texto;
        // The double read is the one the text denotes...
        std::string conPunto = texto;
        for (char &c : conPunto)
            if (c == ',')
                c = '.';
        std::string cLocal = conPunto;
        for (char &c : cLocal)
            if (c == '.')
                c = *std::localeconv()->decimal_point;
        ASSERT_EQ(*leido, std::strtod(cLocal.c_str(), nullptr) + 0.0) << texto;
        // ...and writing it again gives the same text.
        ASSERT_EQ(NumeroATexto(*leido), texto);
    }
}

TEST(NumeroATexto, LosMayoresSeLeenIgual)
{
    // 15 digits round the largest doubles up past the largest one: the text
    // must still read back, and to a double that writes it again.
    int probados = 0;
    for (double v = kMaximo; v > 1.797693134862314e308; v = std::nextafter(v, 0.0)) {
        for (double s : {v, -v}) {
            const std::string texto = NumeroATexto(s);
            const auto leido = TextoANumero(texto);
            ASSERT_TRUE(leido.has_value()) << texto;
            ASSERT_EQ(NumeroATexto(*leido), texto);
        }
        ++probados;
    }
    EXPECT_GT(probados, 4);
}

TEST(TextoANumero, Aceptados)
{
    const std::pair<const char *, double> casos[] = {
        {"0", 0},
        {"1,", 1},
        {",5", 0.5},
        {"  2,5 ", 2.5},
        {"-1", -1},
        {"+1", 1},
        {"1E3", 1000},
        {"1e-3", 0.001},
        {"1,5E+2", 150},
        {"-273,15", -273.15},
        {"007", 7},
        {"1E-400", 0},
        {"\t3\t", 3},
        {"-0", 0},
        {"18,0148", 18.0148},
        {"1,5E-05", 1.5e-5},
        {"1E+308", 1e308},
        // The largest double's own text lies just past it, and reads as it.
        {"1,79769313486232E+308", kMaximo},
        {"-1,79769313486232E+308", -kMaximo},
        {"1,7976931348623157E+308", kMaximo},
    };
    for (const auto &[texto, valor] : casos) {
        const auto v = TextoANumero(texto);
        ASSERT_TRUE(v.has_value()) << texto;
        EXPECT_EQ(*v, valor) << texto;
        EXPECT_FALSE(std::signbit(*v) && *v == 0) << texto;
        EXPECT_TRUE(EsNumerico(texto));
    }
}

TEST(TextoANumero, Rechazados)
{
    const std::string casos[] = {
        "",
        "-",
        ",",
        "1-2",
        "1,2,3",
        "1.5",
        " ",
        "1E400",
        "-1E400",
        "1,79769313486233E+308",
        "-1,8E+308",
        "E5",
        "1E",
        "1E+",
        "1 2",
        "--1",
        "+-1",
        "1,,",
        "abc",
        "1a",
        "0x10",
        "inf",
        "nan",
        "1.000,5",
        "\xFF",
        "1\xC2\xA0",
        std::string("1\0", 2),
        std::string(400, '9'),
        "1e5.5",
    };
    for (const std::string &texto : casos) {
        EXPECT_FALSE(TextoANumero(texto).has_value()) << texto;
        EXPECT_FALSE(EsNumerico(texto)) << texto;
    }
}

TEST(TextoANumero, TextosMuyLargos)
{
    EXPECT_EQ(TextoANumero(std::string(100000, '0') + "1"), 1.0);
    EXPECT_EQ(TextoANumero("0," + std::string(100000, '0') + "1"), 0.0);
    EXPECT_FALSE(TextoANumero(std::string(1000000, '1')).has_value());
}

TEST(Filtros, VeredictoPorTipo)
{
    using enum TipoFiltro;
    using enum Veredicto;
    struct Caso {
        const char *texto;
        Veredicto decimal;
        Veredicto conSigno;
        Veredicto entero;
        Veredicto conMensaje;
    };
    const Caso casos[] = {
        {"0", Pasa, Pasa, Pasa, Pasa},
        {"9", Pasa, Pasa, Pasa, Pasa},
        {",", Pasa, Pasa, Pasa, Pasa},
        {".", Coma, Coma, Descarta, AvisoComa},
        {"-", Descarta, Pasa, Descarta, AvisoCaracter},
        {"a", Descarta, Descarta, Descarta, AvisoCaracter},
        {"E", Descarta, Descarta, Descarta, AvisoCaracter},
        {" ", Descarta, Descarta, Descarta, AvisoCaracter},
        {"+", Descarta, Descarta, Descarta, AvisoCaracter},
        {"\xC3\xB1", Descarta, Descarta, Descarta, AvisoCaracter}, // ñ
        {"\b", Pasa, Pasa, Pasa, Pasa},
        {"\r", Pasa, Pasa, Pasa, Pasa},
        {"\t", Pasa, Pasa, Pasa, Pasa},
        {"", Pasa, Pasa, Pasa, Pasa},
        {"\x16", Pasa, Pasa, Pasa, Pasa}, // Ctrl+V
    };
    for (const Caso &c : casos) {
        EXPECT_EQ(JuzgarTecla(Decimal, c.texto), c.decimal) << c.texto;
        EXPECT_EQ(JuzgarTecla(DecimalConSigno, c.texto), c.conSigno) << c.texto;
        EXPECT_EQ(JuzgarTecla(Entero, c.texto), c.entero) << c.texto;
        EXPECT_EQ(JuzgarTecla(ConMensaje, c.texto), c.conMensaje) << c.texto;
    }
}

TEST(Numeros, TextoInsertadoDeUnaVez)
{
    using enum TipoFiltro;
    using V = Veredicto;
    struct Caso {
        TipoFiltro tipo;
        const char *texto;
        const char *queda;
        std::vector<Veredicto> avisos;
    };
    const Caso casos[] = {
        {Decimal, "-1.5x9", "1,59", {}},
        {DecimalConSigno, "-1.5x9", "-1,59", {}},
        {Entero, "-1.5x9", "159", {}},
        {ConMensaje, "-1.5x9", "-1.5x9", {V::AvisoCaracter, V::AvisoComa}},
        {ConMensaje, "x.y.z", "x.y.z", {V::AvisoCaracter, V::AvisoComa}},
        {ConMensaje, "12,5", "12,5", {}},
        // Line breaks and tabs type nothing; a letter of two or three bytes
        // is one character.
        {Decimal, "1\r\n2\t3", "123", {}},
        {ConMensaje, "1\n", "1", {}},
        {Decimal, "ñ2µ€3", "23", {}},
        {ConMensaje, "ñ", "ñ", {V::AvisoCaracter}},
        {Decimal, "", "", {}},
    };
    for (const Caso &c : casos) {
        const TextoFiltrado f = FiltrarTexto(c.tipo, c.texto);
        EXPECT_EQ(f.texto, c.queda) << c.texto;
        EXPECT_EQ(f.avisos, c.avisos) << c.texto;
    }
}
