#include "widgets/GuardiaFoco.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

void Procesar()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Two boxes; the first may only be left when it does not say "mal".
class Ventana : public QWidget {
public:
    Ventana()
    {
        auto *disposicion = new QVBoxLayout(this);
        disposicion->addWidget(primera);
        disposicion->addWidget(segunda);
        primera->installEventFilter(this);
        segunda->installEventFilter(this);
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::FocusOut) {
            auto *caja = static_cast<QLineEdit *>(objeto);
            guardia.AlPerderFoco(caja, *static_cast<QFocusEvent *>(evento), [this, caja] {
                ++comprobaciones;
                if (alComprobar)
                    alComprobar();
                return caja->text() != u"mal";
            });
        }
        return false;
    }

    QLineEdit *primera = new QLineEdit(this);
    QLineEdit *segunda = new QLineEdit(this);
    GuardiaFoco guardia{this};
    int comprobaciones = 0;
    std::function<void()> alComprobar;
};

struct Montada {
    Montada()
    {
        v.show();
        v.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&v));
        v.primera->setFocus();
    }
    Ventana v;
};

} // namespace

TEST(GuardiaFoco, SoloCuentanLosCambiosDelUsuario)
{
    struct Caso {
        Qt::FocusReason motivo;
        bool comprueba;
    };
    const Caso casos[] = {
        {Qt::TabFocusReason, true},      {Qt::BacktabFocusReason, true},  {Qt::MouseFocusReason, true},
        {Qt::ShortcutFocusReason, true}, {Qt::OtherFocusReason, false},   {Qt::ActiveWindowFocusReason, false},
        {Qt::PopupFocusReason, false},   {Qt::MenuBarFocusReason, false},
    };
    for (const Caso &c : casos) {
        Montada m;
        m.v.primera->setText(QStringLiteral("mal"));
        m.v.segunda->setFocus(c.motivo);
        EXPECT_EQ(m.v.comprobaciones, 0) << "the check waits for the focus change to end";
        Procesar();
        EXPECT_EQ(m.v.comprobaciones, c.comprueba ? 1 : 0) << c.motivo;
        EXPECT_EQ(m.v.primera->hasFocus(), c.comprueba) << c.motivo;
    }
}

TEST(GuardiaFoco, UnCampoValidoSeDejaIr)
{
    Montada m;
    m.v.primera->setText(QStringLiteral("bien"));
    QTest::keyClick(m.v.primera, Qt::Key_Tab);
    Procesar();
    EXPECT_EQ(m.v.comprobaciones, 1);
    EXPECT_TRUE(m.v.segunda->hasFocus());
}

TEST(GuardiaFoco, ElMensajeNoVuelveADispararLaComprobacion)
{
    Montada m;
    m.v.primera->setText(QStringLiteral("mal"));
    m.v.segunda->setText(QStringLiteral("mal"));
    // While the "message" is up the focus wanders as a box and the user
    // would make it wander; none of it starts another check.
    m.v.alComprobar = [&m] {
        m.v.segunda->setFocus(Qt::ActiveWindowFocusReason);
        m.v.primera->setFocus(Qt::TabFocusReason);
        m.v.segunda->setFocus(Qt::MouseFocusReason);
        Procesar();
    };
    QTest::keyClick(m.v.primera, Qt::Key_Tab);
    Procesar();
    Procesar();
    EXPECT_EQ(m.v.comprobaciones, 1);
    EXPECT_TRUE(m.v.primera->hasFocus());
}

TEST(GuardiaFoco, UnFalloAnulaLasComprobacionesEnCola)
{
    Montada m;
    m.v.primera->setText(QStringLiteral("mal"));
    m.v.segunda->setText(QStringLiteral("mal"));
    // Two quick tabs before the first check could run: the first box fails
    // and gets the focus; the second box is not judged on the way.
    m.v.segunda->setFocus(Qt::TabFocusReason);
    m.v.primera->setFocus(Qt::TabFocusReason);
    Procesar();
    EXPECT_EQ(m.v.comprobaciones, 1);
    EXPECT_TRUE(m.v.primera->hasFocus());

    // Later checks work again.
    m.v.segunda->setText(QString());
    m.v.primera->setText(QStringLiteral("bien"));
    m.v.segunda->setFocus(Qt::TabFocusReason);
    Procesar();
    EXPECT_EQ(m.v.comprobaciones, 2);
    EXPECT_TRUE(m.v.segunda->hasFocus());
}

TEST(GuardiaFoco, CampoOVentanaDestruidosAntesDeComprobar)
{
    {
        Montada m;
        m.v.primera->setText(QStringLiteral("mal"));
        m.v.segunda->setFocus(Qt::TabFocusReason);
        delete m.v.primera;
        m.v.primera = nullptr;
        Procesar();
        EXPECT_EQ(m.v.comprobaciones, 0);
    }
    auto m = std::make_unique<Montada>();
    m->v.primera->setText(QStringLiteral("mal"));
    m->v.segunda->setFocus(Qt::TabFocusReason);
    m.reset();
    Procesar(); // the queued check must not reach a dead window
}

// A refused field the program then takes the focus from (a calculation's
// message pointing elsewhere) is checked again: it cannot be left as it is.
TEST(GuardiaFoco, ElProgramaNoSeLlevaElFocoDeUnCampoRechazado)
{
    Montada m;
    m.v.primera->setText(QStringLiteral("mal"));
    m.v.segunda->setFocus(Qt::MouseFocusReason);
    Procesar();
    ASSERT_TRUE(m.v.primera->hasFocus());
    m.v.segunda->setFocus(Qt::OtherFocusReason);
    Procesar();
    EXPECT_EQ(m.v.comprobaciones, 2);
    EXPECT_TRUE(m.v.primera->hasFocus());

    // Put right and left, it is no longer watched that way.
    m.v.primera->setText(QStringLiteral("bien"));
    m.v.segunda->setFocus(Qt::TabFocusReason);
    Procesar();
    m.v.primera->setText(QStringLiteral("mal"));
    m.v.primera->setFocus(Qt::OtherFocusReason);
    m.v.segunda->setFocus(Qt::OtherFocusReason);
    Procesar();
    EXPECT_EQ(m.v.comprobaciones, 3);
    EXPECT_TRUE(m.v.segunda->hasFocus());
}
