#include "tools/comun/Captura.h"

#include "platform/Azar.h"
#include "platform/Fecha.h"
#include "platform/Idioma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRegion>
#include <QWidget>

void PrepararProgramaFijo()
{
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setOrganizationName(QStringLiteral("Orvella"));
    InstalarIdioma();
    InstalarManejadorSemilla([] { return 1U; });
    InstalarHoy([] { return QDate(2026, 12, 8); });
}

void Esperar(int ms)
{
    QElapsedTimer reloj;
    reloj.start();
    while (reloj.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool GuardarCaptura(QWidget *ventana, const QString &ruta)
{
    const qreal escala = ventana->devicePixelRatioF();
    QImage imagen(ventana->size() * escala, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::transparent);
    ventana->render(&imagen, QPoint(), ventana->mask().isEmpty() ? QRegion() : ventana->mask());
    return imagen.save(ruta);
}
