// Renders every window of the program to docs/screenshots/<ClassName>.png on
// the offscreen platform, so the pictures in the documentation stay true.
// Usage: orvella_capturas [output folder] [device pixel ratio]
// With a ratio of 2 the windows are drawn as on a screen of twice the
// density (QT_SCALE_FACTOR), every picture at that density.

#include "shell/Ventanas.h"
#include "tools/comun/Captura.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    PrepararProgramaFijo();

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
        const QString ruta = carpeta.filePath(ficha.Clase() + QStringLiteral(".png"));
        if (GuardarCaptura(ventana.get(), ruta)) {
            std::printf("%s\n", qPrintable(ruta));
        } else {
            std::fprintf(stderr, "orvella_capturas: cannot write %s\n", qPrintable(ruta));
            ++fallos;
        }
    }
    return fallos == 0 ? 0 : 1;
}
