#pragma once

#include "converters/conversiones.h"
#include "widgets/VentanaConversion.h"

// Converts a temperature between Celsius, Fahrenheit and kelvin as the user
// types, and snaps all three boxes to absolute zero when it is passed.
class FormTemperatura : public VentanaConversion {
    Q_OBJECT

public:
    explicit FormTemperatura(QWidget *parent = nullptr);

private:
    void crearControles();
    void conectar();

    void TextK_Change();
    void TextF_Change();
    void Vigilar(Calculos::Escala escala);
    void CeroAbsoluto();

    // Set while the boxes are being snapped to absolute zero, so the watchers
    // that see those writes do not start the snap again.
    bool m_enCeroAbsoluto = false;
};
