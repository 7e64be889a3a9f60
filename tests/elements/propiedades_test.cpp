#include "elements/propiedades.h"

#include <gtest/gtest.h>

#include <set>

#include "core/elementos.h"

using namespace Calculos;

namespace {

bool Iguales(ColorRgb a, ColorRgb b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
double Luz(ColorRgb c)
{
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

class CadaPropiedad : public testing::TestWithParam<Propiedad> {};

// Every element gets a colour and a text, and reads as its name and that
// text; grey is kept for "sin dato".
TEST_P(CadaPropiedad, ColoreaYNombraCadaElemento)
{
    const Propiedad p = GetParam();
    const Escala e = EscalaDe(p);
    if (p != Propiedad::Estado) {
        ASSERT_LT(e.minimo, e.maximo);
    }
    int conDato = 0;
    for (int z = 1; z <= kNumeroElementos; ++z) {
        const Celda c = CeldaDe(p, z, kAmbiente, 3000);
        const std::string nombre(TablaElementos[static_cast<std::size_t>(z - 1)].nombre);
        EXPECT_FALSE(c.valor.empty()) << z;
        EXPECT_EQ(c.lectura, nombre + ": " + c.valor);
        EXPECT_EQ(c.valor == "sin dato", Iguales(c.fondo, kGrisSinDato)) << z << " " << c.valor;
        if (const auto v = ValorPropiedad(p, z)) {
            ++conDato;
            EXPECT_GE(*v, e.minimo);
            EXPECT_LE(*v, e.maximo);
        }
    }
    EXPECT_GT(conDato, p == Propiedad::Estado ? -1 : 40);
}

INSTANTIATE_TEST_SUITE_P(Todas, CadaPropiedad, testing::ValuesIn(kPropiedades),
                         [](const auto &caso) { return std::to_string(static_cast<int>(caso.param)); });

TEST(Propiedades, LosExtremosTomanLosExtremosDeLaEscala)
{
    const Escala e = EscalaDe(Propiedad::Electronegatividad);
    EXPECT_EQ(e.minimo, 0.7);  // francium
    EXPECT_EQ(e.maximo, 3.98); // fluorine
    EXPECT_TRUE(Iguales(CeldaDe(Propiedad::Electronegatividad, 87, 0, 0).fondo, ColorEscala(0)));
    EXPECT_TRUE(Iguales(CeldaDe(Propiedad::Electronegatividad, 9, 0, 0).fondo, ColorEscala(1)));
    EXPECT_EQ(CeldaDe(Propiedad::Electronegatividad, 26, 0, 0).lectura, "Hierro: 1,83");
    EXPECT_EQ(CeldaDe(Propiedad::RadioCovalente, 26, 0, 0).valor, "125");
    EXPECT_EQ(CeldaDe(Propiedad::Ionizacion, 26, 0, 0).valor, "7,902");
    EXPECT_EQ(CeldaDe(Propiedad::Fusion, 26, 0, 0).valor, "1808");
    EXPECT_EQ(CeldaDe(Propiedad::Densidad, 26, 0, 0).valor, "7,874");
    EXPECT_EQ(CeldaDe(Propiedad::Densidad, 7, 0, 0).valor, "1,145 g/l");
    EXPECT_EQ(CeldaDe(Propiedad::Electronegatividad, 18, 0, 0).lectura, "Argón: sin dato");
    EXPECT_EQ(TextoExtremo(Propiedad::Fusion, 3825), "3825 K");
    EXPECT_EQ(TextoExtremo(Propiedad::Electronegatividad, 0.7), "0,7");
}

TEST(Propiedades, LaEscalaSeAclaraSinSaltos)
{
    ColorRgb antes = ColorEscala(0);
    for (int i = 1; i <= 100; ++i) {
        const ColorRgb c = ColorEscala(i / 100.0);
        EXPECT_GT(Luz(c), Luz(antes) - 2) << i;
        EXPECT_LT(std::abs(c.g - antes.g), 20) << i;
        antes = c;
    }
    EXPECT_GT(Luz(ColorEscala(1)) - Luz(ColorEscala(0)), 150);
    EXPECT_TRUE(Iguales(ColorEscala(-5), ColorEscala(0)));
    EXPECT_TRUE(Iguales(ColorEscala(7), ColorEscala(1)));
    EXPECT_TRUE(Iguales(ColorEscala(kSinDato), ColorEscala(0)));
    EXPECT_TRUE(Iguales(ColorTexto(ColorEscala(0)), kBlanco));
    EXPECT_TRUE(Iguales(ColorTexto(ColorEscala(1)), ColorRgb{0, 0, 0}));
}

TEST(Propiedades, EstadoConLaTemperatura)
{
    const auto valor = [](int z, double k) { return CeldaDe(Propiedad::Estado, z, k, 0).valor; };
    EXPECT_EQ(valor(80, 300), "Líquido");
    EXPECT_EQ(valor(35, 300), "Líquido");
    EXPECT_EQ(valor(26, 300), "Sólido");
    EXPECT_EQ(valor(8, 300), "Gas");
    EXPECT_EQ(valor(118, 300), "sin dato");
    EXPECT_EQ(CeldaDe(Propiedad::Estado, 80, 300, 0).lectura, "Mercurio: Líquido");
    std::set<std::tuple<int, int, int>> colores;
    for (Estado e : {Estado::Solido, Estado::Liquido, Estado::Gas, Estado::Desconocido})
        colores.insert({ColorEstado(e).r, ColorEstado(e).g, ColorEstado(e).b});
    EXPECT_EQ(colores.size(), 4u);
    for (double k : {0.0, kTemperaturaMaxima})
        for (int z = 1; z <= kNumeroElementos; ++z)
            EXPECT_FALSE(valor(z, k).empty());
}

TEST(Propiedades, FiltroDelAnoDeDescubrimiento)
{
    const Escala anos = AnosDeDescubrimiento();
    const int primero = static_cast<int>(anos.minimo);
    const int ultimo = static_cast<int>(anos.maximo);
    EXPECT_LT(primero, 1700);
    EXPECT_GE(ultimo, 2000);
    const auto conocidos = [](int ano) {
        int n = 0;
        for (int z = 1; z <= kNumeroElementos; ++z)
            n += ConocidoEn(z, ano) ? 1 : 0;
        return n;
    };
    int antiguos = 0;
    for (const DatosElemento &d : kDatosElementos)
        antiguos += d.antiguo ? 1 : 0;
    EXPECT_EQ(conocidos(primero - 1), antiguos);
    EXPECT_GT(conocidos(primero), antiguos);
    EXPECT_EQ(conocidos(ultimo), kNumeroElementos);
    EXPECT_LT(conocidos(ultimo - 1), kNumeroElementos);
    EXPECT_TRUE(ConocidoEn(27, 1737)); // cobalt
    EXPECT_FALSE(ConocidoEn(27, 1736));
    EXPECT_TRUE(ConocidoEn(26, -10000));       // iron, known since antiquity
    EXPECT_FALSE(ConocidoEn(117, ultimo - 1)); // no date in the source
    EXPECT_FALSE(ConocidoEn(0, 3000));

    const Celda blanca = CeldaDe(Propiedad::Descubrimiento, 27, 0, 1736);
    EXPECT_TRUE(blanca.enBlanco);
    EXPECT_TRUE(blanca.valor.empty());
    EXPECT_EQ(blanca.lectura, "Cobalto: aún no descubierto");
    EXPECT_EQ(CeldaDe(Propiedad::Descubrimiento, 27, 0, 1737).valor, "1737");
    EXPECT_EQ(CeldaDe(Propiedad::Descubrimiento, 26, 0, 1737).valor, "Antigüedad");
}

TEST(Propiedades, NombresEnLaLista)
{
    std::set<std::string_view> nombres;
    for (Propiedad p : kPropiedades)
        nombres.insert(NombrePropiedad(p));
    EXPECT_EQ(nombres.size(), kPropiedades.size());
    EXPECT_FALSE(nombres.contains(""));
}

} // namespace
