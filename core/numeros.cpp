#include "core/numeros.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace Calculos {

namespace {

// Past 2^52 a double has no fractional part left to round; adding the half
// there would only move the value by one unit.
constexpr double kSinFraccion = 4503599627370496.0;

bool EsBlanco(char c)
{
    return c == ' ' || c == '\t';
}

bool EsDigito(char c)
{
    return c >= '0' && c <= '9';
}

// Strict grammar check; on success `normal` holds the text with a dot as the
// decimal separator and without a leading '+', ready for from_chars.
bool Normalizar(std::string_view t, std::string &normal)
{
    std::size_t i = 0;
    std::size_t n = t.size();
    while (i < n && EsBlanco(t[i]))
        ++i;
    while (n > i && EsBlanco(t[n - 1]))
        --n;
    normal.clear();
    normal.reserve(n - i);
    if (i < n && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-')
            normal.push_back('-');
        ++i;
    }
    int digitos = 0;
    bool coma = false;
    for (; i < n; ++i) {
        const char c = t[i];
        if (EsDigito(c)) {
            ++digitos;
            normal.push_back(c);
        } else if (c == ',' && !coma) {
            coma = true;
            normal.push_back('.');
        } else {
            break;
        }
    }
    if (digitos == 0)
        return false;
    if (i < n && (t[i] == 'E' || t[i] == 'e')) {
        normal.push_back('e');
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            normal.push_back(t[i++]);
        const std::size_t inicio = i;
        while (i < n && EsDigito(t[i]))
            normal.push_back(t[i++]);
        if (i == inicio)
            return false;
    }
    return i == n;
}

// Values that do not fit: from_chars reports both overflow and underflow;
// only overflow makes the text a non-number. NumeroATexto writes the largest
// doubles with 15 digits as "1,79769313486232E+308", just past the largest
// double: up to that text a value reads as the largest double, so that what
// the program writes it can read back.
std::optional<double> FueraDeRango(const std::string &normal)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    const double v = strtod_l(normal.c_str(), nullptr, c);
    if (!std::isinf(v))
        return v;
    const long double largo = strtold_l(normal.c_str(), nullptr, c);
    if (std::fabs(largo) <= 1.79769313486232e308L)
        return std::copysign(std::numeric_limits<double>::max(), v);
    return std::nullopt;
}

} // namespace

double Redondear(double valor, int decimales)
{
    if (!std::isfinite(valor) || valor == 0.0)
        return valor == 0.0 ? 0.0 : valor;
    const double p = std::pow(10.0, decimales);
    if (p == 0.0)
        return 0.0;
    const double escalado = valor * p;
    if (!std::isfinite(escalado) || std::fabs(escalado) >= kSinFraccion)
        return valor;
    const double a = valor >= 0 ? 0.5 : -0.5;
    const double r = std::trunc(escalado + a) / p;
    return r == 0.0 ? 0.0 : r;
}

std::string NumeroATexto(double v)
{
    if (!std::isfinite(v))
        return {};
    if (v == 0.0)
        return "0";
    char buffer[40];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 15);
    std::string texto(buffer, res.ptr);
    for (char &c : texto) {
        if (c == '.')
            c = ',';
        else if (c == 'e')
            c = 'E';
    }
    return texto;
}

std::optional<double> TextoANumero(std::string_view t)
{
    std::string normal;
    if (!Normalizar(t, normal))
        return std::nullopt;
    double v = 0.0;
    const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        const auto r = FueraDeRango(normal);
        if (!r)
            return std::nullopt;
        v = *r;
    } else if (res.ec != std::errc() || res.ptr != normal.data() + normal.size()) {
        return std::nullopt;
    }
    return v == 0.0 ? 0.0 : v;
}

bool EsNumerico(std::string_view t)
{
    return TextoANumero(t).has_value();
}

Veredicto JuzgarTecla(TipoFiltro tipo, std::string_view texto)
{
    // Keys without text, Backspace, Enter, Tab, Escape and Ctrl combinations
    // never insert anything: the filters leave them alone.
    if (texto.empty() || (texto.size() == 1 && (static_cast<unsigned char>(texto[0]) < 0x20 || texto[0] == 0x7f)))
        return Veredicto::Pasa;

    bool aceptado = true;
    for (char c : texto)
        aceptado = aceptado && (EsDigito(c) || c == ',' || (c == '-' && tipo == TipoFiltro::DecimalConSigno));
    if (aceptado)
        return Veredicto::Pasa;

    const bool punto = texto == ".";
    switch (tipo) {
    case TipoFiltro::Decimal:
    case TipoFiltro::DecimalConSigno:
        return punto ? Veredicto::Coma : Veredicto::Descarta;
    case TipoFiltro::Entero:
        return Veredicto::Descarta;
    case TipoFiltro::ConMensaje:
        return punto ? Veredicto::AvisoComa : Veredicto::AvisoCaracter;
    }
    return Veredicto::Descarta;
}

TextoFiltrado FiltrarTexto(TipoFiltro tipo, std::string_view texto)
{
    TextoFiltrado filtrado;
    std::size_t i = 0;
    while (i < texto.size()) {
        // One UTF-8 character: its lead byte gives its length.
        const auto lider = static_cast<unsigned char>(texto[i]);
        std::size_t largo = 1;
        if (lider >= 0xf0)
            largo = 4;
        else if (lider >= 0xe0)
            largo = 3;
        else if (lider >= 0xc0)
            largo = 2;
        const std::string_view caracter = texto.substr(i, largo);
        i += largo;
        if (caracter.size() == 1 && (lider < 0x20 || lider == 0x7f))
            continue;
        const Veredicto v = JuzgarTecla(tipo, caracter);
        switch (v) {
        case Veredicto::Pasa:
            filtrado.texto += caracter;
            break;
        case Veredicto::Descarta:
            break;
        case Veredicto::Coma:
            filtrado.texto += ',';
            break;
        case Veredicto::AvisoComa:
        case Veredicto::AvisoCaracter:
            filtrado.texto += caracter;
            if (std::find(filtrado.avisos.begin(), filtrado.avisos.end(), v) == filtrado.avisos.end())
                filtrado.avisos.push_back(v);
            break;
        }
    }
    return filtrado;
}

std::optional<double> Finito(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace Calculos
