#include "puzzle/Trofeo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

constexpr int kAncho = 177;
constexpr int kAlto = 209;
constexpr double kCentro = kAncho / 2.0;

// Gold lit from the upper left, across a shape from `izquierda` to `derecha`.
QLinearGradient Oro(double izquierda, double derecha)
{
    QLinearGradient oro(izquierda, 0, derecha, 0);
    oro.setColorAt(0.0, QColor(150, 100, 15));
    oro.setColorAt(0.3, QColor(255, 226, 110));
    oro.setColorAt(0.55, QColor(236, 180, 45));
    oro.setColorAt(1.0, QColor(125, 80, 10));
    return oro;
}

// A rolled end of the scroll: a cylinder lying across the sheet.
void Rollo(QPainter &p, double y)
{
    QLinearGradient papel(0, y, 0, y + 18);
    papel.setColorAt(0.0, QColor(205, 175, 115));
    papel.setColorAt(0.45, QColor(255, 246, 215));
    papel.setColorAt(1.0, QColor(190, 155, 95));
    p.setPen(QPen(QColor(130, 95, 45), 1));
    p.setBrush(papel);
    p.drawRoundedRect(QRectF(12, y, kAncho - 24, 18), 9, 9);
    // The curl seen end-on.
    for (const double x : {12.0, kAncho - 30.0}) {
        p.setBrush(QColor(225, 200, 145));
        p.drawEllipse(QRectF(x, y, 18, 18));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x + 4.5, y + 4.5, 9, 9), 0, 270 * 16);
    }
}

void Pergamino(QPainter &p)
{
    QLinearGradient hoja(0, 0, kAncho, 0);
    hoja.setColorAt(0.0, QColor(232, 210, 160));
    hoja.setColorAt(0.5, QColor(253, 244, 214));
    hoja.setColorAt(1.0, QColor(228, 204, 150));
    p.setPen(QPen(QColor(150, 115, 60), 1));
    p.setBrush(hoja);
    p.drawRect(QRectF(22, 20, kAncho - 44, 170));
    // Lines of writing under the cup.
    p.setPen(QPen(QColor(170, 140, 95), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = 167 + 5.5 * i;
        p.drawLine(QPointF(34, y), QPointF(i == 2 ? 80 : 104, y));
    }
    Rollo(p, 8);
    Rollo(p, 183);
}

void Asas(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    for (const int lado : {-1, 1}) {
        QPainterPath asa;
        asa.moveTo(kCentro + lado * 34, 52);
        asa.cubicTo(kCentro + lado * 60, 48, kCentro + lado * 58, 86, kCentro + lado * 20, 98);
        p.setPen(QPen(QColor(120, 80, 10), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(asa);
        p.setPen(QPen(QColor(248, 205, 80), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(asa);
    }
}

void Copa(QPainter &p)
{
    Asas(p);
    QPainterPath cuenco;
    cuenco.moveTo(kCentro - 38, 42);
    cuenco.cubicTo(kCentro - 38, 88, kCentro - 18, 108, kCentro - 6, 112);
    cuenco.lineTo(kCentro + 6, 112);
    cuenco.cubicTo(kCentro + 18, 108, kCentro + 38, 88, kCentro + 38, 42);
    cuenco.closeSubpath();
    p.setPen(QPen(QColor(110, 70, 10), 1.2));
    p.setBrush(Oro(kCentro - 38, kCentro + 38));
    p.drawPath(cuenco);
    // The rim, and the inside seen from above.
    p.setBrush(QColor(150, 100, 20));
    p.drawEllipse(QRectF(kCentro - 38, 36, 76, 12));
    p.setBrush(QColor(205, 150, 40));
    p.drawEllipse(QRectF(kCentro - 33, 39, 66, 7));

    // Stem, knot and foot.
    p.setBrush(Oro(kCentro - 6, kCentro + 6));
    p.drawRect(QRectF(kCentro - 5, 112, 10, 18));
    p.setBrush(Oro(kCentro - 11, kCentro + 11));
    p.drawEllipse(QRectF(kCentro - 11, 116, 22, 8));
    QPainterPath pie;
    pie.moveTo(kCentro - 8, 130);
    pie.lineTo(kCentro + 8, 130);
    pie.lineTo(kCentro + 24, 140);
    pie.lineTo(kCentro - 24, 140);
    pie.closeSubpath();
    p.setBrush(Oro(kCentro - 24, kCentro + 24));
    p.drawPath(pie);

    // A shine down the left of the bowl.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240, 120));
    QPainterPath brillo;
    brillo.moveTo(kCentro - 28, 50);
    brillo.cubicTo(kCentro - 28, 80, kCentro - 18, 96, kCentro - 10, 102);
    brillo.cubicTo(kCentro - 20, 90, kCentro - 23, 72, kCentro - 22, 50);
    brillo.closeSubpath();
    p.drawPath(brillo);
}

void Peana(QPainter &p)
{
    QLinearGradient madera(0, 140, 0, 162);
    madera.setColorAt(0.0, QColor(140, 80, 35));
    madera.setColorAt(1.0, QColor(80, 40, 15));
    p.setPen(QPen(QColor(60, 30, 10), 1));
    p.setBrush(madera);
    p.drawRect(QRectF(kCentro - 30, 140, 60, 22));
    p.setBrush(Oro(kCentro - 16, kCentro + 16));
    p.drawRect(QRectF(kCentro - 16, 145, 32, 12));
}

QPolygonF Estrella(QPointF centro, double exterior, double interior, int puntas)
{
    QPolygonF estrella;
    for (int i = 0; i < 2 * puntas; ++i) {
        const double r = i % 2 == 0 ? exterior : interior;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / puntas;
        estrella << centro + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return estrella;
}

void Cinta(QPainter &p, QPointF desde, QPointF hasta, const QColor &color)
{
    const QPointF lado(6, 0);
    QPolygonF cinta;
    cinta << desde - lado << desde + lado << hasta + lado << hasta + QPointF(0, -6) << hasta - lado;
    p.setPen(QPen(color.darker(150), 1));
    p.setBrush(color);
    p.drawPolygon(cinta);
}

void Escarapela(QPainter &p)
{
    const QPointF centro(134, 154);
    Cinta(p, centro, QPointF(122, 200), QColor(30, 80, 190));
    Cinta(p, centro, QPointF(148, 198), QColor(200, 30, 40));
    p.setPen(QPen(QColor(20, 50, 130), 1));
    p.setBrush(QColor(40, 95, 205));
    p.drawPolygon(Estrella(centro, 23, 18.5, 20));
    p.setPen(QPen(QColor(130, 15, 25), 1));
    p.setBrush(QColor(210, 35, 45));
    p.drawEllipse(centro, 14, 14);
    QRadialGradient oro(centro - QPointF(3, 3), 11);
    oro.setColorAt(0.0, QColor(255, 240, 160));
    oro.setColorAt(1.0, QColor(210, 150, 30));
    p.setPen(QPen(QColor(120, 80, 10), 1));
    p.setBrush(oro);
    p.drawEllipse(centro, 9.5, 9.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    p.drawPolygon(Estrella(centro, 6.5, 2.8, 5));
}

} // namespace

QImage DibujarTrofeo(qreal escala)
{
    QImage imagen(qRound(kAncho * escala), qRound(kAlto * escala), QImage::Format_RGB32);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(QColor(0, 128, 128));
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    Pergamino(p);
    Peana(p);
    Copa(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 200, 200));
    p.drawPolygon(Estrella(QPointF(kCentro, 74), 10, 4.2, 5));
    Escarapela(p);
    return imagen;
}
