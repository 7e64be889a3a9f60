#pragma once

// The program's style: the platform's own, except that the few standard
// icons a window needs as it opens (the menu bar's overflow arrow) are drawn
// here. Qt would read them from picture files, and to read the first one it
// loads every picture-format plugin it has (half a megabyte, and time)
// while the periodic table opens. Installed once, before any window.
void InstalarEstilo();
