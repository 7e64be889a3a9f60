#include "elements/ficha.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>

#include "core/elementos.h"

using namespace Calculos;

namespace {

// Cards of twenty elements, worked out by hand from bodr's and
// periodictable's figures: configuration, Pauling, ionisation and affinity
// (eV), melting and boiling points (K), density, state at 25 °C, family,
// discovery.
struct CasoFicha {
    int z;
    const char *configuracion, *electronegatividad, *ionizacion, *afinidad, *fusion, *ebullicion, *densidad, *estado,
        *familia, *descubrimiento;
};

const CasoFicha kFichas[] = {
    {1, "1s¹", "2,2", "13,598 eV (1312,0 kJ/mol)", "0,754 eV (72,8 kJ/mol)", "-259 °C (14 K)", "-253 °C (20 K)",
     "0,0824 g/l", "Gas", "No metal", "1766 (Reino Unido)"},
    {2, "1s²", "Desconocido", "24,587 eV (2372,3 kJ/mol)", "0,000 eV (0,0 kJ/mol)", "-272 °C (1 K)", "-269 °C (4 K)",
     "0,1636 g/l", "Gas", "Gas noble", "1895 (Suecia y Reino Unido)"},
    {6, "[He] 2s² 2p²", "2,55", "11,260 eV (1086,5 kJ/mol)", "1,262 eV (121,8 kJ/mol)", "3552 °C (3825 K)",
     "4827 °C (5100 K)", "2,2 g/cm³", "Sólido", "No metal", "Conocido desde la Antigüedad"},
    {7, "[He] 2s² 2p³", "3,04", "14,534 eV (1402,3 kJ/mol)", "-0,070 eV (-6,8 kJ/mol)", "-210 °C (63 K)",
     "-196 °C (77 K)", "1,145 g/l", "Gas", "No metal", "1772 (Reino Unido)"},
    {8, "[He] 2s² 2p⁴", "3,44", "13,618 eV (1313,9 kJ/mol)", "1,461 eV (141,0 kJ/mol)", "-218 °C (55 K)",
     "-183 °C (90 K)", "1,308 g/l", "Gas", "No metal", "1774 (Suecia y Reino Unido)"},
    {9, "[He] 2s² 2p⁵", "3,98", "17,423 eV (1681,0 kJ/mol)", "3,401 eV (328,2 kJ/mol)", "-220 °C (54 K)",
     "-188 °C (85 K)", "1,553 g/l", "Gas", "Halógeno", "1886 (Francia)"},
    {11, "[Ne] 3s¹", "0,93", "5,139 eV (495,8 kJ/mol)", "0,548 eV (52,9 kJ/mol)", "98 °C (371 K)", "883 °C (1156 K)",
     "0,971 g/cm³", "Sólido", "Metal alcalino", "1807 (Reino Unido)"},
    {17, "[Ne] 3s² 3p⁵", "3,16", "12,968 eV (1251,2 kJ/mol)", "3,613 eV (348,6 kJ/mol)", "-101 °C (172 K)",
     "-34 °C (239 K)", "2,898 g/l", "Gas", "Halógeno", "1774 (Suecia)"},
    {18, "[Ne] 3s² 3p⁶", "Desconocido", "15,760 eV (1520,6 kJ/mol)", "0,000 eV (0,0 kJ/mol)", "-189 °C (84 K)",
     "-186 °C (87 K)", "1,633 g/l", "Gas", "Gas noble", "1894 (Reino Unido)"},
    {26, "[Ar] 3d⁶ 4s²", "1,83", "7,902 eV (762,5 kJ/mol)", "0,151 eV (14,6 kJ/mol)", "1535 °C (1808 K)",
     "2750 °C (3023 K)", "7,874 g/cm³", "Sólido", "Metal de transición", "Conocido desde la Antigüedad"},
    {29, "[Ar] 3d¹⁰ 4s¹", "1,9", "7,726 eV (745,5 kJ/mol)", "1,236 eV (119,2 kJ/mol)", "1083 °C (1357 K)",
     "2567 °C (2840 K)", "8,96 g/cm³", "Sólido", "Metal de transición", "Conocido desde la Antigüedad"},
    {33, "[Ar] 3d¹⁰ 4s² 4p³", "2,18", "9,789 eV (944,5 kJ/mol)", "0,814 eV (78,5 kJ/mol)", "817 °C (1090 K)",
     "603 °C (876 K)", "5,73 g/cm³", "Sólido", "Metaloide", "Conocido desde la Antigüedad"},
    {35, "[Ar] 3d¹⁰ 4s² 4p⁵", "2,96", "11,814 eV (1139,9 kJ/mol)", "3,364 eV (324,5 kJ/mol)", "-7 °C (266 K)",
     "59 °C (332 K)", "3,12 g/cm³", "Líquido", "Halógeno", "1826 (Francia)"},
    {47, "[Kr] 4d¹⁰ 5s¹", "1,93", "7,576 eV (731,0 kJ/mol)", "1,304 eV (125,9 kJ/mol)", "962 °C (1235 K)",
     "2163 °C (2436 K)", "10,5 g/cm³", "Sólido", "Metal de transición", "Conocido desde la Antigüedad"},
    {54, "[Kr] 4d¹⁰ 5s² 5p⁶", "2,6", "12,130 eV (1170,3 kJ/mol)", "0,000 eV (0,0 kJ/mol)", "-112 °C (161 K)",
     "-108 °C (165 K)", "5,366 g/l", "Gas", "Gas noble", "1898 (Reino Unido)"},
    {79, "[Xe] 4f¹⁴ 5d¹⁰ 6s¹", "2,54", "9,226 eV (890,1 kJ/mol)", "2,309 eV (222,7 kJ/mol)", "1064 °C (1338 K)",
     "2857 °C (3130 K)", "19,3 g/cm³", "Sólido", "Metal de transición", "Conocido desde la Antigüedad"},
    {80, "[Xe] 4f¹⁴ 5d¹⁰ 6s²", "2", "10,438 eV (1007,1 kJ/mol)", "0,000 eV (0,0 kJ/mol)", "-39 °C (234 K)",
     "357 °C (630 K)", "13,546 g/cm³", "Líquido", "Metal de transición", "Conocido desde la Antigüedad"},
    {82, "[Xe] 4f¹⁴ 5d¹⁰ 6s² 6p²", "2,33", "7,417 eV (715,6 kJ/mol)", "0,364 eV (35,1 kJ/mol)", "328 °C (601 K)",
     "1750 °C (2023 K)", "11,35 g/cm³", "Sólido", "Otro metal", "Conocido desde la Antigüedad"},
    // The source's ionisation energy of 0 means "not measured"; no density.
    {85, "[Xe] 4f¹⁴ 5d¹⁰ 6s² 6p⁵", "2,2", "Desconocido", "2,800 eV (270,2 kJ/mol)", "302 °C (575 K)", "337 °C (610 K)",
     "Desconocido", "Sólido", "Halógeno", "1940 (Estados Unidos)"},
    {92, "[Rn] 5f³ 6d¹ 7s²", "1,38", "6,194 eV (597,6 kJ/mol)", "Desconocido", "1135 °C (1408 K)", "4134 °C (4407 K)",
     "18,95 g/cm³", "Sólido", "Actínido", "1789"},
    // Nothing known but the block, period, family and year.
    {118, "Desconocido", "Desconocido", "Desconocido", "Desconocido", "Desconocido", "Desconocido", "Desconocido",
     "Desconocido", "Gas noble", "2002 (Rusia y Estados Unidos)"},
};

class FichaDeElemento : public testing::TestWithParam<CasoFicha> {};

TEST_P(FichaDeElemento, DaLasCifrasDeLasFuentes)
{
    const CasoFicha &c = GetParam();
    const Ficha f = FichaDe(c.z, {});
    EXPECT_EQ(f.configuracion, c.configuracion);
    EXPECT_EQ(f.electronegatividad, c.electronegatividad);
    EXPECT_EQ(f.ionizacion, c.ionizacion);
    EXPECT_EQ(f.afinidad, c.afinidad);
    EXPECT_EQ(f.fusion, c.fusion);
    EXPECT_EQ(f.ebullicion, c.ebullicion);
    EXPECT_EQ(f.densidad, c.densidad);
    EXPECT_EQ(f.estado, c.estado);
    EXPECT_EQ(f.familia, c.familia);
    EXPECT_EQ(f.descubrimiento, c.descubrimiento);
}

INSTANTIATE_TEST_SUITE_P(Veinte, FichaDeElemento, testing::ValuesIn(kFichas),
                         [](const auto &caso) { return SimboloPorNumero(caso.param.z); });

TEST(Ficha, ElHierroComoLoMuestraLaFicha)
{
    const Ficha f = FichaDe(26);
    EXPECT_EQ(f.simbolo, "Fe");
    EXPECT_EQ(f.nombre, "Hierro");
    EXPECT_EQ(f.numero, "26");
    EXPECT_EQ(f.masa, "55,845");
    EXPECT_EQ(f.configuracion, "[Ar] 3d⁶ 4s²");
    EXPECT_EQ(f.electronegatividad, "1,83");
    EXPECT_EQ(f.ionizacion, "7,902 eV (762,5 kJ/mol)");
    EXPECT_EQ(f.afinidad, "0,151 eV (14,6 kJ/mol)");
    EXPECT_EQ(f.radioCovalente, "125 pm");
    EXPECT_EQ(f.radioVdW, "205 pm");
    EXPECT_EQ(f.fusion, "1535 °C (1808 K)");
    EXPECT_EQ(f.ebullicion, "2750 °C (3023 K)");
    EXPECT_EQ(f.densidad, "7,874 g/cm³");
    EXPECT_EQ(f.estado, "Sólido");
    EXPECT_EQ(f.bloque, "d");
    EXPECT_EQ(f.grupoPeriodo, "Grupo 8, periodo 4");
    EXPECT_EQ(f.familia, "Metal de transición");
    EXPECT_EQ(f.descubrimiento, "Conocido desde la Antigüedad");
    EXPECT_EQ(f.oxidacion, "+2, +3");
    EXPECT_EQ(f.isotopos, (std::vector<std::string>{"⁵⁴Fe 5,845 %", "⁵⁶Fe 91,754 %", "⁵⁷Fe 2,119 %", "⁵⁸Fe 0,282 %"}));
}

TEST(Ficha, FueraDeLaTablaTodoEsDesconocido)
{
    for (int z : {0, -1, 119, 1000}) {
        const Ficha f = FichaDe(z, {});
        for (const std::string &t : {f.simbolo, f.configuracion, f.densidad, f.grupoPeriodo, f.oxidacion})
            EXPECT_EQ(t, "Desconocido") << z;
        EXPECT_EQ(f.isotopos, std::vector<std::string>{"Desconocido"});
    }
}

TEST(Ficha, TodosLosElementosTienenTodasLasEtiquetas)
{
    for (int z = 1; z <= kNumeroElementos; ++z) {
        const Ficha f = FichaDe(z, {});
        for (const std::string &t :
             {f.configuracion, f.electronegatividad, f.ionizacion, f.afinidad, f.radioCovalente, f.radioVdW, f.fusion,
              f.ebullicion, f.densidad, f.estado, f.bloque, f.grupoPeriodo, f.familia, f.descubrimiento}) {
            EXPECT_FALSE(t.empty()) << z;
            EXPECT_EQ(t.find("nan"), std::string::npos) << z << " " << t;
            EXPECT_EQ(t.find("inf"), std::string::npos) << z << " " << t;
        }
        EXPECT_FALSE(f.isotopos.empty()) << z;
    }
}

TEST(Ficha, SeCalculaEnMenosDeUnMilisegundo)
{
    const auto inicio = std::chrono::steady_clock::now();
    constexpr int kVueltas = 5;
    for (int v = 0; v < kVueltas; ++v)
        for (int z = 1; z <= kNumeroElementos; ++z)
            ASSERT_FALSE(FichaDe(z, {}).nombre.empty());
    const auto porFicha = (std::chrono::steady_clock::now() - inicio) / (kVueltas * kNumeroElementos);
    EXPECT_LT(porFicha, std::chrono::milliseconds(1));
}

struct CasoDecimales {
    double v;
    int decimales;
    const char *texto;
};

TEST(Formatos, DecimalesFijos)
{
    const CasoDecimales casos[] = {
        {7.9024, 3, "7,902"}, {7.6398, 3, "7,640"}, {0, 3, "0,000"},     {-0.07, 3, "-0,070"}, {-0.0004, 3, "0,000"},
        {762.46, 1, "762,5"}, {14.5692, 1, "14,6"}, {1312, 1, "1312,0"}, {2.5, 0, "3"},        {1e20, 2, "1E+20"},
    };
    for (const CasoDecimales &c : casos)
        EXPECT_EQ(ConDecimales(c.v, c.decimales), c.texto) << c.v;
}

TEST(Formatos, Configuracion)
{
    const std::pair<const char *, const char *> casos[] = {
        {"Ar 3d6 4s2", "[Ar] 3d⁶ 4s²"},
        {"1s1", "1s¹"},
        {"Xe 4f14 5d10 6s2", "[Xe] 4f¹⁴ 5d¹⁰ 6s²"},
        {"  Kr  4d10 ", "[Kr] 4d¹⁰"},
        {"", "Desconocido"},
        {"Kr 4d", "[Kr] 4d"},
        {"Kr 4dx", "[Kr] 4dx"},
        {"Kr 4d999", "[Kr] 4d999"},
    };
    for (const auto &[fuente, texto] : casos)
        EXPECT_EQ(TextoConfiguracion(fuente), texto) << fuente;
}

TEST(Formatos, Semivida)
{
    const std::tuple<double, UnidadSemivida, const char *> casos[] = {
        {5.04576e10, UnidadSemivida::Segundos, "1600 años"}, {0.0015, UnidadSemivida::Segundos, "0,0015 s"},
        {65, UnidadSemivida::Segundos, "1,083 min"},         {3480, UnidadSemivida::Segundos, "58 min"},
        {29160, UnidadSemivida::Segundos, "8,1 h"},          {8.6832e6, UnidadSemivida::Segundos, "100,5 días"},
        {31536000, UnidadSemivida::Segundos, "1 años"},      {4468000000, UnidadSemivida::Anos, "4468000000 años"},
        {0.5, UnidadSemivida::Anos, "182,5 días"},           {0, UnidadSemivida::Segundos, "Desconocido"},
        {-3, UnidadSemivida::Anos, "Desconocido"},           {kSinDato, UnidadSemivida::Segundos, "Desconocido"},
    };
    for (const auto &[valor, unidad, texto] : casos)
        EXPECT_EQ(TextoSemivida(valor, unidad), texto) << valor;
}

TEST(Formatos, Oxidacion)
{
    const std::pair<std::vector<int>, const char *> casos[] = {
        {{2, 3}, "+2, +3"}, {{-1, 1, 3, 5, 7}, "-1, +1, +3, +5, +7"}, {{0}, "0"}, {{}, "Desconocido"}};
    for (const auto &[valencias, texto] : casos)
        EXPECT_EQ(TextoOxidacion(valencias), texto);
}

TEST(Formatos, RadioYTemperaturaRedondeados)
{
    EXPECT_EQ(TextoRadio(1.25), "125 pm");
    EXPECT_EQ(TextoRadio(0.725), "73 pm");
    EXPECT_EQ(TextoRadio(kSinDato), "Desconocido");
    EXPECT_EQ(TextoTemperatura(273.15), "0 °C (273 K)");
    EXPECT_EQ(TextoTemperatura(0.95), "-272 °C (1 K)");
    EXPECT_EQ(TextoTemperatura(kSinDato), "Desconocido");
}

TEST(Isotopos, SinIsotopoEstableElDeMasLargaVida)
{
    EXPECT_EQ(LineasIsotopos(88), std::vector<std::string>{"²²⁶Ra 1600 años"});
    EXPECT_EQ(LineasIsotopos(43), std::vector<std::string>{"⁹⁷Tc 2600000 años"});
    EXPECT_EQ(LineasIsotopos(92),
              (std::vector<std::string>{"²³⁴U 0,0055 %", "²³⁵U 0,72 %", "²³⁸U 99,2745 %", "²³⁸U 4468000000 años"}));
    EXPECT_EQ(LineasIsotopos(118), std::vector<std::string>{"Desconocido"});
}

TEST(Isotopos, LasAbundanciasSumanCien)
{
    for (int z = 1; z <= kNumeroElementos; ++z) {
        double suma = 0;
        for (const IsotopoNatural &i : IsotoposNaturalesDe(z)) {
            EXPECT_EQ(i.z, z);
            EXPECT_GE(i.a, z);
            suma += i.abundancia;
        }
        if (suma > 0) {
            EXPECT_NEAR(suma, 100, 0.1) << SimboloPorNumero(z);
        }
    }
}

TEST(Datos, LasFuentesCoincidenConElCatalogo)
{
    for (const Elemento &e : TablaElementos) {
        const DatosElemento &d = *DatosDe(e.z);
        EXPECT_EQ(d.z, e.z);
        EXPECT_EQ(d.periodo, e.periodo) << e.simbolo;
        // The f-block rows of the table are the source's f block.
        EXPECT_EQ(d.bloque == 'f', e.columnaF != 0) << e.simbolo;
        if (e.clase == Clase::J || e.clase == Clase::K) {
            EXPECT_EQ(NombreFamilia(d), NombreDeClase(e.clase)) << e.simbolo;
        }
        for (double v : {d.electronegatividad, d.ionizacion, d.radioCovalente, d.radioVdW, d.fusion, d.ebullicion,
                         d.densidad, d.masa})
            EXPECT_TRUE(std::isnan(v) || v > 0) << e.simbolo;
    }
}

TEST(Datos, CadaPaisTieneNombre)
{
    for (const DatosElemento &d : kDatosElementos) {
        EXPECT_FALSE(d.antiguo && d.anoDescubrimiento != 0) << d.z;
        for (std::string_view resto = d.paises; !resto.empty();) {
            const std::size_t coma = resto.find(',');
            EXPECT_FALSE(NombrePais(resto.substr(0, coma)).empty()) << d.z << " " << d.paises;
            resto = coma == std::string_view::npos ? std::string_view{} : resto.substr(coma + 1);
        }
    }
}

TEST(Estado, SegunLaTemperatura)
{
    const auto estado = [](int z, double k) { return EstadoA(*DatosDe(z), k); };
    EXPECT_EQ(estado(80, 300), Estado::Liquido);
    EXPECT_EQ(estado(35, 300), Estado::Liquido);
    EXPECT_EQ(estado(31, 302.9), Estado::Solido);   // gallium melts at 302,93 K
    EXPECT_EQ(estado(31, 302.93), Estado::Liquido); // at the melting point itself
    EXPECT_EQ(estado(33, 1000), Estado::Gas);       // arsenic sublimes at 876 K
    EXPECT_EQ(estado(33, 875), Estado::Solido);
    EXPECT_EQ(estado(103, 1000), Estado::Solido); // lawrencium: melting point only
    EXPECT_EQ(estado(103, 2000), Estado::Desconocido);
    EXPECT_EQ(estado(118, 300), Estado::Desconocido);
    EXPECT_EQ(estado(2, 0), Estado::Solido);
    EXPECT_EQ(estado(74, 6000), Estado::Gas);

    std::set<std::string> gases;
    for (int z = 1; z <= kNumeroElementos; ++z)
        if (estado(z, kAmbiente) == Estado::Gas)
            gases.insert(SimboloPorNumero(z));
    EXPECT_EQ(gases, (std::set<std::string>{"H", "He", "N", "O", "F", "Ne", "Cl", "Ar", "Kr", "Xe", "Rn"}));
}

struct CasoBusqueda {
    const char *texto;
    int primero; // 0: nothing found
};

TEST(Busqueda, PorNombreSimboloONumero)
{
    const CasoBusqueda casos[] = {
        {"hierro", 26}, {"Fe", 26},     {"fe", 26},      {"26", 26},     {" 26 ", 26},
        {"oxigeno", 8}, {"OXÍGENO", 8}, {"estano", 50},  {"Estaño", 50}, {"26 Fe Hierro", 26},
        {"c", 6},       {"rro", 26},    {"merc", 80},    {"xyz", 0},     {"", 0},
        {"   ", 0},     {"119", 0},     {"\xff\xfe", 0}, {"Og", 118},    {"1", 1},
    };
    for (const CasoBusqueda &c : casos) {
        const std::vector<int> hallados = BuscarElementos(c.texto);
        EXPECT_EQ(hallados.empty() ? 0 : hallados.front(), c.primero) << c.texto;
    }
    EXPECT_EQ(TextoEnLista(26), "26 Fe Hierro");
    EXPECT_EQ(TextoEnLista(0), "");
}

} // namespace
