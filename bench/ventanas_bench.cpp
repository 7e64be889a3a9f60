#include "shell/Ventanas.h"
#include "widgets/Mensajes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Opening a window as the menu does: its load step, showing it and its first
// paint, then closing it. The windows the program opens by itself (the
// splash, the table) are measured by bench/startup.sh instead.
void BM_AbrirVentana(benchmark::State &estado, const FichaVentana &ficha)
{
    const ManejadorMensajes anterior =
        InstalarManejadorMensajes([](QWidget *, const QString &, const QString &, Icono) {});
    for (auto _ : estado) {
        std::unique_ptr<QWidget> ventana(ficha.crear());
        ventana->show();
        ventana->repaint();
        estado.PauseTiming();
        ventana.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        estado.ResumeTiming();
    }
    InstalarManejadorMensajes(anterior);
}

const bool kRegistradas = [] {
    for (const FichaVentana &ficha : ListaVentanas()) {
        if (ficha.entrada == nullptr)
            continue;
        const std::string nombre = "BM_AbrirVentana/" + ficha.Clase().toStdString();
        benchmark::RegisterBenchmark(nombre.c_str(), BM_AbrirVentana, ficha)->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace

namespace {

// A key typed into every box of a shown window in turn, as the user types it
// (press and release through the window's filters and handlers), then taken
// back with Backspace: the figure is per key.
void BM_TeclaEnVentana(benchmark::State &estado, const FichaVentana &ficha)
{
    const ManejadorMensajes anterior =
        InstalarManejadorMensajes([](QWidget *, const QString &, const QString &, Icono) {});
    std::unique_ptr<QWidget> ventana(ficha.crear());
    ventana->show();
    QList<QWidget *> cajas;
    for (QWidget *w : ventana->findChildren<QWidget *>()) {
        const bool editable =
            (qobject_cast<QLineEdit *>(w) != nullptr && !qobject_cast<QLineEdit *>(w)->isReadOnly()) ||
            (qobject_cast<QTextEdit *>(w) != nullptr && !qobject_cast<QTextEdit *>(w)->isReadOnly());
        if (editable && w->isVisible() && w->isEnabled())
            cajas << w;
    }
    if (cajas.isEmpty()) {
        estado.SkipWithError("no box to type in");
        return;
    }
    const auto teclear = [](QWidget *caja, Qt::Key tecla, const QString &texto) {
        QKeyEvent pulsar(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
        QApplication::sendEvent(caja, &pulsar);
        QKeyEvent soltar(QEvent::KeyRelease, tecla, Qt::NoModifier, texto);
        QApplication::sendEvent(caja, &soltar);
    };
    qsizetype i = 0;
    for (auto _ : estado) {
        QWidget *caja = cajas[i++ % cajas.size()];
        caja->setFocus();
        teclear(caja, Qt::Key_5, QStringLiteral("5"));
        teclear(caja, Qt::Key_Backspace, QStringLiteral("\b"));
    }
    estado.SetItemsProcessed(2 * estado.iterations());
    estado.counters["boxes"] = static_cast<double>(cajas.size());
    InstalarManejadorMensajes(anterior);
}

const bool kTeclasRegistradas = [] {
    for (const FichaVentana &ficha : ListaVentanas()) {
        if (ficha.entrada == nullptr || ficha.Clase() == QStringLiteral("FormAcercaDe") ||
            ficha.Clase().startsWith(QStringLiteral("FormPuzle")))
            continue;
        const std::string nombre = "BM_TeclaEnVentana/" + ficha.Clase().toStdString();
        benchmark::RegisterBenchmark(nombre.c_str(), BM_TeclaEnVentana, ficha)->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
