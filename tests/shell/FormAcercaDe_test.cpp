#include "shell/FormAcercaDe.h"
#include "tests/support/Ventana.h"
#include "widgets/IconoAplicacion.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>

TEST(FormAcercaDe, ElAcercaDe)
{
    Abierta<FormAcercaDe> abierta;
    FormAcercaDe *acerca = &abierta.ventana;
    EXPECT_EQ(acerca->objectName(), QStringLiteral("FormAcercaDe"));
    EXPECT_EQ(acerca->windowTitle(), QStringLiteral(" Acerca de Orvella"));
    EXPECT_TRUE(acerca->isModal());
    EXPECT_EQ(acerca->size(), QSize(800, 600));
    EXPECT_TRUE(acerca->findChildren<QAbstractButton *>().isEmpty());

    struct Caso {
        const char *nombre;
        const char *familia;
        double puntos;
        bool negrita;
        QColor color;
    };
    const Caso casos[] = {
        {"Label1", "Times New Roman", 21.75, true, {128, 255, 255}},
        {"Label2", "Comic Sans MS", 18, false, {255, 255, 128}},
        {"Label3", "Arial", 9.75, true, {255, 255, 0}},
    };
    for (const Caso &caso : casos) {
        auto *etiqueta = acerca->findChild<QLabel *>(QString::fromLatin1(caso.nombre));
        ASSERT_NE(etiqueta, nullptr) << caso.nombre;
        EXPECT_EQ(etiqueta->font().family(), QString::fromLatin1(caso.familia));
        EXPECT_DOUBLE_EQ(etiqueta->font().pointSizeF(), caso.puntos) << caso.nombre;
        EXPECT_EQ(etiqueta->font().bold(), caso.negrita) << caso.nombre;
        EXPECT_EQ(etiqueta->palette().color(QPalette::WindowText), caso.color) << caso.nombre;
        // One line that fits.
        EXPECT_LE(QFontMetrics(etiqueta->font()).horizontalAdvance(etiqueta->text()), etiqueta->width()) << caso.nombre;
        EXPECT_TRUE(acerca->rect().contains(etiqueta->geometry())) << caso.nombre;
    }
    EXPECT_EQ(acerca->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Orvella"));
    EXPECT_EQ(acerca->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("versión 3.0"));
    EXPECT_FALSE(acerca->findChild<QLabel *>(QStringLiteral("Label3"))->text().isEmpty());

    auto *carta = acerca->findChild<QLabel *>(QStringLiteral("Image11"));
    auto *circulo = acerca->findChild<QLabel *>(QStringLiteral("Shape1"));
    ASSERT_NE(carta, nullptr);
    ASSERT_NE(circulo, nullptr);
    EXPECT_FALSE(carta->isHidden());
    EXPECT_EQ(carta->pixmap().size(), QSize(32, 32));
    EXPECT_TRUE(circulo->geometry().contains(carta->geometry()));
}

TEST(FormAcercaDe, LaAnimacionDelAcercaDe)
{
    Abierta<FormAcercaDe> abierta;
    FormAcercaDe *acerca = &abierta.ventana;
    std::array<QLabel *, 10> imagenes{};
    for (int i = 0; i < 10; ++i) {
        imagenes[static_cast<std::size_t>(i)] = acerca->findChild<QLabel *>(QStringLiteral("Image%1").arg(i + 1));
        QLabel *imagen = imagenes[static_cast<std::size_t>(i)];
        ASSERT_NE(imagen, nullptr) << i + 1;
        EXPECT_TRUE(imagen->isHidden()) << i + 1;
        EXPECT_EQ(imagen->geometry(), imagenes[0]->geometry());
        EXPECT_EQ(imagen->pixmap().size(), QSize(32, 32));
        // Image<n> holds frame n - 1 of the drawing.
        EXPECT_EQ(imagen->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), DibujarAtomo(i))
            << i + 1;
    }
    auto *reloj = acerca->findChild<QTimer *>(QStringLiteral("Timer2"));
    ASSERT_NE(reloj, nullptr);
    EXPECT_EQ(reloj->interval(), 150);
    EXPECT_TRUE(reloj->isActive());
    EXPECT_FALSE(reloj->isSingleShot());

    // Two full turns and a bit: exactly one frame shows, in order.
    for (int tic = 0; tic < 23; ++tic) {
        Disparar(reloj);
        const int esperada = tic % 10;
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(!imagenes[static_cast<std::size_t>(i)]->isHidden(), i == esperada)
                << "tick " << tic << ", Image" << i + 1;
    }
}
