#include "widgets/CajaFormula.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextCursor>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using Clase = CajaFormula::ClaseTecla;

TEST(CajaFormula, ClaseDeCadaTecla)
{
    struct Caso {
        const char *texto;
        Clase clase;
    };
    const Caso casos[] = {
        {"0", Clase::Digito}, {"9", Clase::Digito}, {"A", Clase::Letra}, {"z", Clase::Letra}, {"Ñ", Clase::Letra},
        {"ñ", Clase::Letra},  {"é", Clase::Otra},   {"Ç", Clase::Otra},  {"(", Clase::Otra},  {" ", Clase::Otra},
        {"\b", Clase::Otra},  {"", Clase::Otra},    {"12", Clase::Otra}, {"٣", Clase::Otra}, // Arabic-Indic three
        {"@", Clase::Otra},   {"[", Clase::Otra},   {"`", Clase::Otra},  {"{", Clase::Otra},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(CajaFormula::Clasificar(QString::fromUtf8(c.texto)), c.clase) << c.texto;
}

namespace {

std::vector<qreal> Tamanos(const CajaFormula &caja)
{
    std::vector<qreal> tamanos;
    QTextCursor cursor(caja.document());
    for (int i = 1; i <= caja.Texto().size(); ++i) {
        cursor.setPosition(i);
        tamanos.push_back(cursor.charFormat().fontPointSize());
    }
    return tamanos;
}

// A formula box in a window that watches its keys and its edits, as the
// calculators do.
struct Vigilada : QObject {
    Vigilada()
    {
        caja.installEventFilter(this);
        connect(&caja, &CajaFormula::editada, this,
                [this](const QString &c) { ediciones << (c.isEmpty() ? QStringLiteral("-") : c); });
        caja.show();
        caja.activateWindow();
        caja.setFocus();
    }
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() != QEvent::KeyPress)
            return false;
        const QString t = static_cast<QKeyEvent *>(evento)->text();
        if (t == u"\r" || (!t.isEmpty() && t.front().isPrint()))
            teclas << t;
        return false;
    }
    CajaFormula caja;
    QStringList teclas;
    QStringList ediciones;
};

} // namespace

TEST(CajaFormula, CifrasPequenasYSimbolosGrandes)
{
    CajaFormula caja;
    caja.show();
    caja.setFocus();
    EXPECT_EQ(caja.font().family(), QStringLiteral("Times New Roman"));
    QTest::keyClicks(&caja, QStringLiteral("Fe2("));
    EXPECT_EQ(caja.Texto(), QStringLiteral("Fe2("));
    EXPECT_EQ(Tamanos(caja), (std::vector<qreal>{14, 14, 8, 14}));

    // Emptied, it starts again at the base size.
    caja.Vaciar();
    EXPECT_EQ(caja.Texto(), QString());
    caja.TamanoSiguiente(CajaFormula::kTamanoBase);
    caja.insertPlainText(QStringLiteral("x"));
    EXPECT_EQ(Tamanos(caja), (std::vector<qreal>{CajaFormula::kTamanoBase}));
}

