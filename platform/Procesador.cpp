#include "platform/Procesador.h"

void LimpiarRegistrosVectoriales()
{
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx"))
        __asm__ volatile("vzeroupper" ::: "memory");
#endif
}
