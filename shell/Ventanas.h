#pragma once

#include "widgets/Lanzador.h"

#include <QString>

#include <span>

// Every window of the program, one line each. The periodic table's menu
// opens them through it, and the screenshot tool and the tests go through
// it too: adding a window is adding its line.
std::span<const FichaVentana> ListaVentanas();

// The window of kind `clase` of the list, opened through the launcher;
// nullptr for a kind that is not in the list.
QWidget *AbrirVentana(const QString &clase);
