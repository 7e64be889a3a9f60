#pragma once

#include <QObject>

// The element the user last chose in the periodic table, told to whichever
// window follows it (the element card): the table emits, the card listens,
// and neither knows the other.
class ElementoElegido : public QObject {
    Q_OBJECT

public:
    static ElementoElegido &Aviso();

    // The atomic number the table's panel shows; hydrogen at start.
    int Ultimo() const { return m_z; }
    // Records z (1..118; anything else is ignored) and tells the listeners.
    void Elegir(int z);

signals:
    void elegido(int z);

private:
    ElementoElegido() = default;
    int m_z = 1;
};
