#pragma once

#include "core/conversor.h"
#include "core/numeros.h"

#include <QObject>

#include <span>
#include <vector>

class QLabel;
class QLineEdit;
class QString;
class QWidget;

// A box of a window that converts as the user types.
struct CajaConversion {
    const char *nombre;
    const char *lectura; // what a screen reader calls it: the unit in words
    int x;
    int y;
    Calculos::TipoFiltro filtro;
    // Typing empties the other boxes of the same group only.
    int grupo = 0;
};

// The boxes of such a window, numbered by their place in the window's
// table. What enters a box goes through its filter; every edit the user
// makes to a box (typed, pasted, dropped, cut, undone) empties the other
// boxes of its group and converts: the window's rules say which boxes are
// written, in which order, and from which box each one is read. Each value is read back from the text a box shows,
// so the rounding on screen is what the next write uses.
class GrupoCajas : public QObject {
public:
    GrupoCajas(QWidget *ventana, std::span<const CajaConversion> cajas, const Calculos::Conversor &conversor);

    QLineEdit *Caja(int i) const;
    std::span<QLineEdit *const> Cajas() const { return m_cajas; }

    // The letter of the boxes and of the labels beside them.
    static QFont Letra();
    static constexpr int kAncho = 130;
    static constexpr int kAlto = 30;

private:
    void Caja_Change(int i);
    void Convertir(int origen);

    std::vector<CajaConversion> m_definicion;
    std::vector<QLineEdit *> m_cajas;
    Calculos::Conversor m_conversor;
};

// A label beside a box (a unit, an equals sign), in the boxes' letter, as
// wide as its text.
QLabel *EtiquetaDeCaja(QWidget *padre, const char *nombre, const QString &texto, int x, int y);
