#pragma once

#include "widgets/VentanaConversion.h"

// Converts a pressure between six units as the user types, always through
// the atmosphere box.
class FormPresion : public VentanaConversion {
    Q_OBJECT

public:
    explicit FormPresion(QWidget *parent = nullptr);
};
