#pragma once

// Qt's own texts (a message box's button, a text box's context menu) in
// Spanish from Qt's translation, and the calendar's month and day names from
// a Spanish locale, whatever the machine's locale. Called once the
// application exists and before its first window. Numbers never go through
// QLocale: they follow core/numeros.h.
void InstalarIdioma();
