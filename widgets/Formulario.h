#pragma once

// What a window's header needs: the window base and the kinds of control
// its `ui` struct holds.

#include <QPoint>
#include <QWidget>

#include <array>

class CajaFormula;
class GrupoCajas;
class GuardiaFoco;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFocusEvent;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;
