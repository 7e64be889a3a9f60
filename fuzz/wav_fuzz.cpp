// LeerWav on any bytes: a sound it accepts is whole and consistent, its
// samples lie in [-1, 1), and writing it back reads the same again.

#include "core/wav.h"
#include "fuzz/comun.h"

using namespace Fuzz;
using Calculos::ErrorWav;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    const std::span<const std::uint8_t> archivo(bytes, tamano);
    const Calculos::LecturaWav l = Calculos::LeerWav(archivo);
    const Calculos::SonidoWav &s = l.sonido;
    if (tamano == 0)
        EXIGIR(l.error == ErrorWav::Vacio, "an empty file");
    if (l.error != ErrorWav::Ninguno) {
        EXIGIR(s.canales == 0 && s.datos.empty(), "a sound beside an error");
        return 0;
    }
    EXIGIR(s.canales >= 1 && s.canales <= Calculos::kCanalesMaximos, std::to_string(s.canales) + " channels");
    EXIGIR(s.muestrasPorSegundo >= Calculos::kMuestrasPorSegundoMinimas &&
               s.muestrasPorSegundo <= Calculos::kMuestrasPorSegundoMaximas,
           std::to_string(s.muestrasPorSegundo) + " samples per second");
    EXIGIR(s.bitsPorMuestra == 8 || s.bitsPorMuestra == 16 || s.bitsPorMuestra == 24 || s.bitsPorMuestra == 32,
           std::to_string(s.bitsPorMuestra) + " bits");
    EXIGIR(s.datos.size() + 44 <= tamano && s.datos.size() % s.BytesPorFotograma() == 0,
           std::to_string(s.datos.size()) + " bytes of data in a file of " + std::to_string(tamano));
    EXIGIR(s.Fotogramas() * s.BytesPorFotograma() == s.datos.size(), "frames");
    const double segundos = s.Segundos();
    EXIGIR(std::isfinite(segundos) && segundos >= 0, D(segundos) + " s");
    // The first and last frames and a few between: every channel in range.
    const std::size_t n = s.Fotogramas();
    for (std::size_t f = 0; f < n; f += n / 16 + 1) {
        for (int c = 0; c < s.canales; ++c) {
            const double m = s.Muestra(f, c);
            EXIGIR(m >= -1 && m < 1, "sample " + D(m) + " at frame " + std::to_string(f));
        }
    }
    EXIGIR(s.Muestra(n, 0) == 0 && s.Muestra(0, s.canales) == 0 && s.Muestra(0, -1) == 0, "a sample outside");

    const Calculos::LecturaWav otra = Calculos::LeerWav(Calculos::EscribirWav(s));
    EXIGIR(otra.error == ErrorWav::Ninguno && otra.sonido.canales == s.canales &&
               otra.sonido.muestrasPorSegundo == s.muestrasPorSegundo &&
               otra.sonido.bitsPorMuestra == s.bitsPorMuestra && otra.sonido.datos == s.datos,
           "written back, it reads differently");
    return 0;
}
