#include "converters/FormEnergia.h"
#include "converters/FormPresion.h"
#include "converters/FormTemperatura.h"
#include "converters/conversiones.h"
#include "widgets/Mensajes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// The last key of `texto` typed into a box of a shown window: the press
// (emptying the other boxes, filtering, inserting) and the release
// (converting and rewriting them), both through the window's event filter.
// Each round first puts back the text typed before that key.
template <class Ventana>
void TeclearUltima(benchmark::State &estado, const char *caja, const char *texto, const char *queda = nullptr)
{
    Ventana ventana;
    ventana.show();
    auto *c = ventana.template findChild<QLineEdit *>(QString::fromLatin1(caja));
    const QString todo = QString::fromLatin1(texto);
    const QString antes = todo.chopped(1);
    const QString ultima = todo.right(1);
    for (auto _ : estado) {
        c->setText(antes);
        QKeyEvent pulsar(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, ultima);
        QApplication::sendEvent(c, &pulsar);
        QKeyEvent soltar(QEvent::KeyRelease, Qt::Key_0, Qt::NoModifier, ultima);
        QApplication::sendEvent(c, &soltar);
    }
    if (c->text() != (queda != nullptr ? QString::fromLatin1(queda) : todo))
        estado.SkipWithError("the key did not reach the box");
}

void BM_TemperaturaTecla(benchmark::State &estado)
{
    TeclearUltima<FormTemperatura>(estado, "TextC", "36,6");
}
BENCHMARK(BM_TemperaturaTecla);

// The longest path: a snap to absolute zero, its (silenced) message and the rewrites.
void BM_TemperaturaCeroAbsoluto(benchmark::State &estado)
{
    const ManejadorMensajes anterior =
        InstalarManejadorMensajes([](QWidget *, const QString &, const QString &, Icono) {});
    TeclearUltima<FormTemperatura>(estado, "TextC", "-300", "-273,15");
    InstalarManejadorMensajes(anterior);
}
BENCHMARK(BM_TemperaturaCeroAbsoluto);

void BM_PresionTecla(benchmark::State &estado)
{
    TeclearUltima<FormPresion>(estado, "TextBar", "1");
}
BENCHMARK(BM_PresionTecla);

void BM_EnergiaTecla(benchmark::State &estado)
{
    TeclearUltima<FormEnergia>(estado, "TexteV", "1");
}
BENCHMARK(BM_EnergiaTecla);

void BM_ReglasPresion(benchmark::State &estado)
{
    double x = 1;
    for (auto _ : estado) {
        const double atm = Calculos::AAtmosferas(Calculos::UnidadPresion::Bar, x);
        for (Calculos::UnidadPresion u : Calculos::OrdenPresion(Calculos::UnidadPresion::Bar))
            benchmark::DoNotOptimize(Calculos::DesdeAtmosferas(u, atm));
        x += 1e-3;
    }
}
BENCHMARK(BM_ReglasPresion);

} // namespace
