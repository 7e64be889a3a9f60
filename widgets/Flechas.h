#pragma once

#include <QWidget>

class QToolButton;

// An up-down spinner: two small arrow buttons, one above the other, that
// step the value of a box beside them. The spinner only says which arrow was
// pressed; the window decides what a step does. The arrows never take the
// focus away from the box being stepped.
class Flechas : public QWidget {
    Q_OBJECT

public:
    explicit Flechas(QWidget *padre = nullptr);

    QToolButton *Arriba() const { return m_arriba; }
    QToolButton *Abajo() const { return m_abajo; }

signals:
    void subir();
    void bajar();

private:
    QToolButton *CrearFlecha(Qt::ArrowType tipo, const QString &nombre);
    void Pulsada(QToolButton *flecha, bool arriba);

    QToolButton *m_arriba;
    QToolButton *m_abajo;
};
