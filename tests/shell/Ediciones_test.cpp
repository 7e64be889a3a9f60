// Every way of changing a text box does what typing the same characters
// does: on every number and formula box of every window of the list, a text
// typed on one fresh window and the same text put in through another route
// on another leave the same texts in every control and the same messages.

#include "platform/Azar.h"
#include "shell/Ventanas.h"
#include "tests/support/Ventana.h"
#include "widgets/CajaFormula.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

enum class Via {
    CtrlV,
    ShiftInsert,
    MenuPegar,
    BotonCentral,
    Soltar,
    CtrlZ,
    MenuDeshacer,
    CtrlShiftZ,
    MenuRehacer,
    CtrlX,
    MenuCortar,
    MenuEliminar,
};

struct Ruta {
    const char *nombre;
    Via via;
};

constexpr Ruta kRutas[] = {
    {"CtrlV", Via::CtrlV},
    {"ShiftInsert", Via::ShiftInsert},
    {"MenuPegar", Via::MenuPegar},
    {"BotonCentral", Via::BotonCentral},
    {"Soltar", Via::Soltar},
    {"CtrlZ", Via::CtrlZ},
    {"MenuDeshacer", Via::MenuDeshacer},
    {"CtrlShiftZ", Via::CtrlShiftZ},
    {"MenuRehacer", Via::MenuRehacer},
    {"CtrlX", Via::CtrlX},
    {"MenuCortar", Via::MenuCortar},
    {"MenuEliminar", Via::MenuEliminar},
};

// A dot, a minus sign, a letter and digits for a number box; for a formula
// box digits, letters, a blank (which calculates in the molar calculator)
// and a character of no kind.
const QString kNumero = QStringLiteral("-1.5x9");
const QString kLargo = QStringLiteral("9876543");
const QString kFormula = QStringLiteral("Na2 CO3(x");

bool EsCaja(const QWidget *w)
{
    if (const auto *linea = qobject_cast<const QLineEdit *>(w))
        return !linea->isReadOnly();
    return qobject_cast<const CajaFormula *>(w) != nullptr;
}

// The boxes the user can type into when the window opens.
QStringList CajasDe(const FichaVentana &ficha)
{
    std::unique_ptr<QWidget> ventana(ficha.crear());
    ventana->show();
    QStringList nombres;
    for (QWidget *w : ventana->findChildren<QWidget *>()) {
        // The line of an editable list or of a date picker is not a box of
        // the window's own.
        const QString nombre = w->objectName();
        if (EsCaja(w) && !nombre.isEmpty() && !nombre.startsWith(u"qt_") && w->isVisible() && w->isEnabled())
            nombres << w->objectName();
    }
    return nombres;
}

// What the window shows: every named control's text, and whether it can
// be used.
QStringList Estado(const QWidget *ventana)
{
    QStringList estado;
    for (const QWidget *w : ventana->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty())
            continue;
        QString linea = w->objectName() + u'=' + TextoDe(w);
        if (!w->isEnabled())
            linea += QStringLiteral(" (off)");
        if (w->isHidden())
            linea += QStringLiteral(" (hidden)");
        estado << linea;
    }
    return estado;
}

// Messages as a set in the order first shown: typed key by key, a window may
// say the same thing after each key that an insertion makes it say once.
QStringList Distintos(const QStringList &mensajes)
{
    QStringList distintos;
    for (const QString &m : mensajes)
        if (!distintos.contains(m))
            distintos << m;
    return distintos;
}

// A context menu's action by its icon name. A line box's menu names none of
// its actions: there, the edit actions come in their standard order (undo,
// redo, cut, copy, paste, delete) before select-all.
QAction *Accion(const QMenu &menu, const char *nombre)
{
    if (auto *a = menu.findChild<QAction *>(QString::fromLatin1(nombre)))
        return a;
    static const QStringList kOrden{"edit-undo", "edit-redo", "edit-cut", "edit-copy", "edit-paste", "edit-delete"};
    QList<QAction *> acciones;
    for (QAction *a : menu.actions())
        if (!a->isSeparator())
            acciones << a;
    const qsizetype n = kOrden.indexOf(QString::fromLatin1(nombre));
    return n >= 0 && n < acciones.size() ? acciones[n] : nullptr;
}

