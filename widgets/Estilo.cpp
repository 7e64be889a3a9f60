#include "widgets/Estilo.h"

#include "widgets/Controles.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>

namespace {

// The double chevron of a menu bar too narrow for its entries.
QIcon Desbordamiento(bool horizontal)
{
    QIcon icono;
    for (qreal escala : {1.0, 2.0}) {
        QPixmap imagen = Lienzo({16, 16}, escala);
        QPainter p(&imagen);
        p.setRenderHint(QPainter::Antialiasing);
        if (!horizontal)
            p.setTransform(QTransform(0, 1, -1, 0, 16, 0), true); // a quarter turn
        // Two chevrons 1.5 pixels thick, filled as outlines: a pen would
        // bring in the stroker and libm's trigonometry for two small arrows.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        constexpr qreal kMedio = 0.53; // half the thickness across a 45-degree arm
        constexpr qreal kPunta = 1.06; // the same at the tip, along the axis
        for (qreal x : {4.0, 8.5}) {
            const QPointF flecha[] = {{x + kMedio, 4.5 - kMedio},  {x + 3.5 + kPunta, 8}, {x + kMedio, 11.5 + kMedio},
                                      {x - kMedio, 11.5 - kMedio}, {x + 3.5 - kPunta, 8}, {x - kMedio, 4.5 + kMedio}};
            p.drawPolygon(flecha, 6);
        }
        p.end();
        icono.addPixmap(imagen);
    }
    return icono;
}

class Estilo : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icono, const QStyleOption *opcion, const QWidget *control) const override
    {
        if (icono == SP_ToolBarHorizontalExtensionButton)
            return Desbordamiento(true);
        if (icono == SP_ToolBarVerticalExtensionButton)
            return Desbordamiento(false);
        return QProxyStyle::standardIcon(icono, opcion, control);
    }
};

} // namespace

void InstalarEstilo()
{
    QApplication::setStyle(new Estilo);
}
