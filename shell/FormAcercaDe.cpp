#include "shell/FormAcercaDe.h"

#include "shell/Dibujos.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/IconoAplicacion.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

QLabel *Letrero(QWidget *padre, const QString &nombre, const QString &texto, const QFont &fuente, const QColor &color,
                const QRect &zona)
{
    QLabel *etiqueta = CrearEtiqueta(padre, nombre, texto, zona);
    etiqueta->setFont(fuente);
    Colorear(etiqueta, Qt::transparent, color);
    etiqueta->setAlignment(Qt::AlignCenter);
    return etiqueta;
}

QLabel *CrearImagen(QWidget *padre, const QString &nombre, const QImage &imagen, const QRect &zona)
{
    auto *etiqueta = Crear<QLabel>(padre, nombre, zona);
    etiqueta->setPixmap(QPixmap::fromImage(imagen));
    return etiqueta;
}

QImage Circulo(int lado, qreal escala)
{
    QImage imagen(qRound(lado * escala), qRound(lado * escala), QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 0), 2.0));
    p.drawEllipse(QRectF(1, 1, lado - 2, lado - 2));
    return imagen;
}

} // namespace

FormAcercaDe::FormAcercaDe(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAcercaDe"));
    setWindowTitle(QStringLiteral(" Acerca de Orvella"));
    setModal(true);
    m_galaxia = QPixmap::fromImage(DibujarGalaxia(devicePixelRatioF()));
    setAccessibleDescription(QStringLiteral("Orvella, versión 3.0, sobre el dibujo de una galaxia"));
    setFixedSize(m_galaxia.deviceIndependentSize().toSize());
    crearControles();
    conectar();
    ui.Timer2->start(kPaso);
}

void FormAcercaDe::crearControles()
{
    ui.Label1 =
        Letrero(this, QStringLiteral("Label1"), QStringLiteral("Orvella"),
                Fuente(QStringLiteral("Times New Roman"), 21.75, true), QColor(128, 255, 255), QRect(200, 40, 400, 40));
    ui.Label2 =
        Letrero(this, QStringLiteral("Label2"), QStringLiteral("versión 3.0"),
                Fuente(QStringLiteral("Comic Sans MS"), 18, false), QColor(255, 255, 128), QRect(200, 86, 400, 36));
    ui.Label3 = Letrero(this, QStringLiteral("Label3"),
                        QStringLiteral("Programa y dibujos: el equipo de Orvella, para estudiantes y profesores"),
                        Fuente(QStringLiteral("Arial"), 9.75, true), QColor(255, 255, 0), QRect(214, 548, 560, 24));
    ui.Label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The frames share one place; the timer shows one of them at a time.
    for (int i = 0; i < kFotogramasAtomo; ++i) {
        QLabel *imagen = CrearImagen(this, QStringLiteral("Image%1").arg(i + 1), DibujarAtomo(i, devicePixelRatioF()),
                                     QRect(384, 140, 32, 32));
        imagen->hide();
        Nombrar(imagen, QStringLiteral("Átomo"), QStringLiteral("Un átomo cuyos electrones giran"));
        ui.Imagenes[static_cast<std::size_t>(i)] = imagen;
    }

    ui.Shape1 = CrearImagen(this, QStringLiteral("Shape1"), Circulo(44, devicePixelRatioF()), QRect(162, 538, 44, 44));
    ui.Image11 =
        CrearImagen(this, QStringLiteral("Image11"), DibujarCarta(devicePixelRatioF()), QRect(168, 544, 32, 32));
    Nombrar(ui.Shape1, QStringLiteral("Círculo"), QStringLiteral("Un círculo amarillo alrededor de la carta"));
    Nombrar(ui.Image11, QStringLiteral("Carta"), QStringLiteral("Una carta cerrada, junto al crédito"));

    ui.Timer2 = Crear<QTimer>(this, QStringLiteral("Timer2"));
}

void FormAcercaDe::conectar()
{
    connect(ui.Timer2, &QTimer::timeout, this, &FormAcercaDe::Timer2_Timer);
}

void FormAcercaDe::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_galaxia);
}

void FormAcercaDe::Timer2_Timer()
{
    const int visible = m_fotograma;
    ++m_fotograma;
    for (int i = 0; i < kFotogramasAtomo; ++i)
        ui.Imagenes[static_cast<std::size_t>(i)]->setVisible(i == visible);
    if (m_fotograma >= kFotogramasAtomo)
        m_fotograma = 0;
}
