#include "elements/FormFicha.h"

#include "tests/support/Ventana.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

QStringList Isotopos(const Manejo &m)
{
    QStringList lineas;
    auto *lista = m.control<QListWidget>(QStringLiteral("ListaIsotopos"));
    for (int i = 0; i < lista->count(); ++i)
        lineas << lista->item(i)->text();
    return lineas;
}

// The card of iron, label by label, as the window shows it.
TEST(FormFicha, ElHierro)
{
    DeLaLista tabla(QStringLiteral("FormPrincipal"));
    QTest::mouseClick(tabla.control<QLabel>(QStringLiteral("Fe")), Qt::LeftButton);
    DeLaLista ficha(QStringLiteral("FormFicha"));
    const std::pair<const char *, const char *> etiquetas[] = {
        {"LabelSimbolo", "Fe"},
        {"LabelNombre", "Hierro"},
        {"LabelNumero", "26"},
        {"LabelMasa", "55,845"},
        {"LabelConfiguracion", "[Ar] 3d⁶ 4s²"},
        {"LabelElectronegatividad", "1,83"},
        {"LabelIonizacion", "7,902 eV (762,5 kJ/mol)"},
        {"LabelAfinidad", "0,151 eV (14,6 kJ/mol)"},
        {"LabelRadioCovalente", "125 pm"},
        {"LabelRadioVdW", "205 pm"},
        {"LabelFusion", "1535 °C (1808 K)"},
        {"LabelEbullicion", "2750 °C (3023 K)"},
        {"LabelDensidad", "7,874 g/cm³"},
        {"LabelEstado", "Sólido"},
        {"LabelBloque", "d"},
        {"LabelGrupoPeriodo", "Grupo 8, periodo 4"},
        {"LabelFamilia", "Metal de transición"},
        {"LabelDescubrimiento", "Conocido desde la Antigüedad"},
        {"LabelOxidacion", "+2, +3"},
    };
    for (const auto &[nombre, texto] : etiquetas)
        EXPECT_EQ(ficha.texto(QString::fromLatin1(nombre)), QString::fromUtf8(texto)) << nombre;
    EXPECT_EQ(Isotopos(ficha), (QStringList{"⁵⁴Fe 5,845 %", "⁵⁶Fe 91,754 %", "⁵⁷Fe 2,119 %", "⁵⁸Fe 0,282 %"}));
    EXPECT_EQ(ficha.texto(QStringLiteral("ComboElemento")), QStringLiteral("26 Fe Hierro"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ficha.control<QLabel>(QStringLiteral("LabelElectronegatividad")))
                  ->text(QAccessible::Name),
              QStringLiteral("Electronegatividad (Pauling): 1,83"));
}

// Open, the card follows every tile released in the table, by mouse or
// from the keyboard; a tile only pressed changes nothing yet.
TEST(FormFicha, SigueALaTabla)
{
    DeLaLista tabla(QStringLiteral("FormPrincipal"));
    DeLaLista ficha(QStringLiteral("FormFicha"));
    EXPECT_EQ(ficha.texto(QStringLiteral("LabelNombre")), QStringLiteral("Hidrógeno"));
    QTest::mouseClick(tabla.control<QLabel>(QStringLiteral("Cu")), Qt::LeftButton);
    EXPECT_EQ(ficha.texto(QStringLiteral("LabelNombre")), QStringLiteral("Cobre"));
    QTest::mousePress(tabla.control<QLabel>(QStringLiteral("Og")), Qt::LeftButton);
    EXPECT_EQ(ficha.texto(QStringLiteral("LabelNombre")), QStringLiteral("Cobre"));
    QTest::mouseRelease(tabla.control<QLabel>(QStringLiteral("Og")), Qt::LeftButton);
    EXPECT_EQ(ficha.texto(QStringLiteral("LabelNombre")), QStringLiteral("Oganesón"));
    EXPECT_EQ(ficha.texto(QStringLiteral("LabelConfiguracion")), QStringLiteral("Desconocido"));
    EXPECT_EQ(Isotopos(ficha), QStringList{"Desconocido"});

    tabla.Activar();
    for (const auto &[casilla, tecla, nombre] :
         {std::tuple{"TTh", Qt::Key_Space, "Torio"}, std::tuple{"Ra", Qt::Key_Return, "Radio"}}) {
        tabla.tecla(QString::fromLatin1(casilla), tecla);
        EXPECT_EQ(ficha.texto(QStringLiteral("LabelNombre")), QString::fromUtf8(nombre)) << casilla;
    }
    EXPECT_EQ(Isotopos(ficha), QStringList{"²²⁶Ra 1600 años"});
}

struct CasoBusqueda {
    const char *escrito;
    const char *elemento; // the name shown after Enter
};

// Typed into the list and confirmed with Enter, or by leaving the box; what
// finds nothing leaves the element shown.
TEST(FormFicha, BuscaPorNombreSimboloONumero)
{
    Abierta<FormFicha> ficha;
    ficha.ventana.Mostrar(1);
    const CasoBusqueda casos[] = {
        {"hierro", "Hierro"},   {"Fe", "Hierro"},     {"xyz", "Hierro"},    {"26", "Hierro"},
        {"oxigeno", "Oxígeno"}, {"Estaño", "Estaño"}, {"merc", "Mercurio"}, {"", "Mercurio"},
        {"u", "Uranio"},        {"118", "Oganesón"},  {"3", "Litio"},
    };
    auto *lista = ficha.control<QComboBox>(QStringLiteral("ComboElemento"));
    for (const CasoBusqueda &c : casos) {
        lista->lineEdit()->clear();
        ficha.teclear(QStringLiteral("ComboElemento"), c.escrito);
        ficha.tecla(QStringLiteral("ComboElemento"), Qt::Key_Return);
        EXPECT_EQ(ficha.texto(QStringLiteral("LabelNombre")), QString::fromUtf8(c.elemento)) << c.escrito;
        EXPECT_EQ(lista->currentIndex() + 1, ficha.ventana.Elemento()) << c.escrito;
        EXPECT_TRUE(lista->currentText().endsWith(QString::fromUtf8(c.elemento))) << c.escrito;
    }
    // Leaving the box searches too.
    lista->lineEdit()->clear();
    ficha.teclear(QStringLiteral("ComboElemento"), "plata");
    ficha.control<QWidget>(QStringLiteral("ListaIsotopos"))->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ficha.texto(QStringLiteral("LabelNombre")), QStringLiteral("Plata"));
    // An entry picked from the list.
    lista->setCurrentIndex(91);
    emit lista->activated(91);
    EXPECT_EQ(ficha.texto(QStringLiteral("LabelSimbolo")), QStringLiteral("U"));
    EXPECT_EQ(lista->count(), 118);
}

} // namespace
