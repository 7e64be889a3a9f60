#include "shell/Dibujos.h"
#include "shell/FormAcercaDe.h"
#include "shell/FormPresentacion.h"
#include "table/FormPrincipal.h"
#include "widgets/Lanzador.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

void CerrarVentanas()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Fires a timer's tick now instead of waiting for it.
void Disparar(QTimer *reloj)
{
    ASSERT_NE(reloj, nullptr);
    ASSERT_TRUE(QMetaObject::invokeMethod(reloj, "timeout"));
}

QList<QWidget *> Abiertas(const QString &clase)
{
    QList<QWidget *> lista;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == clase && w->isVisible())
            lista << w;
    return lista;
}

class ShellTest : public ::testing::Test {
protected:
    void TearDown() override { CerrarVentanas(); }
};

} // namespace

TEST_F(ShellTest, LaPresentacion)
{
    QPointer<FormPresentacion> splash = Lanzador::Abrir<FormPresentacion>();
    EXPECT_EQ(splash->objectName(), QStringLiteral("FormPresentacion"));
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Orvella"));
    EXPECT_EQ(splash->size(), QSize(425, 319));
    auto *titulo = splash->findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(titulo, nullptr);
    EXPECT_EQ(titulo->text(), QStringLiteral("Orvella"));
    EXPECT_EQ(titulo->font().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(titulo->font().pointSizeF(), 48.0);
    EXPECT_EQ(titulo->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    EXPECT_TRUE(splash->rect().contains(titulo->geometry()));
    EXPECT_LE(QFontMetrics(titulo->font()).horizontalAdvance(titulo->text()), titulo->width());

    auto *reloj = splash->findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(reloj, nullptr);
    EXPECT_TRUE(reloj->isActive());
    EXPECT_TRUE(reloj->isSingleShot());
    EXPECT_EQ(reloj->interval(), 1400);
    EXPECT_GT(reloj->remainingTime(), 1000);
}

TEST_F(ShellTest, LaPresentacionEsUnOvalo)
{
    QPointer<FormPresentacion> splash = Lanzador::Abrir<FormPresentacion>();
    const QRegion ovalo(QRect(0, 0, 425, 319), QRegion::Ellipse);
    EXPECT_EQ(splash->mask(), ovalo);
    // Corners out, centre and the middle of each side in.
    for (const QPoint fuera : {QPoint(2, 2), QPoint(422, 2), QPoint(2, 316), QPoint(422, 316)})
        EXPECT_FALSE(splash->mask().contains(fuera)) << fuera.x() << "," << fuera.y();
    for (const QPoint dentro : {QPoint(212, 159), QPoint(212, 2), QPoint(2, 159), QPoint(422, 159), QPoint(212, 316)})
        EXPECT_TRUE(splash->mask().contains(dentro)) << dentro.x() << "," << dentro.y();

    // Becoming active again puts the shape back.
    splash->clearMask();
    QEvent activa(QEvent::WindowActivate);
    QApplication::sendEvent(splash, &activa);
    EXPECT_EQ(splash->mask(), ovalo);
}

TEST_F(ShellTest, LaPresentacionDaPasoALaTablaYSeVa)
{
    QPointer<FormPresentacion> splash = Lanzador::Abrir<FormPresentacion>();
    EXPECT_TRUE(Abiertas(QStringLiteral("FormPrincipal")).isEmpty());

    Disparar(splash->findChild<QTimer *>(QStringLiteral("Timer1")));
    ASSERT_EQ(Abiertas(QStringLiteral("FormPrincipal")).size(), 1);
    EXPECT_TRUE(Abiertas(QStringLiteral("FormPresentacion")).isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    EXPECT_EQ(Abiertas(QStringLiteral("FormPrincipal")).size(), 1);
}

TEST_F(ShellTest, DelArranqueAlCierre)
{
    // The whole run: splash, table after its tick, "Cerrar" ends the loop.
    QPointer<FormPresentacion> splash = Lanzador::Abrir<FormPresentacion>();
    QTimer::singleShot(0, qApp, [splash] {
        if (splash)
            Disparar(splash->findChild<QTimer *>(QStringLiteral("Timer1")));
    });
    QTimer::singleShot(30, qApp, [] {
        if (QWidget *tabla = Lanzador::Abierta(QStringLiteral("FormPrincipal")))
            tabla->findChild<QAction *>(QStringLiteral("Cerrar"))->trigger();
    });
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guarda.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(splash.isNull());
    EXPECT_EQ(Lanzador::Abierta(QStringLiteral("FormPrincipal")), nullptr);
}

TEST_F(ShellTest, ElAcercaDe)
{
    auto acerca = std::make_unique<FormAcercaDe>();
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

TEST_F(ShellTest, LaAnimacionDelAcercaDe)
{
    auto acerca = std::make_unique<FormAcercaDe>();
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

TEST(Dibujos, TamanosYSiempreIguales)
{
    EXPECT_EQ(DibujarOndas().size(), QSize(425, 319));
    EXPECT_EQ(DibujarGalaxia().size(), QSize(800, 600));
    EXPECT_EQ(DibujarCarta().size(), QSize(32, 32));
    EXPECT_EQ(DibujarOndas(), DibujarOndas());
    EXPECT_EQ(DibujarGalaxia(), DibujarGalaxia());
    // Each frame moves the electrons: no two frames alike, and the tenth
    // step comes back to the first frame.
    for (int a = 0; a < kFotogramasAtomo; ++a) {
        EXPECT_EQ(DibujarAtomo(a).size(), QSize(32, 32));
        for (int b = a + 1; b < kFotogramasAtomo; ++b)
            EXPECT_NE(DibujarAtomo(a), DibujarAtomo(b)) << a << " " << b;
    }
    EXPECT_EQ(DibujarAtomo(10), DibujarAtomo(0));
}
