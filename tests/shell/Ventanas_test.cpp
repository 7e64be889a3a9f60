#include "shell/Ventanas.h"
#include "table/FormPrincipal.h"
#include "tests/support/Ventana.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString Caption(const char *titulo, int blancos, int finales = 0)
{
    return QString::fromUtf8(titulo) + QString(blancos, u' ') + QStringLiteral("Orvella") + QString(finales, u' ');
}

// Every window the program has, with its caption as the user sees it.
const QHash<QString, QString> &Captions()
{
    static const QHash<QString, QString> captions{
        {"FormPresentacion", "Orvella"},
        {"FormPrincipal", " Orvella"},
        {"FormAcercaDe", " Acerca de Orvella"},
        {"FormCalculadoraMolar", Caption("Calculadora molar", 28)},
        {"FormDisoluciones", Caption("Disoluciones", 38)},
        {"FormRendimiento", Caption("Rendimiento de reacción", 21)},
        {"FormDecay", Caption("Decaimiento radiactivo", 43)},
        {"FormEcCuadratica", Caption("Ecuación cuadrática", 22)},
        {"FormEcuaciones", Caption("Ajustar ecuaciones", 22)},
        {"FormTemperatura", Caption("Unidades de temperatura", 23)},
        {"FormPresion", Caption("Unidades de presión", 31)},
        {"FormEnergia", Caption("Unidades de energía", 27, 30)},
        {"FormFormulacion", Caption("Formulación", 22)},
        {"FormPracticaFormulacion", Caption("Practicar formulación", 22)},
        {"FormPuzle", Caption("Puzle - Tabla periódica completa", 89)},
        {"FormPuzle2", Caption("Puzle-Tabla periódica 75 elementos", 80)},
        {"FormFinTabla", "      ¡Felicidades!"},
        {"FormFicha", Caption("Ficha del elemento", 10)},
        {"FormPropiedades", Caption("Propiedades periódicas", 10)},
    };
    return captions;
}

} // namespace

TEST(ListaDeVentanas, CadaVentanaSeAbreConSuNombreYSuTitulo)
{
    QSet<QString> vistas;
    for (const FichaVentana &ficha : ListaVentanas()) {
        const QString clase = ficha.Clase();
        SCOPED_TRACE(clase.toStdString());
        EXPECT_FALSE(vistas.contains(clase)) << "listed twice";
        vistas.insert(clase);
        ASSERT_TRUE(Captions().contains(clase)) << "a window without its expected caption here";

        DeLaLista abierta(clase);
        ASSERT_NE(abierta.ventana(), nullptr);
        EXPECT_EQ(abierta.ventana()->metaObject(), ficha.clase);
        EXPECT_EQ(abierta.ventana()->objectName(), clase);
        EXPECT_EQ(abierta.ventana()->windowTitle(), Captions().value(clase));
        EXPECT_TRUE(abierta.ventana()->isVisible());
    }
    EXPECT_EQ(vistas.size(), Captions().size());
    EXPECT_EQ(AbrirVentana(QStringLiteral("FormQueNoExiste")), nullptr);
}

TEST(ListaDeVentanas, SuEntradaDelMenuLaAbre)
{
    int conEntrada = 0;
    for (const FichaVentana &ficha : ListaVentanas()) {
        if (ficha.entrada == nullptr)
            continue;
        ++conEntrada;
        const QString clase = ficha.Clase();
        SCOPED_TRACE(clase.toStdString());
        DeLaLista tabla(QStringLiteral("FormPrincipal"));
        auto *accion = tabla.control<QAction>(QString::fromUtf8(ficha.entrada));
        ASSERT_NE(accion, nullptr);
        EXPECT_TRUE(accion->isEnabled());
        EXPECT_TRUE(Abiertas(clase).isEmpty());
        accion->trigger();
        ASSERT_EQ(Abiertas(clase).size(), 1);
        EXPECT_EQ(Abiertas(clase).first()->metaObject(), ficha.clase);
    }
    EXPECT_GE(conEntrada, 5);
}

namespace {

// The program's own timers that are running, in every window and beside them.
QStringList RelojesEnMarcha()
{
    QList<QTimer *> relojes = QCoreApplication::instance()->findChildren<QTimer *>();
    for (QWidget *w : QApplication::topLevelWidgets())
        relojes += w->findChildren<QTimer *>();
    QStringList enMarcha;
    for (const QTimer *reloj : relojes)
        if (reloj->isActive())
            enMarcha << reloj->objectName();
    return enMarcha;
}

} // namespace

TEST(ListaDeVentanas, EnReposoNoCorreNingunReloj)
{
    // Start-up: the splash's timer hands over to the table and stops.
    DeLaLista splash(QStringLiteral("FormPresentacion"));
    EXPECT_EQ(RelojesEnMarcha(), QStringList{QStringLiteral("Timer1")});
    Disparar(splash.control<QTimer>(QStringLiteral("Timer1")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Abiertas(QStringLiteral("FormPrincipal")).size(), 1);
    EXPECT_TRUE(RelojesEnMarcha().isEmpty()) << RelojesEnMarcha().join(u' ').toStdString();

    // Every window opened from the menu and closed again leaves nothing running.
    QWidget *tabla = Abiertas(QStringLiteral("FormPrincipal")).first();
    for (const FichaVentana &ficha : ListaVentanas()) {
        if (ficha.entrada == nullptr)
            continue;
        tabla->findChild<QAction *>(QString::fromUtf8(ficha.entrada))->trigger();
        ASSERT_EQ(Abiertas(ficha.Clase()).size(), 1) << ficha.entrada;
        Abiertas(ficha.Clase()).first()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(RelojesEnMarcha().isEmpty()) << ficha.entrada << ": " << RelojesEnMarcha().join(u' ').toStdString();
    }
}
