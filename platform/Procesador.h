#pragma once

// Qt's drawing can leave the upper halves of the processor's AVX registers in
// use on x86. From then on every switch between plain SSE code (ours) and AVX
// code (libm's exp and sqrt, chosen at run time) pays a penalty: the About
// box's galaxy, drawn pixel by pixel, took 290 ms instead of 10. A picture
// drawn so clears that state as it starts. Does nothing on other processors.
void LimpiarRegistrosVectoriales();
