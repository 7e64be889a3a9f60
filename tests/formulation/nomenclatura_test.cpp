#include "formulation/nomenclatura.h"

#include "core/formula_quimica.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>

using namespace Calculos;
using T = TipoCompuesto;

namespace {

std::string Todos(const Compuesto &c)
{
    std::string r;
    for (const std::string &n : NombresDe(c))
        r += " | " + n;
    return r;
}

} // namespace

// The examples the window must give exactly, label by label.
TEST(Nomenclatura, EjemplosDelEnunciado)
{
    struct Caso {
        const char *entrada, *formula;
        T tipo;
        const char *composicion, *stock, *hidrogeno, *sustitucion, *tradicional;
    };
    const Caso casos[] = {
        {"Fe2O3", "Fe₂O₃", T::Oxido, "trióxido de dihierro", "óxido de hierro(III)", "", "", "óxido férrico"},
        {"óxido de cobre(I)", "Cu₂O", T::Oxido, "óxido de dicobre", "óxido de cobre(I)", "", "", "óxido cuproso"},
        {"CO2", "CO₂", T::Oxido, "dióxido de carbono", "óxido de carbono(IV)", "", "", ""},
        {"OCl2", "OCl₂", T::HalogenuroOxigeno, "dicloruro de oxígeno", "", "", "", ""},
        {"H2O2", "H₂O₂", T::Peroxido, "dióxido de dihidrógeno", "", "", "", "peróxido de hidrógeno"},
        {"NaH", "NaH", T::HidruroMetalico, "hidruro de sodio", "hidruro de sodio", "", "", ""},
        {"NH3", "NH₃", T::HidruroProgenitor, "trihidruro de nitrógeno", "", "", "azano", "amoníaco"},
        {"HCl", "HCl", T::Hidracido, "cloruro de hidrógeno", "", "", "", "ácido clorhídrico"},
        {"FeCl3", "FeCl₃", T::SalBinaria, "tricloruro de hierro", "cloruro de hierro(III)", "", "", "cloruro férrico"},
        {"Ca(OH)2", "Ca(OH)₂", T::Hidroxido, "dihidróxido de calcio", "hidróxido de calcio", "", "", ""},
        {"H2SO4", "H₂SO₄", T::Oxoacido, "", "", "dihidrogeno(tetraoxidosulfato)", "", "ácido sulfúrico"},
        {"ácido perclórico", "HClO₄", T::Oxoacido, "", "", "hidrogeno(tetraoxidoclorato)", "", "ácido perclórico"},
        {"HNO2", "HNO₂", T::Oxoacido, "", "", "hidrogeno(dioxidonitrato)", "", "ácido nitroso"},
        {"H3PO4", "H₃PO₄", T::Oxoacido, "", "", "trihidrogeno(tetraoxidofosfato)", "", "ácido fosfórico"},
        {"KMnO4", "KMnO₄", T::Oxosal, "tetraoxidomanganato de potasio", "", "", "", "permanganato de potasio"},
        {"Fe2(SO4)3", "Fe₂(SO₄)₃", T::Oxosal, "tris(tetraoxidosulfato) de dihierro", "sulfato de hierro(III)", "", "",
         "sulfato férrico"},
        {"NaHCO3", "NaHCO₃", T::SalAcida, "", "", "hidrogeno(trioxidocarbonato) de sodio", "",
         "hidrogenocarbonato de sodio"},
        {"NH4NO3", "NH₄NO₃", T::Oxosal, "trioxidonitrato de amonio", "", "", "", "nitrato de amonio"},
        {"SO4^2-", "SO₄²⁻", T::Anion, "tetraoxidosulfato(2−)", "", "", "", "sulfato"},
        // The same compounds written otherwise, and older names.
        {"Fe₂O₃", "Fe₂O₃", T::Oxido, "trióxido de dihierro", "óxido de hierro(III)", "", "", "óxido férrico"},
        {"SO₄²⁻", "SO₄²⁻", T::Anion, "tetraoxidosulfato(2−)", "", "", "", "sulfato"},
        {"tetraoxosulfato(VI) de hidrógeno", "H₂SO₄", T::Oxoacido, "", "", "dihidrogeno(tetraoxidosulfato)", "",
         "ácido sulfúrico"},
        {"bicarbonato de sodio", "NaHCO₃", T::SalAcida, "", "", "hidrogeno(trioxidocarbonato) de sodio", "",
         "hidrogenocarbonato de sodio"},
        {"agua oxigenada", "H₂O₂", T::Peroxido, "dióxido de dihidrógeno", "", "", "", "peróxido de hidrógeno"},
        {"monóxido de dicobre", "Cu₂O", T::Oxido, "óxido de dicobre", "óxido de cobre(I)", "", "", "óxido cuproso"},
        {"Cl2O", "OCl₂", T::HalogenuroOxigeno, "dicloruro de oxígeno", "", "", "", ""},
    };
    for (const Caso &c : casos) {
        const Nomenclatura n = Nombrar(c.entrada);
        ASSERT_NE(n.compuesto, nullptr) << c.entrada << ": " << TextoDeError(n);
        const Compuesto &k = *n.compuesto;
        EXPECT_EQ(k.formula, c.formula) << c.entrada;
        EXPECT_EQ(k.tipo, c.tipo) << c.entrada;
        EXPECT_EQ(k.composicion, c.composicion) << c.entrada;
        EXPECT_EQ(k.stock, c.stock) << c.entrada;
        EXPECT_EQ(k.hidrogeno, c.hidrogeno) << c.entrada;
        EXPECT_EQ(k.sustitucion, c.sustitucion) << c.entrada;
        EXPECT_EQ(k.tradicional, c.tradicional) << c.entrada;
    }
}

