#pragma once

#include "widgets/Formulario.h"
#include "widgets/GrupoCajas.h"

#include <span>

// What makes one window that converts as the user types: its caption, its
// boxes and the rules that convert between them, its information panel and
// its size, which grows when the panel shows.
struct DefinicionConversion {
    const char *titulo;
    int blancos;
    int finales;
    std::span<const CajaConversion> cajas;
    const Calculos::Conversor &conversor;
    int ancho;
    int altoSinAyuda;
    int altoConAyuda;
    QPoint informacion; // where the information button stands
    const char *panel;  // the panel's name
    const char *ayuda;  // the panel's text, in rich text
};

// A window that converts as the user types. The window of each quantity
// gives its definition and adds what else it shows (unit labels, lines).
class VentanaConversion : public QWidget {
    Q_OBJECT

public:
    VentanaConversion(const DefinicionConversion &definicion, QWidget *parent);

protected:
    QLineEdit *Caja(int i) const;

private:
    void Informacion_Click();
    void AjustarAltura();

    struct {
        GrupoCajas *cajas = nullptr;
        QPushButton *Informacion = nullptr;
        QTextEdit *ayuda = nullptr;
    } ui;

    int m_ancho;
    int m_altoSinAyuda;
    int m_altoConAyuda;
};
