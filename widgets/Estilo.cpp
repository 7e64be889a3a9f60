#include "widgets/Estilo.h"

#include "widgets/Controles.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
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
        if (!horizontal) {
            p.translate(16, 0);
            p.rotate(90);
        }
        p.setPen(QPen(QColor(60, 60, 60), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (qreal x : {4.0, 8.5}) {
            QPainterPath punta;
            punta.moveTo(x, 4.5);
            punta.lineTo(x + 3.5, 8);
            punta.lineTo(x, 11.5);
            p.drawPath(punta);
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
