#include "tests/support/Ventana.h"
#include "widgets/Accesible.h"
#include "widgets/Flechas.h"

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QString Nombre(QObject *objeto)
{
    QAccessibleInterface *interfaz = QAccessible::queryAccessibleInterface(objeto);
    return interfaz == nullptr ? QStringLiteral("(sin interfaz)") : interfaz->text(QAccessible::Name);
}

// Every mouse event a label gets, as "press x,y" or "release x,y".
class Clics : public QObject {
public:
    QStringList vistos;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        const bool pulsar = evento->type() == QEvent::MouseButtonPress;
        if (pulsar || evento->type() == QEvent::MouseButtonRelease) {
            const auto *raton = static_cast<QMouseEvent *>(evento);
            const QPoint p = raton->position().toPoint();
            vistos << QStringLiteral("%1 %2 %3,%4%5")
                          .arg(objeto->objectName(), pulsar ? QStringLiteral("press") : QStringLiteral("release"))
                          .arg(p.x())
                          .arg(p.y())
                          .arg(raton->button() == Qt::LeftButton ? QString() : QStringLiteral("?"));
            return true;
        }
        return false;
    }
};

// Two labels that act as buttons and a box, in a window that tabs through
// them.
class Tablero : public QWidget {
public:
    Tablero()
    {
        a = CrearEtiqueta(QStringLiteral("A"), 10);
        b = CrearEtiqueta(QStringLiteral("B"), 80);
        caja = new QLineEdit(this);
        caja->setObjectName(QStringLiteral("caja"));
        caja->setGeometry(150, 10, 60, 40);
        HacerPulsables(std::array{a, b});
        orden = {caja, a, b};
        resize(220, 60);
    }
    QLabel *a;
    QLabel *b;
    QLineEdit *caja;
    std::vector<QWidget *> orden;
    Clics clics;

protected:
    bool focusNextPrevChild(bool next) override { return MoverFoco(orden, next); }

private:
    QLabel *CrearEtiqueta(const QString &texto, int x)
    {
        auto *etiqueta = new QLabel(texto, this);
        etiqueta->setObjectName(texto);
        etiqueta->setGeometry(x, 10, 60, 40);
        etiqueta->setAlignment(Qt::AlignCenter);
        Nombrar(etiqueta, QStringLiteral("Casilla ") + texto);
        etiqueta->installEventFilter(&clics);
        return etiqueta;
    }
};

struct TableroAbierto : Abierta<Tablero> {
    QImage Imagen(QWidget *w) const { return w->grab().toImage(); }
};

} // namespace

TEST(Accesible, RotulosComoNombres)
{
    const std::pair<const char *, const char *> casos[] = {
        {"Fórmula :", "Fórmula"},
        {"Masa molecular (g/mol) =", "Masa molecular (g/mol)"},
        {"moles:", "moles"},
        {"a =", "a"},
        {"% de rendimiento   =", "% de rendimiento"},
        {"Líquido   densidad", "Líquido densidad"},
        {" : = ", ""},
        {"Actividad  =", "Actividad"},
    };
    for (const auto &[rotulo, nombre] : casos)
        EXPECT_EQ(TextoDeRotulo(QString::fromUtf8(rotulo)), QString::fromUtf8(nombre)) << rotulo;
}

TEST(Accesible, CampoConSuRotulo)
{
    QWidget ventana;
    auto *rotulo = new QLabel(QStringLiteral("Fórmula :"), &ventana);
    auto *campo = new QLineEdit(&ventana);
    auto *otro = new QLineEdit(&ventana);
    NombrarPorRotulo(campo, rotulo);
    NombrarPorRotulo(otro, new QLabel(QStringLiteral("g/mol"), &ventana), QStringLiteral("Masa molecular (g/mol)"));
    EXPECT_EQ(rotulo->buddy(), campo);
    EXPECT_EQ(Nombre(campo), QStringLiteral("Fórmula"));
    EXPECT_EQ(Nombre(otro), QStringLiteral("Masa molecular (g/mol)"));
    // The screen reader finds the caption from the field.
    const auto etiquetas = QAccessible::queryAccessibleInterface(campo)->relations(QAccessible::Label);
    ASSERT_EQ(etiquetas.size(), 1);
    EXPECT_EQ(etiquetas.front().first->object(), rotulo);
}

