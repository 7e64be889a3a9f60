#include "formulation/FormFormulacion.h"
#include "tests/support/Ventana.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSet>

#include <gtest/gtest.h>

namespace {

constexpr const char *kResultados[] = {"LabelFormula",   "LabelTipo",        "LabelComposicion", "LabelStock",
                                       "LabelHidrogeno", "LabelSustitucion", "LabelTradicional"};

class Formulacion : public ::testing::Test, public Abierta<FormFormulacion> {
protected:
    void Entrar(const char *entrada)
    {
        clic(QStringLiteral("Borrar"));
        teclear(QStringLiteral("TextEntrada"), entrada);
        tecla(QStringLiteral("TextEntrada"), Qt::Key_Return);
    }

    QString Resultado() const
    {
        QStringList r;
        for (const char *n : kResultados)
            r << texto(QString::fromLatin1(n));
        return r.join(u'|');
    }
};

} // namespace

// The examples of the syllabus, typed key by key and entered.
TEST_F(Formulacion, NombraYFormula)
{
    struct Caso {
        const char *entrada;
        const char *resultado;
    };
    const Caso casos[] = {
        {"Fe2O3", "Fe₂O₃|Óxido|trióxido de dihierro|óxido de hierro(III)|||óxido férrico"},
        {"óxido de cobre(I)", "Cu₂O|Óxido|óxido de dicobre|óxido de cobre(I)|||óxido cuproso"},
        {"CO2", "CO₂|Óxido|dióxido de carbono|óxido de carbono(IV)|||"},
        {"OCl2", "OCl₂|Halogenuro de oxígeno|dicloruro de oxígeno||||"},
        {"H2O2", "H₂O₂|Peróxido|dióxido de dihidrógeno||||peróxido de hidrógeno"},
        {"NaH", "NaH|Hidruro metálico|hidruro de sodio|hidruro de sodio|||"},
        {"NH3", "NH₃|Hidruro progenitor|trihidruro de nitrógeno|||azano|amoníaco"},
        {"HCl", "HCl|Hidrácido|cloruro de hidrógeno||||ácido clorhídrico"},
        {"FeCl3", "FeCl₃|Sal binaria|tricloruro de hierro|cloruro de hierro(III)|||cloruro férrico"},
        {"Ca(OH)2", "Ca(OH)₂|Hidróxido|dihidróxido de calcio|hidróxido de calcio|||"},
        {"H2SO4", "H₂SO₄|Oxoácido|||dihidrogeno(tetraoxidosulfato)||ácido sulfúrico"},
        {"ácido perclórico", "HClO₄|Oxoácido|||hidrogeno(tetraoxidoclorato)||ácido perclórico"},
        {"HNO2", "HNO₂|Oxoácido|||hidrogeno(dioxidonitrato)||ácido nitroso"},
        {"H3PO4", "H₃PO₄|Oxoácido|||trihidrogeno(tetraoxidofosfato)||ácido fosfórico"},
        {"KMnO4", "KMnO₄|Oxosal|tetraoxidomanganato de potasio||||permanganato de potasio"},
        {"Fe2(SO4)3", "Fe₂(SO₄)₃|Oxosal|tris(tetraoxidosulfato) de dihierro|sulfato de hierro(III)|||sulfato férrico"},
        {"NaHCO3", "NaHCO₃|Sal ácida|||hidrogeno(trioxidocarbonato) de sodio||hidrogenocarbonato de sodio"},
        {"NH4NO3", "NH₄NO₃|Oxosal|trioxidonitrato de amonio||||nitrato de amonio"},
        {"SO4^2-", "SO₄²⁻|Anión|tetraoxidosulfato(2−)||||sulfato"},
        {"SO₄²⁻", "SO₄²⁻|Anión|tetraoxidosulfato(2−)||||sulfato"},
        // No accent, no capitals: the labels spell it right.
        {"OXIDO DE NIQUEL(II)", "NiO|Óxido|monóxido de níquel|óxido de níquel(II)|||óxido niqueloso"},
        {"bicarbonato de sodio",
         "NaHCO₃|Sal ácida|||hidrogeno(trioxidocarbonato) de sodio||hidrogenocarbonato de sodio"},
    };
    for (const Caso &c : casos) {
        Entrar(c.entrada);
        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado)) << c.entrada;
    }
    EXPECT_TRUE(mensajes.mensajes.empty());
}

