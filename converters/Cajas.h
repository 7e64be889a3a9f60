#pragma once

#include <QString>

#include <optional>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QTextEdit;
class QWidget;

// Pieces the three converter windows share.

// Writes a converted value into a box. setText sends no key events, so the
// typing handlers never run again for it, while textChanged still tells the
// watchers. A value too large for a double has no text: the box is left empty.
void EscribirNumero(QLineEdit *caja, double valor);

// The number in a box, or nothing when its text is not one ("", "-", ",").
std::optional<double> LeerNumero(const QLineEdit *caja);

// A key that types into the box (a character, Backspace, Enter, a shortcut):
// it empties the neighbouring boxes. Tab only moves the focus away.
bool EsPulsacion(const QKeyEvent *evento);

// A key release that converts: not an auto-repeat, not Tab (its release
// lands in the next box, which the user did not type in), not a bare modifier.
bool EsLiberacion(const QKeyEvent *evento);

QLineEdit *CrearCaja(QWidget *padre, const char *nombre, int x, int y);
QLabel *CrearEtiqueta(QWidget *padre, const char *nombre, const QString &texto, int x, int y);

// The help panel: read-only rich text, hidden until the information button shows it.
QTextEdit *CrearPanelAyuda(QWidget *padre, const char *nombre, const QString &html);

inline constexpr int kAnchoCaja = 130;
inline constexpr int kAltoCaja = 30;
