#include "puzzle/FormFinTabla.h"
#include "tests/puzzle/Puzles.h"

#include <QCoreApplication>
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
    EXPECT_LT(reloj.elapsed(), 1000);
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
