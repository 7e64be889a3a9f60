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

    // Names the arrows after what they step: "la hora inicial" gives "Subir
    // la hora inicial" and "Bajar la hora inicial".
    void Nombrar(const QString &que);

    // The arrows from the keyboard, since they never take the focus: in
    // `caja`, `subir` and `bajar` (with exactly `modificadores`) press them.
    void Teclas(QWidget *caja, Qt::Key subir, Qt::Key bajar, Qt::KeyboardModifiers modificadores = Qt::NoModifier);

signals:
    void subir();
    void bajar();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QToolButton *CrearFlecha(Qt::ArrowType tipo, const QString &nombre);
    void Pulsada(QToolButton *flecha, bool arriba);

    QToolButton *m_arriba;
    QToolButton *m_abajo;
    QWidget *m_caja = nullptr;
    Qt::Key m_teclaSubir = Qt::Key_unknown;
    Qt::Key m_teclaBajar = Qt::Key_unknown;
    Qt::KeyboardModifiers m_modificadores;
};
