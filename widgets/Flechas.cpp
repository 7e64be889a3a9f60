#include "widgets/Flechas.h"

#include <QApplication>
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
