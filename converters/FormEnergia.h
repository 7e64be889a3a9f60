#pragma once

#include "widgets/VentanaConversion.h"

// Converts energies as the user types, in two groups that never touch each
// other: cal and J, and kcal/mol, kJ/mol and eV.
class FormEnergia : public VentanaConversion {
    Q_OBJECT

public:
    explicit FormEnergia(QWidget *parent = nullptr);
};
