#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QTextEdit;
class QWidget;

// Pieces the three converter windows share.

QLineEdit *CrearCaja(QWidget *padre, const char *nombre, int x, int y);
QLabel *CrearEtiqueta(QWidget *padre, const char *nombre, const QString &texto, int x, int y);

// The help panel: read-only rich text, hidden until the information button shows it.
QTextEdit *CrearPanelAyuda(QWidget *padre, const char *nombre, const QString &html);

inline constexpr int kAnchoCaja = 130;
inline constexpr int kAltoCaja = 30;