class Prueba : public Manejo {
public:
    explicit Prueba(const FichaVentana &ficha) : Manejo(ficha.crear()), m_propia(m_ventana) { Activar(); }
    ~Prueba() { delete m_propia; }

    QWidget *ventana() const { return m_ventana; }

    QWidget *caja(const QString &nombre) { return control(nombre); }

    void Atajo(const QString &nombre, Qt::Key tecla, Qt::KeyboardModifiers mods, const char *texto)
    {
        QWidget *c = caja(nombre);
        c->setFocus();
        // The text a real X11 keyboard sends with the shortcut.
        QTest::sendKeyEvent(QTest::Press, c, tecla, QString::fromLatin1(texto), mods);
        QTest::sendKeyEvent(QTest::Release, c, tecla, QString::fromLatin1(texto), mods);
    }

    void Menu(const QString &nombre, const char *accion)
    {
        QWidget *c = caja(nombre);
        c->setFocus();
        std::unique_ptr<QMenu> menu;
        if (auto *linea = qobject_cast<QLineEdit *>(c))
            menu.reset(linea->createStandardContextMenu());
        else
            menu.reset(static_cast<QTextEdit *>(c)->createStandardContextMenu());
        QAction *a = Accion(*menu, accion);
        ASSERT_NE(a, nullptr) << accion;
        ASSERT_TRUE(a->isEnabled()) << accion;
        a->trigger();
    }

    void SeleccionarTodo(const QString &nombre) { Atajo(nombre, Qt::Key_A, Qt::ControlModifier, "\x01"); }

    // Everything selected and taken away by typing.
    void Borrar(const QString &nombre)
    {
        SeleccionarTodo(nombre);
        tecla(nombre, Qt::Key_Backspace);
    }

    // Where the text ends: a drop or a middle click there inserts where
    // typing does.
    QPoint AlFinal(QWidget *c)
    {
        if (qobject_cast<QLineEdit *>(c) != nullptr)
            return {c->width() - 4, c->height() / 2};
        auto *rica = static_cast<QTextEdit *>(c);
        QTextCursor final(rica->document());
        final.movePosition(QTextCursor::End);
        return rica->cursorRect(final).center();
    }

