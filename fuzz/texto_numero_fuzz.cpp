// TextoANumero and EsNumerico on any text, against a separate reading of the
// grammar and C's strtod; and the keystroke filters on the same text.

#include "fuzz/comun.h"

#include <limits>

using namespace Fuzz;

namespace {

bool Blanco(char c)
{
    return c == ' ' || c == '\t';
}

bool Digito(char c)
{
    return c >= '0' && c <= '9';
}

bool Signo(char c)
{
    return c == '+' || c == '-';
}

// The grammar as an automaton, written apart from the program's own scanner.
// On acceptance `c` holds the text as C's strtod reads it.
bool Gramatica(std::string_view t, std::string &c)
{
    enum Estado { Inicio, TrasSigno, Entero, ComaSola, Fraccion, E, SignoE, Exponente, Final, Error };
    Estado e = Inicio;
    c.clear();
    for (char ch : t) {
        Estado siguiente = Error;
        switch (e) {
        case Inicio:
            siguiente = Blanco(ch)   ? Inicio
                        : Signo(ch)  ? TrasSigno
                        : Digito(ch) ? Entero
                        : ch == ','  ? ComaSola
                                     : Error;
            break;
        case TrasSigno:
            siguiente = Digito(ch) ? Entero : ch == ',' ? ComaSola : Error;
            break;
        case Entero:
            siguiente = Digito(ch)               ? Entero
                        : ch == ','              ? Fraccion
                        : ch == 'E' || ch == 'e' ? E
                        : Blanco(ch)             ? Final
                                                 : Error;
            break;
        case ComaSola:
            siguiente = Digito(ch) ? Fraccion : Error;
            break;
        case Fraccion:
            siguiente = Digito(ch) ? Fraccion : ch == 'E' || ch == 'e' ? E : Blanco(ch) ? Final : Error;
            break;
        case E:
            siguiente = Signo(ch) ? SignoE : Digito(ch) ? Exponente : Error;
            break;
        case SignoE:
        case Exponente:
            siguiente = Digito(ch) ? Exponente : Blanco(ch) && e == Exponente ? Final : Error;
            break;
        case Final:
            siguiente = Blanco(ch) ? Final : Error;
            break;
        case Error:
            break;
        }
        if (siguiente == Error)
            return false;
        if (!Blanco(ch))
            c.push_back(ch == ',' ? '.' : ch);
        e = siguiente;
    }
    return e == Entero || e == Fraccion || e == Exponente || e == Final;
}

void Filtros(std::string_view t)
{
    using Calculos::TipoFiltro;
    using Calculos::Veredicto;
    const Veredicto decimal = Calculos::JuzgarTecla(TipoFiltro::Decimal, t);
    const Veredicto conSigno = Calculos::JuzgarTecla(TipoFiltro::DecimalConSigno, t);
    const Veredicto entero = Calculos::JuzgarTecla(TipoFiltro::Entero, t);
    const Veredicto mensaje = Calculos::JuzgarTecla(TipoFiltro::ConMensaje, t);
    EXIGIR(decimal != Veredicto::AvisoComa && decimal != Veredicto::AvisoCaracter, T(t));
    EXIGIR(entero == Veredicto::Pasa || entero == Veredicto::Descarta, T(t));
    EXIGIR(mensaje != Veredicto::Descarta && mensaje != Veredicto::Coma, T(t));
    // The signed filter lets in all the plain one does, and the minus.
    EXIGIR(decimal != Veredicto::Pasa || conSigno == Veredicto::Pasa, T(t));
    // A whole text that passes leaves only digits, commas and minus signs
    // (or is a control key) in the box.
    if (conSigno == Veredicto::Pasa && t.size() > 1) {
        for (char c : t)
            EXIGIR(Digito(c) || c == ',' || c == '-', T(t) + " passes");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    const std::string_view texto(reinterpret_cast<const char *>(bytes), tamano);
    const std::optional<double> v = Calculos::TextoANumero(texto);
    EXIGIR(Calculos::EsNumerico(texto) == v.has_value(), T(texto));

    std::string c;
    const bool gramatica = Gramatica(texto, c);
    if (!gramatica) {
        EXIGIR(!v, T(texto) + " is not a number, read as " + D(v.value_or(0)));
    } else {
        double referencia = std::strtod(c.c_str(), nullptr);
        // Up to the largest double's own 15-digit text, a value reads as it.
        if (std::isinf(referencia) && std::fabs(std::strtold(c.c_str(), nullptr)) <= 1.79769313486232e308L)
            referencia = std::copysign(std::numeric_limits<double>::max(), referencia);
        if (std::isinf(referencia)) {
            EXIGIR(!v, T(texto) + " is too large, read as " + D(v.value_or(0)));
        } else {
            EXIGIR(v.has_value(), T(texto) + " is a number (" + D(referencia) + ")");
            const double esperado = referencia + 0.0; // no -0
            EXIGIR(std::memcmp(&*v, &esperado, sizeof esperado) == 0,
                   T(texto) + " read as " + D(*v) + ", strtod gives " + D(referencia));
            Mostrable(*v, "TextoANumero(" + T(texto) + ")");
        }
    }
    if (tamano <= 8)
        Filtros(texto);
    return 0;
}
