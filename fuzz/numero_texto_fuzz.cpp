// NumeroATexto on any 8-byte double, and Redondear on it: the text is C's
// "%.15G" with a comma, never "-0", and reads back to a double that writes
// the same text again.

#include "fuzz/comun.h"

#include <cmath>
#include <limits>

using namespace Fuzz;

namespace {

// The reference: C's own "%.15G" (this program runs in the "C" locale), with
// the program's comma and without the minus of -0.
std::string FormatoC(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", v);
    std::string s = buffer;
    for (char &c : s)
        if (c == '.')
            c = ',';
    return s == "-0" ? "0" : s;
}

void Redondeo(double v, int decimales)
{
    const double r = Calculos::Redondear(v, decimales);
    const std::string que = "Redondear(" + D(v) + ", " + std::to_string(decimales) + ")";
    if (!std::isfinite(v)) {
        EXIGIR(std::isnan(v) ? std::isnan(r) : r == v, que + " = " + D(r));
        return;
    }
    EXIGIR(std::isfinite(r), que + " = " + D(r));
    EXIGIR(!EsCeroNegativo(r), que + " gave -0");
    // Half a unit of the last decimal kept, and what the decimal scaling
    // itself may add.
    const long double unidad = std::pow(10.0L, -decimales);
    const long double error = std::fabs(static_cast<long double>(r) - v);
    EXIGIR(error <= unidad / 2 * (1 + 1e-12L) + std::fabs(static_cast<long double>(v)) * 1e-15L,
           que + " = " + D(r) + " is too far");
    Mostrable(r, que);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    const double v = DeBits(datos.ConsumeIntegral<std::uint64_t>());
    const int decimales = datos.ConsumeIntegralInRange<int>(-20, 20);

    const std::string texto = Calculos::NumeroATexto(v);
    if (!std::isfinite(v)) {
        EXIGIR(texto.empty(), D(v) + " written as " + T(texto));
    } else {
        EXIGIR(texto == FormatoC(v), D(v) + " written as " + T(texto) + ", C writes " + T(FormatoC(v)));
        Mostrable(v, "NumeroATexto");
        const double leido = *Calculos::TextoANumero(texto);
        // 15 significant digits: within half a unit of the 15th, and the
        // unit in the last place the reading rounds to.
        if (std::fabs(v) >= std::numeric_limits<double>::min()) {
            const long double media = 0.5L * std::pow(10.0L, std::floor(std::log10(std::fabs(v))) - 14);
            const long double ulp = std::nextafter(std::fabs(v), HUGE_VAL) - std::fabs(v);
            EXIGIR(std::fabs(static_cast<long double>(leido) - v) <= media + ulp, D(v) + " read back as " + D(leido));
        }
        // Once written, a value is a fixed point: bit for bit, -0 aside.
        const double otra = *Calculos::TextoANumero(Calculos::NumeroATexto(leido));
        EXIGIR(std::memcmp(&otra, &leido, sizeof otra) == 0, D(leido) + " came back as " + D(otra));
        EXIGIR(!EsCeroNegativo(leido), T(texto) + " read as -0");
    }
    Redondeo(v, decimales);
    return 0;
}