    void Soltar(const QString &nombre, const QString &texto)
    {
        QWidget *c = caja(nombre);
        QWidget *destino = c;
        if (auto *rica = qobject_cast<QTextEdit *>(c))
            destino = rica->viewport();
        QMimeData datos;
        datos.setText(texto);
        const QPoint punto = AlFinal(c);
        QDragEnterEvent entrar(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(destino, &entrar);
        QDragMoveEvent mover(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(destino, &mover);
        ASSERT_TRUE(mover.isAccepted());
        QDropEvent soltar(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(destino, &soltar);
    }

    void BotonCentral(const QString &nombre, const QString &texto)
    {
        QGuiApplication::clipboard()->setText(texto, QClipboard::Selection);
        QWidget *c = caja(nombre);
        QWidget *destino = c;
        if (auto *rica = qobject_cast<QTextEdit *>(c))
            destino = rica->viewport();
        QTest::mouseClick(destino, Qt::MiddleButton, {}, AlFinal(c));
    }

    // Puts `texto` into the box through `via`, as a user would.
    void Meter(Via via, const QString &nombre, const QString &texto)
    {
        QGuiApplication::clipboard()->setText(texto);
        switch (via) {
        case Via::CtrlV:
            return Atajo(nombre, Qt::Key_V, Qt::ControlModifier, "\x16");
        case Via::ShiftInsert:
            return Atajo(nombre, Qt::Key_Insert, Qt::ShiftModifier, "");
        case Via::MenuPegar:
            return Menu(nombre, "edit-paste");
        case Via::BotonCentral:
            return BotonCentral(nombre, texto);
        case Via::Soltar:
            return Soltar(nombre, texto);
        // Typed, taken away, and back again by undoing the deletion.
        case Via::CtrlZ:
        case Via::MenuDeshacer:
            teclear(nombre, texto);
            Borrar(nombre);
            if (via == Via::CtrlZ)
                return Atajo(nombre, Qt::Key_Z, Qt::ControlModifier, "\x1a");
            return Menu(nombre, "edit-undo");
        // Typed, taken away and put back, and taken away again by redoing.
        case Via::CtrlShiftZ:
        case Via::MenuRehacer:
            teclear(nombre, texto);
            Borrar(nombre);
            Atajo(nombre, Qt::Key_Z, Qt::ControlModifier, "\x1a");
            if (via == Via::CtrlShiftZ)
                return Atajo(nombre, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a");
            return Menu(nombre, "edit-redo");
        case Via::CtrlX:
        case Via::MenuCortar:
        case Via::MenuEliminar:
            teclear(nombre, texto);
            SeleccionarTodo(nombre);
            if (via == Via::CtrlX)
                return Atajo(nombre, Qt::Key_X, Qt::ControlModifier, "\x18");
            return Menu(nombre, via == Via::MenuCortar ? "edit-cut" : "edit-delete");
        }
    }

    // The same by typing: what the box held before and the text, typed
    // again where an undo brings them back.
    void Teclear(Via via, const QString &nombre, const QString &texto)
    {
        const QString antes = TextoDe(caja(nombre));
        switch (via) {
        case Via::CtrlV:
        case Via::ShiftInsert:
        case Via::MenuPegar:
        case Via::BotonCentral:
        case Via::Soltar:
            return teclear(nombre, texto);
        case Via::CtrlZ:
        case Via::MenuDeshacer:
            teclear(nombre, texto);
            Borrar(nombre);
            return teclear(nombre, antes + texto);
        case Via::CtrlShiftZ:
        case Via::MenuRehacer:
            teclear(nombre, texto);
            Borrar(nombre);
            teclear(nombre, antes + texto);
            return Borrar(nombre);
        case Via::CtrlX:
        case Via::MenuCortar:
        case Via::MenuEliminar:
            teclear(nombre, texto);
            return Borrar(nombre);
        }
    }

private:
    QWidget *m_propia;
};

struct Caso {
    FichaVentana ficha;
    Ruta ruta;
};

std::vector<Caso> Casos()
{
    std::vector<Caso> casos;
    for (const FichaVentana &ficha : ListaVentanas())
        for (const Ruta &r : kRutas)
            casos.push_back({ficha, r});
    return casos;
}

class Ediciones : public testing::TestWithParam<Caso> {};

TEST_P(Ediciones, CadaViaHaceLoQueTeclear)
{
    const Caso &c = GetParam();
    if (c.ruta.via == Via::BotonCentral && !QGuiApplication::clipboard()->supportsSelection()) {
        // The run under Xvfb must have one.
        ASSERT_FALSE(qEnvironmentVariableIsSet("ORVELLA_CON_SELECCION"));
        GTEST_SKIP() << "no X11 selection on this platform (its ctest entry runs it under xvfb-run)";
    }
    // Both windows deal the same questions.
    struct SemillaFija {
        ManejadorSemilla anterior = InstalarManejadorSemilla([] { return 1u; });
        ~SemillaFija() { InstalarManejadorSemilla(anterior); }
    } semilla;
    for (const QString &nombre : CajasDe(c.ficha)) {
        const bool formula = nombre.startsWith(u"BoxFormula") || nombre == u"RTBFormula";
        for (const QString &texto : formula ? QStringList{kFormula} : QStringList{kNumero, kLargo}) {
            SCOPED_TRACE((nombre + u' ' + texto).toStdString());
            QStringList tecleado, mensajesTecleado;
            {
                Prueba a(c.ficha);
                a.Teclear(c.ruta.via, nombre, texto);
                Procesar();
                tecleado = Estado(a.ventana());
                mensajesTecleado = Distintos(a.mensajes.vistos());
            }
            Prueba b(c.ficha);
            b.Meter(c.ruta.via, nombre, texto);
            Procesar();
            EXPECT_EQ(Estado(b.ventana()), tecleado);
            EXPECT_EQ(Distintos(b.mensajes.vistos()), mensajesTecleado);
        }
    }
}

std::string Nombre(const testing::TestParamInfo<Caso> &info)
{
    return info.param.ficha.Clase().toStdString() + "_" + info.param.ruta.nombre;
}

INSTANTIATE_TEST_SUITE_P(Ventanas, Ediciones, testing::ValuesIn(Casos()), Nombre);

} // namespace