// Each error is one message through the seam, with the error's title, the
// result left empty and the focus back in the entry, its text selected to be
// typed over.
TEST_F(Formulacion, Errores)
{
    struct Caso {
        const char *entrada;
        const char *visto;
    };
    const Caso casos[] = {
        {"NaCl2", "Error (x): Esta fórmula no corresponde a ningún compuesto con los estados de oxidación habituales."},
        {"Xx2", "Error (x): Símbolo desconocido: Xx."},
        {"Fe2O3)", "Error (x): Fórmula no válida."},
        {"óxido de hierro(IV)", "Error (x): Nombre no reconocido."},
    };
    for (const Caso &c : casos) {
        Entrar("Fe2O3");
        mensajes.mensajes.clear();
        Entrar(c.entrada);
        EXPECT_EQ(mensajes.vistos(), QStringList{QString::fromUtf8(c.visto)}) << c.entrada;
        EXPECT_EQ(Resultado(), QStringLiteral("||||||")) << c.entrada;
        EXPECT_EQ(QApplication::focusWidget(), caja(QStringLiteral("TextEntrada"))) << c.entrada;
        EXPECT_EQ(caja(QStringLiteral("TextEntrada"))->selectedText(), QString::fromUtf8(c.entrada));
    }
    // An empty entry asks nothing.
    mensajes.mensajes.clear();
    Entrar("");
    clic(QStringLiteral("Calcular"));
    EXPECT_TRUE(mensajes.mensajes.empty());
}

// The button does what Enter does; changing the entry takes the result away;
// Borrar empties everything.
TEST_F(Formulacion, BotonesYCambios)
{
    teclear(QStringLiteral("TextEntrada"), "CO");
    clic(QStringLiteral("Calcular"));
    EXPECT_EQ(texto(QStringLiteral("LabelComposicion")), QStringLiteral("monóxido de carbono"));
    teclear(QStringLiteral("TextEntrada"), "2");
    EXPECT_EQ(Resultado(), QStringLiteral("||||||"));
    tecla(QStringLiteral("TextEntrada"), Qt::Key_Return);
    EXPECT_EQ(texto(QStringLiteral("LabelComposicion")), QStringLiteral("dióxido de carbono"));
    clic(QStringLiteral("Borrar"));
    EXPECT_EQ(Resultado(), QStringLiteral("||||||"));
    EXPECT_TRUE(texto(QStringLiteral("TextEntrada")).isEmpty());

    clic(QStringLiteral("Información"));
    EXPECT_TRUE(control(QStringLiteral("RichTextBox1"))->isVisible());
    Entrar("CO");
    EXPECT_FALSE(control(QStringLiteral("RichTextBox1"))->isVisible());
}

// A screen reader says which nomenclature each label holds.
TEST_F(Formulacion, CadaNombreDiceSuNomenclatura)
{
    QSet<QString> nombres;
    for (const char *n : kResultados) {
        QAccessibleInterface *interfaz = QAccessible::queryAccessibleInterface(control(QString::fromLatin1(n)));
        ASSERT_NE(interfaz, nullptr) << n;
        const QString nombre = interfaz->text(QAccessible::Name);
        EXPECT_FALSE(nombre.isEmpty()) << n;
        nombres.insert(nombre);
    }
    EXPECT_EQ(nombres.size(), static_cast<qsizetype>(std::size(kResultados)));
    EXPECT_TRUE(nombres.contains(QStringLiteral("Nombre de Stock")));
}
