#include "widgets/IconoAplicacion.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <numbers>

void PintarAtomo(QPainter &p, int fotograma)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);

    constexpr double kA = 13.5;
    constexpr double kB = 5.0;
    const double paso = 2.0 * std::numbers::pi *
                        (((fotograma % kFotogramasAtomo) + kFotogramasAtomo) % kFotogramasAtomo) / kFotogramasAtomo;
    for (int orbita = 0; orbita < 3; ++orbita) {
        p.save();
        p.rotate(60.0 * orbita);
        p.setPen(QPen(QColor(120, 200, 255), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), kA, kB);
        // Each electron starts a third of a turn after the previous one.
        const double angulo = paso + orbita * 2.0 * std::numbers::pi / 3.0;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 120));
        p.drawEllipse(QPointF(kA * std::cos(angulo), kB * std::sin(angulo)), 2.2, 2.2);
        p.restore();
    }
    QRadialGradient nucleo(QPointF(-1, -1), 4.0);
    nucleo.setColorAt(0.0, QColor(255, 190, 170));
    nucleo.setColorAt(1.0, QColor(200, 30, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(nucleo);
    p.drawEllipse(QPointF(0, 0), 3.5, 3.5);
    p.restore();
}

QImage DibujarAtomo(int fotograma, qreal escala)
{
    const int lado = qRound(32 * escala);
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    imagen.setDevicePixelRatio(escala);
    QPainter p(&imagen);
    PintarAtomo(p, fotograma);
    return imagen;
}

void PintarIcono(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(QPointF(0, 1), QPointF(0, 31));
    fondo.setColorAt(0.0, QColor(20, 30, 150));
    fondo.setColorAt(1.0, QColor(0, 0, 90));
    p.setPen(QPen(QColor(0, 0, 40), 1.0));
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    // A little smaller, so that the electrons stay on the tile.
    p.translate(16, 16);
    p.scale(0.8, 0.8);
    p.translate(-16, -16);
    PintarAtomo(p, 0);
    p.restore();
}

QIcon IconoAplicacion()
{
    QIcon icono;
    for (int lado : {16, 32, 48}) {
        QPixmap imagen(lado, lado);
        imagen.fill(Qt::transparent);
        QPainter p(&imagen);
        p.scale(lado / 32.0, lado / 32.0);
        PintarIcono(p);
        p.end();
        icono.addPixmap(imagen);
    }
    return icono;
}
