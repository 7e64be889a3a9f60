#include "shell/FormPresentacion.h"
#include "tests/support/Ventana.h"
#include "widgets/Lanzador.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(FormPresentacion, LaPresentacion)
{
    DeLaLista abierta(QStringLiteral("FormPresentacion"));
    QPointer<FormPresentacion> splash = qobject_cast<FormPresentacion *>(abierta.ventana());
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

TEST(FormPresentacion, LaPresentacionEsUnOvalo)
{
    DeLaLista abierta(QStringLiteral("FormPresentacion"));
    QPointer<FormPresentacion> splash = qobject_cast<FormPresentacion *>(abierta.ventana());
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

TEST(FormPresentacion, LaPresentacionDaPasoALaTablaYSeVa)
{
    DeLaLista abierta(QStringLiteral("FormPresentacion"));
    QPointer<FormPresentacion> splash = qobject_cast<FormPresentacion *>(abierta.ventana());
    EXPECT_TRUE(Abiertas(QStringLiteral("FormPrincipal")).isEmpty());

    Disparar(splash->findChild<QTimer *>(QStringLiteral("Timer1")));
    ASSERT_EQ(Abiertas(QStringLiteral("FormPrincipal")).size(), 1);
    EXPECT_TRUE(Abiertas(QStringLiteral("FormPresentacion")).isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    EXPECT_EQ(Abiertas(QStringLiteral("FormPrincipal")).size(), 1);
}

TEST(FormPresentacion, DelArranqueAlCierre)
{
    // The whole run: splash, table after its tick, "Cerrar" ends the loop.
    DeLaLista abierta(QStringLiteral("FormPresentacion"));
    QPointer<FormPresentacion> splash = qobject_cast<FormPresentacion *>(abierta.ventana());
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
