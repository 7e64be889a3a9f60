#include "shell/Ventanas.h"
#include "widgets/Mensajes.h"

#include <QApplication>
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
