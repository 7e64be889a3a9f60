#include "widgets/Controles.h"

#include "widgets/Mensajes.h"

#include <QLabel>

QLabel *CrearEtiqueta(QWidget *padre, const QString &nombre, const QString &texto, const QRect &zona)
{
    auto *etiqueta = Crear<QLabel>(padre, nombre, zona);
    etiqueta->setText(texto);
    return etiqueta;
}

QFont Fuente(const QString &familia, qreal puntos, bool negrita)
{
    QFont fuente(familia);
    fuente.setPointSizeF(puntos);
    fuente.setBold(negrita);
    return fuente;
}

void Colorear(QWidget *control, const QColor &fondo, const QColor &texto)
{
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::Window, fondo);
    paleta.setColor(QPalette::WindowText, texto);
    control->setPalette(paleta);
    control->setAutoFillBackground(fondo.alpha() != 0);
}

void PrepararVentana(QWidget *ventana, const QString &titulo, const QFont &letra, QSize tamano)
{
    ventana->setObjectName(QString::fromLatin1(ventana->metaObject()->className()));
    ventana->setWindowTitle(titulo);
    ventana->setFont(letra);
    ventana->setFixedSize(tamano);
}

QPixmap Lienzo(QSize tamano, qreal escala)
{
    QPixmap imagen(tamano * escala);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::transparent);
    return imagen;
}

QString Titulo(const QString &titulo, int blancos, int finales)
{
    return titulo + QString(blancos, u' ') + QString::fromUtf8(kTituloAplicacion) + QString(finales, u' ');
}