TEST(Accesible, ResultadoConLoQueMuestra)
{
    QWidget ventana;
    auto *valor = new QLabel(&ventana);
    auto *unidad = new QLabel(QStringLiteral("mCi"), &ventana);
    NombrarResultado(valor, QStringLiteral("Actividad"), unidad);
    struct Caso {
        const char *valor;
        const char *unidad;
        bool unidadOculta;
        const char *nombre;
    };
    const Caso casos[] = {
        {"", "mCi", false, "Actividad"}, // no value, no unit
        {"7,5", "mCi", false, "Actividad: 7,5 mCi"},
        {"7,5", "", false, "Actividad: 7,5"},
        {"7,5", "mCi", true, "Actividad: 7,5"},
        {" 12 ", "  Bq ", false, "Actividad: 12 Bq"},
    };
    for (const Caso &c : casos) {
        valor->setText(QString::fromUtf8(c.valor));
        unidad->setText(QString::fromUtf8(c.unidad));
        unidad->setHidden(c.unidadOculta);
        EXPECT_EQ(Nombre(valor), QString::fromUtf8(c.nombre)) << c.valor << "|" << c.unidad;
    }
    // Renamed once it has been read.
    NombrarResultado(valor, QStringLiteral("Porcentaje de C"));
    valor->setText(QStringLiteral("40"));
    EXPECT_EQ(Nombre(valor), QStringLiteral("Porcentaje de C: 40"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(valor)->role(), QAccessible::StaticText);
}

TEST(Accesible, EtiquetaPulsadaConElTeclado)
{
    TableroAbierto t;
    t.ventana.a->setFocus();
    struct Caso {
        const char *nombre;
        std::function<void(QWidget *)> teclas;
        QStringList clics;
    };
    const QStringList clic{QStringLiteral("A press 30,20"), QStringLiteral("A release 30,20")};
    const Caso casos[] = {
        {"Enter", [](QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }, clic},
        {"Intro del teclado numérico", [](QWidget *w) { QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier); }, clic},
        {"Espacio", [](QWidget *w) { QTest::keyClick(w, Qt::Key_Space); }, clic},
        {"Ctrl+Enter no", [](QWidget *w) { QTest::keyClick(w, Qt::Key_Return, Qt::ControlModifier); }, {}},
        {"una letra no", [](QWidget *w) { QTest::keyClick(w, 'x'); }, {}},
        {"sostenida: una pulsación",
         [](QWidget *w) {
             QTest::sendKeyEvent(QTest::Press, w, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier);
             QKeyEvent repetida(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
             QCoreApplication::sendEvent(w, &repetida);
             QTest::sendKeyEvent(QTest::Release, w, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier);
         },
         clic},
        {"soltada donde no se pulsó",
         [](QWidget *w) { QTest::sendKeyEvent(QTest::Release, w, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier); },
         {}},
    };
    for (const Caso &c : casos) {
        t.ventana.clics.vistos.clear();
        c.teclas(t.ventana.a);
        EXPECT_EQ(t.ventana.clics.vistos, c.clics) << c.nombre;
    }
}

// A screen reader presses it as a button too.
TEST(Accesible, EtiquetaPulsadaPorElLectorDePantalla)
{
    TableroAbierto t;
    QAccessibleInterface *b = QAccessible::queryAccessibleInterface(t.ventana.b);
    EXPECT_EQ(b->role(), QAccessible::Button);
    EXPECT_EQ(b->text(QAccessible::Name), QStringLiteral("Casilla B"));
    EXPECT_TRUE(b->state().focusable);
    ASSERT_TRUE(b->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(t.ventana.clics.vistos,
              (QStringList{QStringLiteral("B press 30,20"), QStringLiteral("B release 30,20")}));
}

// The focus frame shows only on the label that has the focus; the others
// look as a plain label does.
TEST(Accesible, MarcoDeFocoSoloConElFoco)
{
    TableroAbierto t;
    auto *simple = new QLabel(QStringLiteral("A"), &t.ventana);
    simple->setAlignment(Qt::AlignCenter);
    simple->setGeometry(10, 10, 60, 40);
    simple->lower();
    simple->show();
    const QImage comoSiempre = t.Imagen(simple);

    t.ventana.caja->setFocus();
    EXPECT_EQ(t.Imagen(t.ventana.a), comoSiempre);
    t.ventana.a->setFocus();
    EXPECT_TRUE(t.ventana.a->hasFocus());
    EXPECT_NE(t.Imagen(t.ventana.a), comoSiempre);
    t.ventana.b->setFocus();
    EXPECT_EQ(t.Imagen(t.ventana.a), comoSiempre);
}

TEST(Accesible, TabPasaPorLasEtiquetas)
{
    TableroAbierto t;
    const auto foco = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    struct Caso {
        const char *antes; // the control that has the focus; empty: none of the list
        std::function<void(Tablero &)> preparar;
        Qt::Key tecla;
        const char *despues;
    };
    const Caso casos[] = {
        {"caja", nullptr, Qt::Key_Tab, "A"},
        {"A", nullptr, Qt::Key_Tab, "B"},
        {"B", nullptr, Qt::Key_Tab, "caja"}, // round again
        {"caja", nullptr, Qt::Key_Backtab, "B"},
        {"A", [](Tablero &v) { v.b->hide(); }, Qt::Key_Tab, "caja"},
        {"caja", [](Tablero &v) { v.a->setEnabled(false); }, Qt::Key_Tab, "B"},
        {"", nullptr, Qt::Key_Tab, "caja"},  // from outside: the first
        {"", nullptr, Qt::Key_Backtab, "B"}, // or the last
    };
    for (const Caso &c : casos) {
        for (QWidget *w : t.ventana.orden) {
            w->show();
            w->setEnabled(true);
        }
        if (c.preparar)
            c.preparar(t.ventana);
        QWidget *destino = t.ventana.findChild<QWidget *>(QString::fromLatin1(c.antes));
        if (destino != nullptr)
            destino->setFocus();
        else
            t.ventana.setFocus();
        QTest::keyClick(destino != nullptr ? destino : &t.ventana, c.tecla,
                        c.tecla == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(foco(), QString::fromLatin1(c.despues)) << c.antes << " " << c.tecla;
    }
}

// The window hides the focused label: the focus goes on to the next one.
TEST(Accesible, EtiquetaOcultaPasaElFoco)
{
    TableroAbierto t;
    t.ventana.a->setFocus();
    t.ventana.a->hide();
    EXPECT_EQ(QApplication::focusWidget(), t.ventana.b);
}

TEST(Accesible, FlechasConSusTeclas)
{
    QWidget ventana;
    auto *caja = new QLineEdit(&ventana);
    auto *flechas = new Flechas(&ventana);
    flechas->Nombrar(QStringLiteral("la hora inicial"));
    flechas->Teclas(caja, Qt::Key_PageUp, Qt::Key_PageDown, Qt::ControlModifier);
    QStringList pasos;
    QObject::connect(flechas, &Flechas::subir, [&] { pasos << QStringLiteral("subir"); });
    QObject::connect(flechas, &Flechas::bajar, [&] { pasos << QStringLiteral("bajar"); });
    ventana.show();
    caja->setFocus();
    EXPECT_EQ(Nombre(flechas->Arriba()), QStringLiteral("Subir la hora inicial"));
    EXPECT_EQ(Nombre(flechas->Abajo()), QStringLiteral("Bajar la hora inicial"));

    struct Caso {
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        const char *paso;
    };
    const Caso casos[] = {
        {Qt::Key_PageUp, Qt::ControlModifier, "subir"}, {Qt::Key_PageDown, Qt::ControlModifier, "bajar"},
        {Qt::Key_PageUp, Qt::NoModifier, ""},           {Qt::Key_PageUp, Qt::ControlModifier | Qt::ShiftModifier, ""},
        {Qt::Key_Up, Qt::ControlModifier, ""},
    };
    for (const Caso &c : casos) {
        pasos.clear();
        QTest::keyClick(caja, c.tecla, c.modificadores);
        EXPECT_EQ(pasos.join(u' '), QString::fromLatin1(c.paso)) << c.tecla << " " << c.modificadores;
    }
    // The keys step; they leave the box alone.
    QTest::keyClicks(caja, "12");
    EXPECT_EQ(caja->text(), QStringLiteral("12"));
}
