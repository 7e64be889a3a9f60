#include "widgets/Controles.h"

#include "widgets/Mensajes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

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

QString TextoDe(const QWidget *control)
{
    if (const auto *caja = qobject_cast<const QLineEdit *>(control))
        return caja->text();
    if (const auto *etiqueta = qobject_cast<const QLabel *>(control))
        return etiqueta->text();
    if (const auto *rico = qobject_cast<const QTextEdit *>(control))
        return rico->toPlainText();
    if (const auto *lista = qobject_cast<const QComboBox *>(control))
        return lista->currentText();
    if (const auto *fecha = qobject_cast<const QDateEdit *>(control))
        return fecha->text();
    if (const auto *boton = qobject_cast<const QAbstractButton *>(control))
        return boton->text();
    if (const auto *marco = qobject_cast<const QGroupBox *>(control))
        return marco->title();
    if (const auto *lineas = qobject_cast<const QListWidget *>(control)) {
        QStringList todas;
        for (int i = 0; i < lineas->count(); ++i)
            todas << lineas->item(i)->text();
        return todas.join(u',');
    }
    return {};
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
