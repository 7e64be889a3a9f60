#include "widgets/BotonesImagen.h"

#include "widgets/Accesible.h"
#include "widgets/Controles.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kLado = 32;

void DibujarCalculadora(QPainter &p)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(90, 96, 110));
    p.drawRoundedRect(QRectF(5.5, 2.5, 21, 27), 3, 3);
    p.setBrush(QColor(190, 230, 190));
    p.drawRect(QRectF(8.5, 5.5, 15, 6));
    p.setPen(Qt::NoPen);
    for (int fila = 0; fila < 3; ++fila) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(col == 2 && fila == 2 ? QColor(240, 150, 40) : QColor(235, 235, 235));
            p.drawRoundedRect(QRectF(8.5 + col * 5.3, 14 + fila * 4.8, 4, 3.5), 0.8, 0.8);
        }
    }
}

void DibujarGoma(QPainter &p)
{
    p.translate(16, 17);
    p.rotate(-35);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(QColor(240, 120, 130));
    p.drawRoundedRect(QRectF(-12, -6, 14, 12), 2, 2);
    p.setBrush(QColor(90, 130, 220));
    p.drawRoundedRect(QRectF(2, -6, 10, 12), 2, 2);
    p.resetTransform();
    p.setPen(QPen(QColor(120, 120, 120), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 29), QPointF(27, 29));
}

void DibujarInformacion(QPainter &p)
{
    p.setPen(QPen(QColor(20, 60, 140), 1.2));
    p.setBrush(QColor(45, 110, 210));
    p.drawEllipse(QRectF(3.5, 3.5, 25, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 7.5, 4.2, 4.2));
    QPainterPath palo;
    palo.addRoundedRect(QRectF(14.2, 13.5, 3.8, 11), 1, 1);
    p.drawPath(palo);
}

QPixmap Dibujo(TipoBoton tipo, qreal escala)
{
    QPixmap imagen = Lienzo({kLado, kLado}, escala);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    switch (tipo) {
    case TipoBoton::Calcular:
        DibujarCalculadora(p);
        break;
    case TipoBoton::Borrar:
        DibujarGoma(p);
        break;
    case TipoBoton::Informacion:
        DibujarInformacion(p);
        break;
    }
    return imagen;
}

// The picture at the screen's density, and at twice it for a window moved
// to a denser screen.
QIcon Icono(TipoBoton tipo, qreal escala)
{
    QIcon icono(Dibujo(tipo, escala));
    if (escala < 2)
        icono.addPixmap(Dibujo(tipo, 2));
    return icono;
}

// The tool tip, which is also the button's name for a screen reader, and
// what a press does.
struct Textos {
    const char *consejo;
    const char *descripcion;
};

Textos TextosDe(TipoBoton tipo)
{
    switch (tipo) {
    case TipoBoton::Calcular:
        return {"Calcular", "Calcula con los datos escritos"};
    case TipoBoton::Borrar:
        return {"Borrar", "Borra los datos y los resultados"};
    case TipoBoton::Informacion:
        return {"Información", "Muestra u oculta la explicación"};
    }
    return {"", ""};
}

} // namespace

QPushButton *CrearBotonImagen(TipoBoton tipo, const QString &nombre, QWidget *padre)
{
    auto *boton = new QPushButton(padre);
    boton->setObjectName(nombre);
    boton->setIcon(Icono(tipo, boton->devicePixelRatioF()));
    boton->setIconSize(QSize(kLado, kLado));
    const Textos textos = TextosDe(tipo);
    boton->setToolTip(QString::fromUtf8(textos.consejo));
    Nombrar(boton, boton->toolTip(), QString::fromUtf8(textos.descripcion));
    boton->setFixedSize(44, 44);
    return boton;
}
