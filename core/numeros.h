#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Calculos {

// Rounds half away from zero to the given number of decimals (a negative
// count rounds to tens, hundreds, ...). The halfway decision is taken on the
// double value x 10^decimales as it stands, so 1.005 rounds to 1 at two
// decimals. Never returns -0; infinities and NaN come back unchanged.
double Redondear(double valor, int decimales);

// The program's text form of a number: up to 15 significant digits, no
// trailing zeros, a decimal comma and an upper-case exponent when one is
// needed ("0,5", "18,0148", "1,5E-05", "1E+15"). Never "-0". NaN and the
// infinities have no text form: they give the empty text.
std::string NumeroATexto(double v);

// Reads a number written with the decimal comma: optional blanks around, an
// optional sign, digits with at most one comma, an optional exponent. The
// decimal separator never depends on the machine's locale. Gives nothing
// for anything else, and for values too large for a double (past
// "1,79769313486232E+308", the largest double's own text, which reads as it).
std::optional<double> TextoANumero(std::string_view t);

bool EsNumerico(std::string_view t);

// The value when it is a finite number; nothing for the infinities and NaN,
// which have no text.
std::optional<double> Finito(double v);

// Keystroke filters of the numeric fields.
enum class TipoFiltro {
    Decimal,         // digits and the comma; a dot becomes a comma
    DecimalConSigno, // as Decimal, and the minus sign
    Entero,          // digits and the comma; a dot is refused
    ConMensaje,      // digits and the comma; anything else is let in after a message
};

enum class Veredicto {
    Pasa,          // the character enters the field
    Descarta,      // the character does not remain in the field
    Coma,          // the character is replaced by a comma
    AvisoComa,     // "use the comma" message, then the character enters
    AvisoCaracter, // "invalid character" message, then the character enters
};

// What a filter does with the text of one key press. Backspace ("\b"), Enter
// ("\r"), keys without text and other control characters always pass.
Veredicto JuzgarTecla(TipoFiltro tipo, std::string_view texto);

// What a filter makes of a text that enters a field at once (pasted, dropped):
// each character judged in turn as if it had been typed. Control characters
// (line breaks, tabs) type nothing and are dropped. A message is given once
// per text however many characters call for it; `avisos` lists them in the
// order they were first met.
struct TextoFiltrado {
    std::string texto;
    std::vector<Veredicto> avisos;
};
TextoFiltrado FiltrarTexto(TipoFiltro tipo, std::string_view texto);

} // namespace Calculos