TEST(Nomenclatura, NombreDeCadaTipo)
{
    EXPECT_EQ(NombreDeTipo(T::Oxido), "Óxido");
    EXPECT_EQ(NombreDeTipo(T::HalogenuroOxigeno), "Halogenuro de oxígeno");
    EXPECT_EQ(NombreDeTipo(T::Anion), "Anión");
    std::set<std::string_view> distintos;
    for (int t = 0; t < kNumeroTipos; ++t)
        distintos.insert(NombreDeTipo(static_cast<T>(t)));
    EXPECT_EQ(distintos.size(), static_cast<std::size_t>(kNumeroTipos));
}

// The syllabus: each row a textbook fact, one of the names the compound
// must carry (in any label).
TEST(Nomenclatura, TemarioEscolar)
{
    struct Caso {
        const char *entrada, *formula;
        T tipo;
        const char *nombre;
    };
    // clang-format off
    const Caso casos[] = {
#include "temario.inc"
    };
    // clang-format on
    for (const Caso &c : casos) {
        const Nomenclatura n = Nombrar(c.entrada);
        ASSERT_NE(n.compuesto, nullptr) << c.entrada << ": " << TextoDeError(n);
        EXPECT_EQ(n.compuesto->formula, c.formula) << c.entrada;
        EXPECT_EQ(n.compuesto->tipo, c.tipo) << c.entrada << " " << NombreDeTipo(n.compuesto->tipo);
        const auto nombres = NombresDe(*n.compuesto);
        EXPECT_NE(std::find(nombres.begin(), nombres.end(), c.nombre), nombres.end())
            << c.entrada << ": " << c.nombre << " not in" << Todos(*n.compuesto);
    }
}

// Every name the rules write formulates back to the same compound, and
// every formula they write reads back to it.
TEST(Nomenclatura, IdaYVuelta)
{
    const auto &catalogo = CatalogoFormulacion();
    ASSERT_GT(catalogo.size(), 1000u);
    for (const Compuesto &c : catalogo) {
        const Nomenclatura f = Nombrar(c.formula);
        EXPECT_EQ(f.compuesto, &c) << c.formula;
        EXPECT_FALSE(f.porNombre) << c.formula;
        const auto nombres = NombresDe(c);
        EXPECT_FALSE(nombres.empty()) << c.formula;
        for (const std::string &nombre : nombres) {
            const Nomenclatura n = Nombrar(nombre);
            EXPECT_EQ(n.compuesto, &c) << nombre << " -> " << (n.compuesto ? n.compuesto->formula : "nada") << ", not "
                                       << c.formula;
            EXPECT_EQ(n.nombre, nombre);
            // A charge in a name carries the minus sign, never a hyphen.
            EXPECT_EQ(nombre.find('-'), std::string::npos) << nombre;
        }
        const LecturaFormula l = LeerFormulaQuimica(c.formula);
        ASSERT_EQ(l.error, ErrorLectura::Ninguno) << c.formula;
        const bool ion = c.tipo == T::Cation || c.tipo == T::Anion;
        EXPECT_EQ(l.formula.carga != 0, ion) << c.formula;
        if (ion) {
            EXPECT_EQ(l.formula.carga > 0, c.tipo == T::Cation) << c.formula;
        }
    }
}

// The classes the practice window offers each have compounds to ask.
TEST(Nomenclatura, CadaTipoTieneCompuestosEscolares)
{
    for (int t = 0; t < kNumeroTipos; ++t) {
        const auto &catalogo = CatalogoFormulacion();
        const auto n = std::count_if(catalogo.begin(), catalogo.end(),
                                     [t](const Compuesto &c) { return c.escolar && c.tipo == static_cast<T>(t); });
        EXPECT_GE(n, 3) << NombreDeTipo(static_cast<T>(t));
    }
}

