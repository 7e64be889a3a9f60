#pragma once

#include "core/numeros.h"

class QKeyEvent;
class QObject;

// Applies a keystroke filter to a key press sent to `campo`, as a window's
// own key handler does after its other work. Returns true when the key has
// been dealt with and must not reach the field: a refused character, or a
// dot that the field has already received as a comma.
bool AplicarFiltro(QObject *campo, QKeyEvent *evento, Calculos::TipoFiltro tipo);

// Installs a filter on a field whose window does nothing else on a key press.
void InstalarFiltro(QObject *campo, Calculos::TipoFiltro tipo);
