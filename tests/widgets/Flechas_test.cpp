#include "tests/support/Ventana.h"
#include "widgets/Flechas.h"

#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Each message box stays up a moment, as long as the user takes to read it.
class LectorLento : public QObject {
public:
    LectorLento() { QCoreApplication::instance()->installEventFilter(this); }
    int vistas = 0;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Show) {
            if (auto *caja = qobject_cast<QMessageBox *>(objeto)) {
                ++vistas;
                QTimer::singleShot(30, caja, &QMessageBox::accept);
            }
        }
        return false;
    }
};

} // namespace

// A held arrow repeats; a step that shows a message box must not get another
// box stacked over it by the repeats that keep coming while it is open.
TEST(Flechas, SostenidaNoApilaMensajes)
{
    QWidget ventana;
    Flechas flechas(&ventana);
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    QToolButton *arriba = flechas.Arriba();
    arriba->setAutoRepeatDelay(1);
    arriba->setAutoRepeatInterval(1);

    int pasos = 0;
    QObject::connect(&flechas, &Flechas::subir, [&pasos, &ventana] {
        // Bounded, so that a failure does not nest boxes for ever.
        if (++pasos < 5)
            MostrarMensaje(&ventana, QStringLiteral("Valor máximo 999999."), QStringLiteral("Error"), Icono::Error);
    });
    LectorLento lector;
    QTest::mousePress(arriba, Qt::LeftButton);
    // The first step, however loaded the machine; then time for twenty
    // repeats that must not come.
    ASSERT_TRUE(QTest::qWaitFor([&pasos] { return pasos > 0; }));
    QTest::qWait(20);
    EXPECT_EQ(pasos, 1);
    EXPECT_EQ(lector.vistas, 1);
    EXPECT_FALSE(arriba->isDown());
    QTest::mouseRelease(arriba, Qt::LeftButton);
}
