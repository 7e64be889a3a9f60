// Writes the application icon for the desktop's icon theme from the same
// drawing as the window icon: a scalable SVG and PNGs from 16 to 256 pixels.
// Usage: orvella_icono <folder> <icon name>
// writes <folder>/scalable/apps/<name>.svg and <folder>/<N>x<N>/apps/<name>.png.

#include "widgets/IconoAplicacion.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool Carpeta(const QString &ruta)
{
    if (QDir().mkpath(ruta))
        return true;
    std::fprintf(stderr, "orvella_icono: cannot create %s\n", qPrintable(ruta));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: orvella_icono <folder> <icon name>\n", stderr);
        return 2;
    }
    const QString raiz = QString::fromLocal8Bit(argv[1]);
    const QString nombre = QString::fromLocal8Bit(argv[2]);

    const QString escalable = raiz + QStringLiteral("/scalable/apps");
    if (!Carpeta(escalable))
        return 1;
    QSvgGenerator svg;
    svg.setFileName(escalable + u'/' + nombre + QStringLiteral(".svg"));
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(QStringLiteral("Orvella"));
    {
        QPainter p(&svg);
        PintarIcono(p);
    }

    for (int lado : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString carpeta = raiz + QStringLiteral("/%1x%1/apps").arg(lado);
        if (!Carpeta(carpeta))
            return 1;
        QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
        imagen.fill(Qt::transparent);
        {
            QPainter p(&imagen);
            p.scale(lado / 32.0, lado / 32.0);
            PintarIcono(p);
        }
        const QString ruta = carpeta + u'/' + nombre + QStringLiteral(".png");
        if (!imagen.save(ruta)) {
            std::fprintf(stderr, "orvella_icono: cannot write %s\n", qPrintable(ruta));
            return 1;
        }
    }
    return 0;
}