TEST(Nomenclatura, Errores)
{
    struct Caso {
        const char *entrada;
        ErrorNomenclatura error;
        const char *mensaje;
    };
    const char *oxidacion = "Esta fórmula no corresponde a ningún compuesto con los estados de oxidación habituales.";
    const Caso casos[] = {
        {"NaCl2", ErrorNomenclatura::Oxidacion, oxidacion},
        {"Na2Cl", ErrorNomenclatura::Oxidacion, oxidacion},
        // Mercury(I) comes in pairs.
        {"HgCl", ErrorNomenclatura::Oxidacion, oxidacion},
        {"Hg^+", ErrorNomenclatura::Oxidacion, oxidacion},
        {"FeO3", ErrorNomenclatura::Oxidacion, oxidacion},
        {"H2SO5", ErrorNomenclatura::Oxidacion, oxidacion},
        {"Fe^5+", ErrorNomenclatura::Oxidacion, oxidacion},
        {"O2Fe3", ErrorNomenclatura::Oxidacion, oxidacion},
        {"Fe", ErrorNomenclatura::Oxidacion, oxidacion},
        {"Xx2", ErrorNomenclatura::SimboloDesconocido, "Símbolo desconocido: Xx."},
        {"NaQ", ErrorNomenclatura::SimboloDesconocido, "Símbolo desconocido: Q."},
        {"Fe2O3)", ErrorNomenclatura::FormulaNoValida, "Fórmula no válida."},
        {"(", ErrorNomenclatura::FormulaNoValida, "Fórmula no válida."},
        {"2H2O", ErrorNomenclatura::FormulaNoValida, "Fórmula no válida."},
        {"hierro", ErrorNomenclatura::NombreNoReconocido, "Nombre no reconocido."},
        {"óxido de hierro(IV)", ErrorNomenclatura::NombreNoReconocido, "Nombre no reconocido."},
        {"óxido de hierro", ErrorNomenclatura::NombreNoReconocido, "Nombre no reconocido."},
        {"Hola", ErrorNomenclatura::NombreNoReconocido, "Nombre no reconocido."},
        {"ácido", ErrorNomenclatura::NombreNoReconocido, "Nombre no reconocido."},
        {"", ErrorNomenclatura::Vacia, ""},
        {"   ", ErrorNomenclatura::Vacia, ""},
    };
    for (const Caso &c : casos) {
        const Nomenclatura n = Nombrar(c.entrada);
        EXPECT_EQ(n.compuesto, nullptr) << c.entrada;
        EXPECT_EQ(n.error, c.error) << c.entrada;
        EXPECT_EQ(TextoDeError(n), c.mensaje) << c.entrada;
    }
}

// Capitals, missing accents, blanks and the older elided prefixes still
// find the compound, and the name comes back as it is spelled.
TEST(Nomenclatura, NombresEscritosDeOtraManera)
{
    struct Caso {
        const char *entrada, *formula, *escrito;
    };
    const Caso casos[] = {
        {"oxido de niquel(II)", "NiO", "óxido de níquel(II)"},
        {"ÓXIDO DE HIERRO(III)", "Fe₂O₃", "óxido de hierro(III)"},
        {"  Óxido   de hierro (III) ", "Fe₂O₃", "óxido de hierro(III)"},
        {"acido sulfurico", "H₂SO₄", "ácido sulfúrico"},
        {"pentóxido de dinitrógeno", "N₂O₅", "pentaóxido de dinitrógeno"},
        {"tetraoxidosulfato(2-)", "SO₄²⁻", "tetraoxidosulfato(2−)"},
        {"fluoruro de sodio", "NaF", "fluoruro de sodio"},
        {"cloruro de cinc", "ZnCl₂", "cloruro de cinc"},
        {"amoniaco", "NH₃", "amoníaco"},
        {"Ion Amonio", "NH₄⁺", "amonio"},
    };
    for (const Caso &c : casos) {
        const Nomenclatura n = Nombrar(c.entrada);
        ASSERT_NE(n.compuesto, nullptr) << c.entrada;
        EXPECT_TRUE(n.porNombre) << c.entrada;
        EXPECT_EQ(n.compuesto->formula, c.formula) << c.entrada;
        EXPECT_EQ(n.nombre, c.escrito) << c.entrada;
    }
}

// Letter case counts in formulas: Co is cobalt, CO carbon monoxide.
TEST(Nomenclatura, MayusculasEnFormulas)
{
    ASSERT_NE(Nombrar("CO").compuesto, nullptr);
    EXPECT_EQ(Nombrar("CO").compuesto->composicion, "monóxido de carbono");
    ASSERT_NE(Nombrar("CoO").compuesto, nullptr);
    EXPECT_EQ(Nombrar("CoO").compuesto->tradicional, "óxido cobaltoso");
    EXPECT_EQ(Nombrar("Co").error, ErrorNomenclatura::Oxidacion);
    EXPECT_EQ(Nombrar("co").error, ErrorNomenclatura::NombreNoReconocido);
}

// Once the catalogue is built, a name is found in well under a millisecond.
TEST(Nomenclatura, RapidoTrasLaPrimeraVez)
{
    CatalogoFormulacion();
    const auto inicio = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i)
        ASSERT_NE(Nombrar(i % 2 ? "Fe2(SO4)3" : "hidrogeno(trioxidocarbonato) de sodio").compuesto, nullptr);
    const auto media = (std::chrono::steady_clock::now() - inicio) / 100;
    EXPECT_LT(media, std::chrono::milliseconds(1));
}
