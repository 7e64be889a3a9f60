#include "widgets/IconoAplicacion.h"

#include "core/series.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <numbers>

void PintarAtomo(QPainter &p, int fotograma)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);

    constexpr double kA = 13.5;
    constexpr double kB = 5.0;
    // The electrons' places on their ellipses: each frame moves them a tenth
    // of a turn, and each electron is a third of a turn after the previous
    // one, so they stand at thirtieths of a turn. Worked out by the compiler,
    // so that drawing the icon at start-up does not bring in libm.
    constexpr int kLugares = 3 * kFotogramasAtomo;
    static constexpr auto kElectron = [] {
        std::array<QPointF, kLugares> lugar{};
        for (int n = 0; n < kLugares; ++n) {
            const double angulo = 2.0 * std::numbers::pi * n / kLugares;
            lugar[static_cast<std::size_t>(n)] = {kA * Calculos::Coseno(angulo), kB * Calculos::Seno(angulo)};
        }
        return lugar;
    }();
    // The orbits turned by 0, 60 and 120 degrees.
    static constexpr auto kGiro = [] {
        std::array<std::array<double, 2>, 3> giro{};
        for (std::size_t orbita = 0; orbita < giro.size(); ++orbita) {
            const double angulo = std::numbers::pi / 3.0 * static_cast<double>(orbita);
            giro[orbita] = {Calculos::Coseno(angulo), Calculos::Seno(angulo)};
        }
        return giro;
    }();
    // An orbit is the band between two ellipses a pixel apart, filled: the
    // same line a 1-pixel pen draws, without the pen's stroker and its
    // trigonometry.
    QPainterPath orbitaDibujada;
    orbitaDibujada.addEllipse(QPointF(0, 0), kA + 0.5, kB + 0.5);
    orbitaDibujada.addEllipse(QPointF(0, 0), kA - 0.5, kB - 0.5);
    const int cuadro = ((fotograma % kFotogramasAtomo) + kFotogramasAtomo) % kFotogramasAtomo;
    p.setPen(Qt::NoPen);
    for (int orbita = 0; orbita < 3; ++orbita) {
        const auto &[coseno, seno] = kGiro[static_cast<std::size_t>(orbita)];
        p.save();
        p.setTransform(QTransform(coseno, seno, -seno, coseno, 0, 0), true);
        p.setBrush(QColor(120, 200, 255));
        p.drawPath(orbitaDibujada);
        p.setBrush(QColor(255, 255, 120));
        p.drawEllipse(kElectron[static_cast<std::size_t>((3 * cuadro + kFotogramasAtomo * orbita) % kLugares)], 2.2,
                      2.2);
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
    // The 1-pixel border is the tile's rim, filled.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 40));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5.5, 5.5);
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4.5, 4.5);
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
