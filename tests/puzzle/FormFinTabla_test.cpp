#include "puzzle/FormFinTabla.h"
#include "tests/puzzle/Puzles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(FormFinTabla, SinArchivoDeSonidoSeAbreEnSeguida)
{
    ASSERT_FALSE(QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/tada.wav")));
    QElapsedTimer reloj;
    reloj.start();
    FormFinTabla fin;
    fin.show();
    while (!fin.isVisible() && reloj.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(fin.isVisible() && fin.isModal());
    auto *imagen = fin.findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(imagen, nullptr);
    EXPECT_EQ(imagen->pixmap().size(), QSize(177, 209));
}

TEST(FormFinTabla, ParaLosCronometrosDeLosDosPuzles)
{
    EntornoPuzle entorno;
    PuzleAbierto<FormPuzle> completo;
    PuzleAbierto<FormPuzle2> reducido;
    completo.Jugar("a");
    reducido.Jugar("a");
    ASSERT_TRUE(completo.Reloj()->isActive() && reducido.Reloj()->isActive());

    // The reduced game ends while the other goes on.
    reducido.Terminar();
    EXPECT_EQ(entorno.finales, 1);
    EXPECT_FALSE(completo.Reloj()->isActive());
    EXPECT_FALSE(reducido.Reloj()->isActive());
    // Its start button, still enabled, no longer starts it.
    ASSERT_TRUE(completo.control<QPushButton>(QStringLiteral("CommandStart"))->isEnabled());
    completo.Jugar("a");
    EXPECT_FALSE(completo.Reloj()->isActive());
}

// How the fanfare of a finished puzzle ends: the library says so, the time
// limit passes, or the completion window is gone first.
enum class FinFanfarria { Termina, Tope, Cerrada };

class Fanfarria : public ::testing::TestWithParam<FinFanfarria> {};

TEST_P(Fanfarria, LaVentanaSeAbreTrasElSonidoYEntretantoTodoSigueVivo)
{
    EntornoPuzle entorno;
    entorno.sonidos.retener = true;
    PuzleAbierto<FormPuzle> otro;
    PuzleAbierto<FormPuzle2> puzle;
    puzle.Jugar("a");
    for (int i = 0; i < Calculos::ElementosDe(puzle.kTablero); ++i)
        puzle.Jugar("c");

    // The last click has returned while the fanfare plays: nothing shows or
    // blocks yet, the time is the one of the last element, and the other
    // window takes clicks.
    auto *fin = puzle.ventana.findChild<FormFinTabla *>();
    ASSERT_NE(fin, nullptr);
    EXPECT_EQ(entorno.sonidos.rutas.size(), 1);
    EXPECT_FALSE(fin->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(puzle.Reloj()->isActive());
    otro.Jugar("a");
    EXPECT_TRUE(otro.Reloj()->isActive());

    switch (GetParam()) {
    case FinFanfarria::Termina:
        entorno.sonidos.Terminar();
        break;
    case FinFanfarria::Tope:
        Disparar(fin->findChild<QTimer *>(QStringLiteral("TopeSonido")));
        break;
    case FinFanfarria::Cerrada:
        delete fin;
        entorno.sonidos.Terminar();
        break;
    }
    const bool abierta = GetParam() != FinFanfarria::Cerrada;
    EXPECT_EQ(entorno.finales, abierta ? 1 : 0);
    EXPECT_EQ(otro.Reloj()->isActive(), !abierta);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(puzle.control<QWidget>(QStringLiteral("FrameMejorMarca"))->isVisible(), abierta);
}

INSTANTIATE_TEST_SUITE_P(FormFinTabla, Fanfarria,
                         ::testing::Values(FinFanfarria::Termina, FinFanfarria::Tope, FinFanfarria::Cerrada));
