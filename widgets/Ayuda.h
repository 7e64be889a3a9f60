#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QTextEdit;
class QWidget;

// The information panel of a window: a fixed explanatory text in read-only
// rich text, hidden when the window opens; the window's information button
// shows and hides it.
QTextEdit *CrearPanelAyuda(QWidget *padre, const QString &nombre, const char *html, const QRect &zona,
                           const QFont &fuente);

// Shows the panel when it is hidden and hides it when it is shown.
void AlternarAyuda(QWidget *panel);
