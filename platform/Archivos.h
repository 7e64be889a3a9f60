#pragma once

#include <QString>

// Where a data file of the program (the sound of a finished puzzle) is: in
// the program's own folder, as the build leaves it, or, once installed, in
// the program's data folder relative to it (bin/../share/orvella). The first
// that exists; the first place when neither does.
QString ArchivoDelPrograma(const QString &nombre);
