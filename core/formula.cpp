#include "core/formula.h"

#include "core/elementos.h"

namespace Calculos {

namespace {

bool EsDigito(char c)
{
    return c >= '0' && c <= '9';
}

double MasaDeSimbolo(std::string_view s, std::size_t longitud)
{
    if (s.size() != longitud)
        return 0.0;
    const Elemento *e = BuscarElemento(s);
    return e != nullptr ? e->masaCalculo : 0.0;
}

std::string_view QuitarBlancos(std::string_view s)
{
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string_view::npos)
        return {};
    const auto fin = s.find_last_not_of(' ');
    return s.substr(inicio, fin - inicio + 1);
}

} // namespace

std::string TipoCaracter(std::string_view c)
{
    return c.size() == 1 && EsDigito(c[0]) ? "Numero" : "Letra";
}

double ValorDigito(std::string_view c)
{
    return c.size() == 1 && EsDigito(c[0]) ? static_cast<double>(c[0] - '0') : 0.0;
}

double MasaAtomicaSimple(std::string_view s)
{
    return MasaDeSimbolo(s, 1);
}

double MasaAtomicaDoble(std::string_view s)
{
    return MasaDeSimbolo(s, 2);
}

AnalisisFormula AnalizarFormula(std::string_view formula)
{
    AnalisisFormula r{0.0, ErrorFormula::Ninguno, {}};
    if (formula.empty()) {
        r.error = ErrorFormula::Vacia;
        return r;
    }
    std::string_view s = QuitarBlancos(formula);
    if (!s.empty() && EsDigito(s.front())) {
        r.error = ErrorFormula::EmpiezaPorNumero;
        return r;
    }

    double suma = 0.0;
    do {
        double cuenta = 0.0;
        double lugar = 1.0;
        while (!s.empty() && EsDigito(s.back())) {
            const double d = s.back() - '0';
            // Past 308 digits the place value is infinite; a zero digit must
            // not turn the count into NaN.
            if (d != 0.0)
                cuenta += d * lugar;
            lugar *= 10.0;
            s.remove_suffix(1);
        }
        if (cuenta == 0.0)
            cuenta = 1.0;

        std::size_t largo = 2;
        double masa = s.size() >= 2 ? MasaAtomicaDoble(s.substr(s.size() - 2)) : 0.0;
        if (masa == 0.0) {
            largo = 1;
            masa = s.empty() ? 0.0 : MasaAtomicaSimple(s.substr(s.size() - 1));
        }
        if (masa == 0.0) {
            r.error = ErrorFormula::SimboloDesconocido;
            return r;
        }
        r.grupos.push_back({std::string(s.substr(s.size() - largo)), masa, cuenta});
        s.remove_suffix(largo);
        suma += masa * cuenta;
    } while (!s.empty());

    r.masa = suma;
    return r;
}

} // namespace Calculos
