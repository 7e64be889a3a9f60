#pragma once

#include <QString>

class QPushButton;
class QWidget;

// The three picture buttons the calculators share: calculate, clear and the
// information panel switch, each with its own drawn icon and tool tip.
enum class TipoBoton { Calcular, Borrar, Informacion };

QPushButton *CrearBotonImagen(TipoBoton tipo, const QString &nombre, QWidget *padre);
