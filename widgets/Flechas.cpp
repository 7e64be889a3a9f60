#include "widgets/Flechas.h"

#include "widgets/Accesible.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

Flechas::Flechas(QWidget *padre) : QWidget(padre)
{
    auto *columna = new QVBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    m_arriba = CrearFlecha(Qt::UpArrow, QStringLiteral("Arriba"));
    m_abajo = CrearFlecha(Qt::DownArrow, QStringLiteral("Abajo"));
    columna->addWidget(m_arriba);
    columna->addWidget(m_abajo);
}

QToolButton *Flechas::CrearFlecha(Qt::ArrowType tipo, const QString &nombre)
{
    auto *flecha = new QToolButton(this);
    flecha->setObjectName(nombre);
    flecha->setArrowType(tipo);
    flecha->setFocusPolicy(Qt::NoFocus);
    flecha->setAutoRepeat(true);
    flecha->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(flecha, &QToolButton::clicked, this,
            [this, flecha, arriba = tipo == Qt::UpArrow] { Pulsada(flecha, arriba); });
    return flecha;
}

void Flechas::Pulsada(QToolButton *flecha, bool arriba)
{
    // A held arrow repeats from a timer that keeps running under a message
    // box the previous step opened: that would stack boxes. The arrow is let
    // go instead.
    if (QApplication::activeModalWidget() != nullptr) {
        flecha->setDown(false);
        return;
    }
    if (arriba)
        emit subir();
    else
        emit bajar();
}

void Flechas::Nombrar(const QString &que)
{
    ::Nombrar(m_arriba, QStringLiteral("Subir ") + que);
    ::Nombrar(m_abajo, QStringLiteral("Bajar ") + que);
}

void Flechas::Teclas(QWidget *caja, Qt::Key subir, Qt::Key bajar, Qt::KeyboardModifiers modificadores)
{
    m_caja = caja;
    m_teclaSubir = subir;
    m_teclaBajar = bajar;
    m_modificadores = modificadores;
    caja->installEventFilter(this);
}

bool Flechas::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != m_caja || evento->type() != QEvent::KeyPress)
        return QWidget::eventFilter(objeto, evento);
    const auto *tecla = static_cast<QKeyEvent *>(evento);
    if ((tecla->modifiers() & ~Qt::KeypadModifier) != m_modificadores)
        return false;
    if (tecla->key() == m_teclaSubir)
        Pulsada(m_arriba, true);
    else if (tecla->key() == m_teclaBajar)
        Pulsada(m_abajo, false);
    else
        return false;
    return true;
}
