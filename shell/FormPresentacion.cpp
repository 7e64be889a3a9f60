#include "shell/FormPresentacion.h"

#include "shell/Dibujos.h"
#include "shell/Ventanas.h"
#include "widgets/Controles.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTimer>

FormPresentacion::FormPresentacion(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormPresentacion"));
    setWindowTitle(QStringLiteral("Orvella"));
    m_ondas = QPixmap::fromImage(DibujarOndas(devicePixelRatioF()));
    setAccessibleDescription(QStringLiteral("El nombre del programa sobre ondas en el agua"));
    setFixedSize(m_ondas.deviceIndependentSize().toSize());
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(paleta);
    crearControles();
    conectar();
    if (const QScreen *pantalla = screen())
        move(pantalla->availableGeometry().center() - rect().center());
    ui.Timer1->start(kEspera);
}

void FormPresentacion::crearControles()
{
    ui.Label1 =
        CrearEtiqueta(this, QStringLiteral("Label1"), QStringLiteral("Orvella"), {0, (height() - 90) / 2, width(), 90});
    ui.Label1->setFont(Fuente(QStringLiteral("Arial"), 48));
    Colorear(ui.Label1, Qt::transparent, QColor(0, 255, 255));
    ui.Label1->setAlignment(Qt::AlignCenter);

    ui.Timer1 = Crear<QTimer>(this, QStringLiteral("Timer1"));
    ui.Timer1->setSingleShot(true);
}

void FormPresentacion::conectar()
{
    connect(ui.Timer1, &QTimer::timeout, this, &FormPresentacion::Timer1_Timer);
}

bool FormPresentacion::event(QEvent *evento)
{
    // Shaped when first shown and again whenever it becomes active.
    if (evento->type() == QEvent::Show || evento->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(evento);
}

void FormPresentacion::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_ondas);
}

void FormPresentacion::Form_Activate()
{
    // The ellipse inscribed in the window: the corners are neither drawn nor
    // take clicks.
    setMask(QRegion(rect(), QRegion::Ellipse));
}

void FormPresentacion::Timer1_Timer()
{
    AbrirVentana(QStringLiteral("FormPrincipal"));
    close();
}