// Whatever way a text comes in, the window sees it typed key by key.
TEST(CajaFormula, LoPegadoSeTecleaLetraALetra)
{
    enum class Via { CtrlV, ShiftInsert, Menu, Soltar };
    for (Via via : {Via::CtrlV, Via::ShiftInsert, Via::Menu, Via::Soltar}) {
        Vigilada v;
        QTest::keyClicks(&v.caja, QStringLiteral("H"));
        QApplication::clipboard()->setText(QStringLiteral("2S\tO4\r\nK"));
        switch (via) {
        case Via::CtrlV:
            QTest::sendKeyEvent(QTest::Click, &v.caja, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
            break;
        case Via::ShiftInsert:
            QTest::keyClick(&v.caja, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Via::Menu: {
            std::unique_ptr<QMenu> menu(v.caja.createStandardContextMenu());
            menu->findChild<QAction *>(QStringLiteral("edit-paste"))->trigger();
            break;
        }
        case Via::Soltar: {
            QMimeData datos;
            datos.setText(QApplication::clipboard()->text());
            const QPoint punto = v.caja.cursorRect().center();
            QDragEnterEvent entrar(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(v.caja.viewport(), &entrar);
            QDragMoveEvent mover(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(v.caja.viewport(), &mover);
            QDropEvent soltar(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(v.caja.viewport(), &soltar);
            QCoreApplication::sendPostedEvents();
            break;
        }
        }
        // The tab types nothing; the line break is one Enter, which the
        // box, one line, keeps out.
        EXPECT_EQ(v.caja.Texto(), QStringLiteral("H2SO4K")) << static_cast<int>(via);
        EXPECT_EQ(Tamanos(v.caja), (std::vector<qreal>{14, 8, 14, 14, 8, 14})) << static_cast<int>(via);
        EXPECT_EQ(v.teclas, (QStringList{"H", "2", "S", "O", "4", "\r", "K"})) << static_cast<int>(via);
        EXPECT_EQ(v.ediciones, (QStringList{"H", "2", "S", "O", "4", "K"})) << static_cast<int>(via);
    }
}

// A huge paste goes in up to the box's length, at once; a line break in it
// still counts, and a full box takes no more keys but still replaces a
// selection.
TEST(CajaFormula, LoQueNoCabeNoEntra)
{
    const int maximo = CajaFormula::kLongitudMaxima;
    Vigilada v;
    QApplication::clipboard()->setText(QString(50000, u'x') + QStringLiteral("\nH"));
    QElapsedTimer reloj;
    reloj.start();
    QTest::keyClick(&v.caja, Qt::Key_V, Qt::ControlModifier);
    EXPECT_LT(reloj.elapsed(), 2000);
    EXPECT_EQ(v.caja.Texto(), QString(maximo, u'x'));
    EXPECT_EQ(v.ediciones.size(), maximo);
    EXPECT_EQ(v.teclas.size(), maximo + 2);

    QTest::keyClicks(&v.caja, QStringLiteral("O2"));
    EXPECT_EQ(v.caja.Texto().size(), maximo);
    QTest::keyClick(&v.caja, Qt::Key_Backspace);
    QTest::keyClicks(&v.caja, QStringLiteral("O2"));
    EXPECT_EQ(v.caja.Texto(), QString(maximo - 1, u'x') + u'O');
    v.caja.selectAll();
    QTest::keyClicks(&v.caja, QStringLiteral("N2"));
    EXPECT_EQ(v.caja.Texto(), QStringLiteral("N2"));
}

TEST(CajaFormula, CadaCambioDelUsuarioSeAnuncia)
{
    Vigilada v;
    QTest::keyClicks(&v.caja, QStringLiteral("Na"));
    QTest::keyClick(&v.caja, Qt::Key_Backspace);
    QTest::sendKeyEvent(QTest::Click, &v.caja, Qt::Key_Z, QStringLiteral("\x1a"), Qt::ControlModifier);
    v.caja.selectAll();
    v.caja.cut();
    v.caja.undo();
    v.caja.redo();
    // Arrows, the size of what comes next and the program's own emptying
    // are no edits.
    QTest::keyClick(&v.caja, Qt::Key_Left);
    v.caja.TamanoSiguiente(CajaFormula::kTamanoIndice);
    v.caja.undo();
    v.caja.Vaciar();
    EXPECT_EQ(v.ediciones, (QStringList{"N", "a", "-", "-", "-", "-", "-", "-"}));
}

// A drag out of the box could leave the program deaf to the user (Qt's X11
// drag): a press on the selection places the caret instead of starting one.
TEST(CajaFormula, NoSeArrastraTextoFuera)
{
    Vigilada v;
    QTest::keyClicks(&v.caja, QStringLiteral("NaCl"));
    v.caja.selectAll();
    const QPoint sobre = v.caja.cursorRect().center() - QPoint(8, 0);
    QTest::mousePress(v.caja.viewport(), Qt::LeftButton, {}, sobre);
    EXPECT_FALSE(v.caja.textCursor().hasSelection());
    QTest::mouseMove(v.caja.viewport(), sobre + QPoint(40, 0));
    QTest::mouseRelease(v.caja.viewport(), Qt::LeftButton, {}, sobre + QPoint(40, 0));
    EXPECT_EQ(v.caja.Texto(), QStringLiteral("NaCl"));
}

TEST(CajaFormula, UnaLineaQueCabeYTabuladorQueSale)
{
    QWidget ventana;
    auto *caja = new CajaFormula(&ventana);
    auto *otro = new QLineEdit(&ventana);
    auto *disposicion = new QVBoxLayout(&ventana);
    disposicion->addWidget(caja);
    disposicion->addWidget(otro);
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));

    // A line of large symbols fits without scrolling.
    QFont grande(QStringLiteral("Times New Roman"));
    grande.setPointSizeF(CajaFormula::kTamanoSimbolo);
    EXPECT_GE(caja->viewport()->height(),
              QFontMetrics(grande).lineSpacing() + 2 * static_cast<int>(caja->document()->documentMargin()));

    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_Tab);
    EXPECT_TRUE(otro->hasFocus());
    EXPECT_EQ(caja->Texto(), QString());
}
