#pragma once

// Building the QApplication leaves the upper halves of the processor's AVX
// registers in use on x86. From then on every switch between plain SSE code
// (ours) and AVX code (libm's exp and sqrt, chosen at run time) pays a
// penalty, and the pictures drawn pixel by pixel take many times longer.
// Clearing that state once, right after the QApplication is built, undoes
// it; Qt's own drawing may leave it so again, so the pictures drawn pixel by
// pixel clear it as they start. Does nothing on other processors.
void LimpiarRegistrosVectoriales();
