#pragma once

#include "core/numeros.h"

#include <QString>

#include <optional>

class QLineEdit;

// The largest value a box holds, and what the user is told when an edit
// goes past it.
struct Tope {
    double maximo;
    QString mensaje;
};

// Installs a box's keystroke filter, for every way text enters it. A typed
// key is judged as it is pressed (a dot becomes a comma keystroke, so the
// caret stays and Ctrl+Z still undoes it). Any other insertion (Ctrl+V,
// Shift+Insert, the context menu, the middle button, a drop) passes the same
// judgement character by character before it lands, so that pasting a text
// leaves what typing it would; a filter that answers with a message says it
// once per insertion. Undo and redo only go back to what the box has held.
// With a `tope`, an edit that takes the value past it is cut back, the
// characters before the caret first, and its message shown.
//
// What typing does besides (converting, emptying results) belongs on
// QLineEdit::textEdited, which every one of those routes emits; a window
// keeps a key handler only for keys that act as keys (Enter).
void InstalarFiltro(QLineEdit *caja, Calculos::TipoFiltro tipo, std::optional<Tope> tope = std::nullopt);
