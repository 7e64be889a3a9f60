#include "tests/support/Ventana.h"
#include "widgets/Lanzador.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A window kind that counts how often its load step ran.
struct Tipo {
    QString clase;
    int creadas = 0;

    QWidget *Abrir()
    {
        return Lanzador::Abrir(clase, [this] {
            ++creadas;
            auto *ventana = new QWidget;
            ventana->setObjectName(clase);
            ventana->resize(200, 100);
            return ventana;
        });
    }
};

// Runs the program's event loop and tells whether it ended by itself (rather
// than by the guard, after five seconds).
bool TerminaSolo()
{
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guarda.start(5000);
    return QApplication::exec() == 0;
}

class LanzadorTest : public ::testing::Test {
protected:
    void TearDown() override { CerrarVentanas(); }
};

} // namespace

TEST_F(LanzadorTest, UnaVentanaDeCadaClaseQueSeTraeAlFrente)
{
    Tipo temperatura{QStringLiteral("VentanaA")};
    Tipo presion{QStringLiteral("VentanaB")};

    QWidget *primera = temperatura.Abrir();
    ASSERT_NE(primera, nullptr);
    EXPECT_TRUE(primera->isVisible());
    EXPECT_EQ(primera->parentWidget(), nullptr);
    EXPECT_TRUE(primera->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(primera->isModal());

    QWidget *otra = presion.Abrir();
    ASSERT_TRUE(QTest::qWaitForWindowActive(otra));

    // Choosing the entry again raises the open window instead of making a
    // second one.
    EXPECT_EQ(temperatura.Abrir(), primera);
    EXPECT_EQ(temperatura.creadas, 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(primera));
    EXPECT_EQ(Lanzador::Abierta(QStringLiteral("VentanaA")), primera);
}

TEST_F(LanzadorTest, TrasCerrarlaSeCreaDeNuevo)
{
    Tipo tipo{QStringLiteral("VentanaA")};
    QPointer<QWidget> primera = tipo.Abrir();
    primera->close();
    // Closed but not yet deleted: it no longer counts as open.
    EXPECT_EQ(Lanzador::Abierta(QStringLiteral("VentanaA")), nullptr);
    QWidget *segunda = tipo.Abrir();
    EXPECT_NE(segunda, primera.data());
    EXPECT_EQ(tipo.creadas, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(primera.isNull());
    EXPECT_EQ(Lanzador::Abierta(QStringLiteral("VentanaA")), segunda);
}

TEST_F(LanzadorTest, CerrarUnaNoCierraLasDemas)
{
    Tipo tabla{QStringLiteral("VentanaA")};
    Tipo herramienta{QStringLiteral("VentanaB")};
    QWidget *principal = tabla.Abrir();
    QPointer<QWidget> abierta = herramienta.Abrir();
    principal->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(abierta.isNull());
    EXPECT_TRUE(abierta->isVisible());
}

TEST_F(LanzadorTest, UnaVentanaMinimizadaVuelve)
{
    Tipo tipo{QStringLiteral("VentanaA")};
    QWidget *ventana = tipo.Abrir();
    ventana->showMinimized();
    EXPECT_EQ(tipo.Abrir(), ventana);
    EXPECT_FALSE(ventana->isMinimized());
}

TEST_F(LanzadorTest, UnaFabricaSinVentanaNoRompeNada)
{
    EXPECT_EQ(Lanzador::Abrir(QStringLiteral("Nada"), [] { return nullptr; }), nullptr);
    EXPECT_EQ(Lanzador::Abierta(QStringLiteral("Nada")), nullptr);
}

TEST_F(LanzadorTest, CerrarTodoCierraTambienLoQueNoAbrio)
{
    Tipo a{QStringLiteral("VentanaA")};
    Tipo b{QStringLiteral("VentanaB")};
    QPointer<QWidget> va = a.Abrir();
    QPointer<QWidget> vb = b.Abrir();
    QPointer<QWidget> suelta = new QWidget;
    suelta->setAttribute(Qt::WA_DeleteOnClose);
    suelta->show();

    Lanzador::CerrarTodo();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(va.isNull());
    EXPECT_TRUE(vb.isNull());
    EXPECT_TRUE(suelta.isNull());
    EXPECT_EQ(Lanzador::Abierta(QStringLiteral("VentanaA")), nullptr);
}

TEST_F(LanzadorTest, ElProgramaTerminaConSuUltimaVentana)
{
    Tipo a{QStringLiteral("VentanaA")};
    Tipo b{QStringLiteral("VentanaB")};
    QWidget *va = a.Abrir();
    QWidget *vb = b.Abrir();
    QTimer::singleShot(0, va, [va] { va->close(); });
    QTimer::singleShot(20, vb, [vb] { vb->close(); });
    EXPECT_TRUE(TerminaSolo());
}

TEST_F(LanzadorTest, CerrarTodoTerminaElPrograma)
{
    Tipo a{QStringLiteral("VentanaA")};
    Tipo b{QStringLiteral("VentanaB")};
    a.Abrir();
    b.Abrir();
    QTimer::singleShot(0, qApp, &Lanzador::CerrarTodo);
    EXPECT_TRUE(TerminaSolo());
}
