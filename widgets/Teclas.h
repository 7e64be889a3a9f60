#pragma once

class QKeyEvent;

// A key that types: a character, Backspace or Enter. Tab, Escape, arrows and
// shortcuts do not. (An edit of a text box is told by the box itself:
// QLineEdit::textEdited, CajaFormula::editada.)
bool EsTecleo(const QKeyEvent *evento);

// Enter, from the main keyboard or the keypad, whatever the modifiers.
bool EsEnter(const QKeyEvent *evento);
