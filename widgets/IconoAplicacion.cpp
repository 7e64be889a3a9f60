#include "widgets/IconoAplicacion.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <numbers>

QImage DibujarAtomo(int fotograma)
{
    constexpr int kLado = 32;
    QImage imagen(kLado, kLado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
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
    return imagen;
}

QIcon IconoAplicacion()
{
    QIcon icono;
    for (int lado : {16, 32, 48}) {
        QPixmap imagen(lado, lado);
        imagen.fill(Qt::transparent);
        QPainter p(&imagen);
        p.setRenderHint(QPainter::Antialiasing);
        const double escala = lado / 32.0;
        p.scale(escala, escala);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(0, 0, 120));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
        p.drawImage(QPointF(0, 0), DibujarAtomo(0));
        p.end();
        icono.addPixmap(imagen);
    }
    return icono;
}
