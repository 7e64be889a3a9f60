#pragma once

class QKeyEvent;

// A key press that types into a box or edits its text: a character,
// Backspace, Delete, Enter, or a paste, cut, undo, redo or word and line
// deletion shortcut. Tab, Escape, arrows and the other shortcuts (copy,
// select all) only move around or leave the text alone.
bool EsTecleo(const QKeyEvent *evento);

// Enter, from the main keyboard or the keypad, whatever the modifiers.
bool EsEnter(const QKeyEvent *evento);

// A key release that may follow typing: not an auto-repeat, not Tab (its
// release lands in the box the focus went to, which the user did not type
// in) and not a bare modifier key.
bool EsSoltarTecleo(const QKeyEvent *evento);
