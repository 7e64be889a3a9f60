#pragma once

#include "core/numeros.h"

#include <QString>

#include <span>

class QLabel;
class QLineEdit;
class QTextEdit;
class QKeyEvent;
class QWidget;

// Pieces the three converter windows share.

QLineEdit *CrearCaja(QWidget *padre, const char *nombre, int x, int y);
QLabel *CrearEtiqueta(QWidget *padre, const char *nombre, const QString &texto, int x, int y);

// A key press in `caja`: when it types, every other box of `grupo` is
// emptied and then the key goes through the filter. True when the key must
// not reach the box.
bool TecleoEnCaja(QLineEdit *caja, QKeyEvent *evento, std::span<QLineEdit *const> grupo, Calculos::TipoFiltro tipo);

// The help panel: read-only rich text, hidden until the information button shows it.
QTextEdit *CrearPanelAyuda(QWidget *padre, const char *nombre, const QString &html);

inline constexpr int kAnchoCaja = 130;
inline constexpr int kAltoCaja = 30;
