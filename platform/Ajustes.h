#pragma once

#include <QString>

// The per-user settings store of the program (maker and application
// "Orvella"): texts addressed as "<section>/<key>". It is touched only when
// the user saves or erases something.

// A missing key, or a value that is not text, reads as the empty text.
QString LeerAjuste(const QString &clave);
void GuardarAjuste(const QString &clave, const QString &valor);
// Every key of the section; a section that does not exist is no error.
void BorrarSeccionAjustes(const QString &seccion);

// The file the store reads and writes.
QString ArchivoAjustes();

// Keeps the store in `carpeta` instead of the user's settings folder (tests
// use a folder of their own) and returns the previous choice. An empty
// folder restores the user's.
QString InstalarCarpetaAjustes(const QString &carpeta);
