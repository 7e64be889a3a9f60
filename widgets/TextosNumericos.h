#pragma once

#include <QString>

#include <optional>

class QLineEdit;

// The program's number texts (decimal comma, 15 digits) for Qt strings.
QString TextoDeNumero(double valor);
std::optional<double> NumeroDeTexto(const QString &texto);
bool EsTextoNumerico(const QString &texto);

// Writes a result into a box. setText sends no key events, so the typing
// handlers never run again for it, while textChanged still tells whoever
// watches the box. A value too large for a double has no text: the box is
// left empty.
void EscribirNumero(QLineEdit *caja, double valor);

// The number in a box, or nothing when its text is not one ("", "-", ",").
std::optional<double> LeerNumero(const QLineEdit *caja);
