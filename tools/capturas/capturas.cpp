// Renders every window of the program to docs/screenshots/<ClassName>.png on
// the offscreen platform, so the pictures in the documentation stay true.
// Usage: orvella_capturas [output folder] [device pixel ratio]
// With a ratio of 2 the windows are drawn as on a screen of twice the
// density (QT_SCALE_FACTOR), every picture at that density.

#include "shell/Ventanas.h"
#include "widgets/Azar.h"
#include "widgets/Fecha.h"
#include "widgets/Procesador.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

// Lets timers run for a moment, so that animations show a frame.
void Esperar(int ms)
{
    QElapsedTimer reloj;
    reloj.start();
    while (reloj.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    LimpiarRegistrosVectoriales();
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setOrganizationName(QStringLiteral("Orvella"));

    // The same game dealt and the same day every time, so the pictures change
    // only when a window does.
    InstalarManejadorSemilla([] { return 1U; });
    InstalarHoy([] { return QDate(2026, 12, 8); });

    const QDir carpeta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    if (!QDir().mkpath(carpeta.path())) {
        std::fprintf(stderr, "orvella_capturas: cannot create %s\n", qPrintable(carpeta.path()));
        return 1;
    }
    int fallos = 0;
    for (const FichaVentana &ficha : ListaVentanas()) {
        std::unique_ptr<QWidget> ventana(ficha.crear());
        ventana->show();
        Esperar(250);
        const qreal escala = ventana->devicePixelRatioF();
        QImage imagen(ventana->size() * escala, QImage::Format_ARGB32_Premultiplied);
        imagen.setDevicePixelRatio(escala);
        imagen.fill(Qt::transparent);
        // A shaped window shows only what its mask lets through.
        ventana->render(&imagen, QPoint(), ventana->mask().isEmpty() ? QRegion() : ventana->mask());
        const QString ruta = carpeta.filePath(ficha.Clase() + QStringLiteral(".png"));
        if (imagen.save(ruta)) {
            std::printf("%s\n", qPrintable(ruta));
        } else {
            std::fprintf(stderr, "orvella_capturas: cannot write %s\n", qPrintable(ruta));
            ++fallos;
        }
    }
    return fallos == 0 ? 0 : 1;
}
