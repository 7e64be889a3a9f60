#pragma once

// What every fuzzer shares: reading numbers and texts out of the fuzzer's
// bytes, and the checks on what the program would put on screen.

#include "core/numeros.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace Fuzz {

// A broken invariant: say which and stop, so libFuzzer keeps the input.
[[noreturn]] inline void Roto(const char *donde, int linea, const char *condicion, const std::string &detalle)
{
    std::fprintf(stderr, "\n*** invariant broken at %s:%d: %s\n    %s\n", donde, linea, condicion, detalle.c_str());
    std::fflush(stderr);
    std::abort();
}

#define EXIGIR(condicion, detalle)                                                                                     \
    do {                                                                                                               \
        if (!(condicion))                                                                                              \
            ::Fuzz::Roto(__FILE__, __LINE__, #condicion, (detalle));                                                   \
    } while (false)

// Every digit of a double, for the messages.
inline std::string D(double v)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

inline std::string T(std::string_view t)
{
    std::string s = "\"";
    for (unsigned char c : t) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            s.push_back(static_cast<char>(c));
        } else {
            char e[8];
            std::snprintf(e, sizeof e, "\\x%02X", c);
            s += e;
        }
    }
    return s + "\"";
}

inline bool EsCeroNegativo(double v)
{
    return v == 0.0 && std::signbit(v);
}

inline bool Contiene(std::string_view texto, std::string_view trozo)
{
    for (std::size_t i = 0; i + trozo.size() <= texto.size(); ++i) {
        bool igual = true;
        for (std::size_t k = 0; k < trozo.size() && igual; ++k) {
            const char c = texto[i + k];
            const char minuscula = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            igual = minuscula == trozo[k];
        }
        if (igual)
            return true;
    }
    return false;
}

// A value that the program writes into a box or a label: finite, and its
// text is a number that reads back to a value with the same text.
inline void Mostrable(double v, const std::string &que)
{
    EXIGIR(std::isfinite(v), que + " = " + D(v) + " would reach a text");
    const std::string t = Calculos::NumeroATexto(v);
    EXIGIR(!t.empty(), que + " = " + D(v) + " has no text");
    EXIGIR(t != "-0" && !Contiene(t, "inf") && !Contiene(t, "nan"), que + " written as " + T(t));
    const auto leido = Calculos::TextoANumero(t);
    EXIGIR(leido.has_value(), que + ": " + T(t) + " does not read back");
    EXIGIR(Calculos::NumeroATexto(*leido) == t, que + ": " + T(t) + " reads back as " + D(*leido));
    EXIGIR(std::signbit(*leido) == std::signbit(v) || v == 0.0, que + ": " + T(t) + " changed sign");
}

// A value rounded for its box: its text carries at most `decimales`
// decimals (past 15 digits a double holds no exact decimals to check).
inline void Redondeado(double v, int decimales, const std::string &que)
{
    const std::string t = Calculos::NumeroATexto(v);
    const auto e = t.find('E');
    if (e != std::string::npos) {
        EXIGIR(t[e + 1] == '+', que + " = " + T(t) + " is not rounded to " + std::to_string(decimales) + " decimals");
        return;
    }
    const auto coma = t.find(',');
    EXIGIR(coma == std::string::npos || t.size() - coma - 1 <= static_cast<std::size_t>(decimales),
           que + " = " + T(t) + " is not rounded to " + std::to_string(decimales) + " decimals");
}

inline double DeBits(std::uint64_t bits)
{
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// Numbers as they reach the rules. Mostly what a box would give (a typed
// text read with TextoANumero, or a short decimal), sometimes any double at
// all, NaN, infinities, -0 and subnormals included.
inline double Numero(FuzzedDataProvider &datos)
{
    switch (datos.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return DeBits(datos.ConsumeIntegral<std::uint64_t>());
    case 1: {
        const std::string texto = datos.ConsumeRandomLengthString(32);
        return Calculos::TextoANumero(texto).value_or(0.0);
    }
    case 2: {
        const auto entero = datos.ConsumeIntegralInRange<std::int64_t>(-10'000'000, 10'000'000);
        return static_cast<double>(entero) / std::pow(10.0, datos.ConsumeIntegralInRange<int>(0, 9));
    }
    default:
        return static_cast<double>(datos.ConsumeIntegralInRange<int>(-100, 100));
    }
}

// As Numero, but only what a box can hold: finite, and never -0.
inline double NumeroDeCaja(FuzzedDataProvider &datos)
{
    const double v = Numero(datos);
    if (!std::isfinite(v) || v == 0.0)
        return 0.0;
    return v;
}

// Texts as typed or pasted into a box: usually close to a number.
inline std::string TextoDeCaja(FuzzedDataProvider &datos)
{
    if (datos.ConsumeBool())
        return datos.ConsumeRandomLengthString(40);
    return Calculos::NumeroATexto(Numero(datos));
}

} // namespace Fuzz
