#include "core/formula_quimica.h"

#include "core/elementos.h"

#include <array>
#include <climits>
#include <optional>

namespace Calculos {

bool EsBlanco(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Recortar(std::string_view t)
{
    while (!t.empty() && EsBlanco(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && EsBlanco(t.back()))
        t.remove_suffix(1);
    return t;
}

namespace {

constexpr int kProfundidadMaxima = 64;

// Subscript digits ₀-₉ are U+2080..U+2089: E2 82 80..89.
int DigitoSubindice(std::string_view t, std::size_t i)
{
    if (t.size() - i >= 3 && static_cast<unsigned char>(t[i]) == 0xE2 && static_cast<unsigned char>(t[i + 1]) == 0x82) {
        const auto c = static_cast<unsigned char>(t[i + 2]);
        if (c >= 0x80 && c <= 0x89)
            return c - 0x80;
    }
    return -1;
}

// Superscript digits: ⁰ U+2070, ¹ U+00B9, ² U+00B2, ³ U+00B3, ⁴-⁹ U+2074..2079.
constexpr std::array<std::string_view, 10> kSuperindices = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
constexpr std::array<std::string_view, 10> kSubindices = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};

bool Sumar(long long a, long long b, long long &r)
{
    return !__builtin_add_overflow(a, b, &r);
}
bool Multiplicar(long long a, long long b, long long &r)
{
    return !__builtin_mul_overflow(a, b, &r);
}

class Lector {
public:
    explicit Lector(std::string_view t) : m_t(t) {}

    bool Fin() const { return m_i >= m_t.size(); }
    ErrorLectura error = ErrorLectura::Ninguno;
    std::string simbolo;

    // A count of plain or subscript digits; nothing when none is there, and an
    // error for 0 or one past a long long.
    std::optional<long long> Cuenta()
    {
        bool alguno = false;
        long long valor = 0;
        while (!Fin()) {
            int d = -1;
            std::size_t largo = 1;
            if (m_t[m_i] >= '0' && m_t[m_i] <= '9') {
                d = m_t[m_i] - '0';
            } else if ((d = DigitoSubindice(m_t, m_i)) >= 0) {
                largo = 3;
            } else {
                break;
            }
            if (!Multiplicar(valor, 10, valor) || !Sumar(valor, d, valor))
                return Fallo();
            alguno = true;
            m_i += largo;
        }
        if (!alguno)
            return std::nullopt;
        if (valor == 0)
            return Fallo();
        return valor;
    }

    // Terms until the end, a closing bracket or a hydrate separator.
    bool Terminos(std::vector<NodoFormula> &terminos, int profundidad)
    {
        if (profundidad > kProfundidadMaxima)
            return Fallo().has_value();
        while (!Fin() && error == ErrorLectura::Ninguno) {
            const char c = m_t[m_i];
            NodoFormula nodo;
            if (c >= 'A' && c <= 'Z') {
                std::size_t fin = m_i + 1;
                while (fin < m_t.size() && m_t[fin] >= 'a' && m_t[fin] <= 'z')
                    ++fin;
                nodo.simbolo = std::string(m_t.substr(m_i, fin - m_i));
                if (BuscarElemento(nodo.simbolo) == nullptr) {
                    error = ErrorLectura::SimboloDesconocido;
                    simbolo = nodo.simbolo;
                    return false;
                }
                m_i = fin;
            } else if (c == '(' || c == '[') {
                ++m_i;
                nodo.cierre = c == '(' ? ')' : ']';
                if (!Terminos(nodo.grupo, profundidad + 1))
                    return false;
                if (Fin() || m_t[m_i] != nodo.cierre || nodo.grupo.empty())
                    return Fallo().has_value();
                ++m_i;
            } else {
                break;
            }
            if (auto n = Cuenta())
                nodo.cuenta = *n;
            if (error != ErrorLectura::Ninguno)
                return false;
            terminos.push_back(std::move(nodo));
        }
        return error == ErrorLectura::Ninguno;
    }

    // The length of a hydrate separator at the current place, or 0.
    std::size_t Separador() const
    {
        if (Fin())
            return 0;
        for (std::string_view s : {".", "*", "·", "•", "⋅"})
            if (m_t.substr(m_i, s.size()) == s)
                return s.size();
        return 0;
    }

    std::size_t i() const { return m_i; }
    void Avanzar(std::size_t n) { m_i += n; }

    std::optional<long long> Fallo()
    {
        if (error == ErrorLectura::Ninguno)
            error = ErrorLectura::Sintaxis;
        return std::nullopt;
    }

private:
    std::string_view m_t;
    std::size_t m_i = 0;
};

bool QuitarFinal(std::string_view &t, std::string_view final)
{
    if (t.size() < final.size() || t.substr(t.size() - final.size()) != final)
        return false;
    t.remove_suffix(final.size());
    return true;
}

// Magnitude digits of a charge, plain or superscript, then a sign, or the
// sign first: "2-", "-2", "+", "²⁻". Nothing when the text is not one.
std::optional<int> LeerCarga(std::string_view t, bool superindice)
{
    int signo = 0;
    auto tomarSigno = [&](bool alFinal) {
        for (auto [texto, valor] :
             {std::pair<std::string_view, int>{"+", 1}, {"-", -1}, {"−", -1}, {"⁺", 1}, {"⁻", -1}})
            if (alFinal ? QuitarFinal(t, texto) : t.substr(0, texto.size()) == texto) {
                if (!alFinal)
                    t.remove_prefix(texto.size());
                signo = valor;
                return true;
            }
        return false;
    };
    if (!tomarSigno(true) && !tomarSigno(false))
        return std::nullopt;
    long long magnitud = 0;
    bool alguno = false;
    while (!t.empty()) {
        int d = -1;
        std::size_t largo = 1;
        if (!superindice && t[0] >= '0' && t[0] <= '9') {
            d = t[0] - '0';
        } else {
            for (int k = 0; k < 10; ++k)
                if (t.substr(0, kSuperindices[static_cast<std::size_t>(k)].size()) ==
                    kSuperindices[static_cast<std::size_t>(k)]) {
                    d = k;
                    largo = kSuperindices[static_cast<std::size_t>(k)].size();
                }
        }
        if (d < 0)
            return std::nullopt;
        magnitud = magnitud * 10 + d;
        if (magnitud > INT_MAX)
            return std::nullopt;
        alguno = true;
        t.remove_prefix(largo);
    }
    if (alguno && magnitud == 0)
        return std::nullopt;
    return signo * static_cast<int>(alguno ? magnitud : 1);
}

// The superscript charge at the end of a text ("²⁻", "⁺"), and where it starts.
std::optional<std::pair<int, std::size_t>> CargaSuperindice(std::string_view t)
{
    std::size_t inicio = t.size();
    std::string_view resto = t;
    if (!QuitarFinal(resto, "⁺") && !QuitarFinal(resto, "⁻"))
        return std::nullopt;
    inicio = resto.size();
    for (bool seguir = true; seguir;) {
        seguir = false;
        for (std::string_view s : kSuperindices)
            if (QuitarFinal(resto, s)) {
                inicio = resto.size();
                seguir = true;
                break;
            }
    }
    const auto carga = LeerCarga(t.substr(inicio), true);
    if (!carga)
        return std::nullopt;
    return std::pair{*carga, inicio};
}

// Totals of one list of terms times a factor, added into the map; false when a
// count does not fit.
bool Acumular(const std::vector<NodoFormula> &terminos, long long factor, std::map<std::string, long long> &cuentas,
              int profundidad)
{
    if (profundidad > kProfundidadMaxima + 1)
        return false;
    for (const NodoFormula &n : terminos) {
        long long f = 0;
        if (!Multiplicar(factor, n.cuenta, f))
            return false;
        if (n.simbolo.empty()) {
            if (!Acumular(n.grupo, f, cuentas, profundidad + 1))
                return false;
        } else {
            long long &total = cuentas[n.simbolo];
            if (!Sumar(total, f, total))
                return false;
        }
    }
    return true;
}

bool ContarExacto(const FormulaQuimica &f, std::map<std::string, long long> &cuentas)
{
    if (!Acumular(f.terminos, 1, cuentas, 0))
        return false;
    for (const auto &[multiplo, terminos] : f.aductos)
        if (!Acumular(terminos, multiplo, cuentas, 0))
            return false;
    return true;
}

void EscribirNumero(long long n, const std::array<std::string_view, 10> &cifras, std::string &s)
{
    const std::string decimal = std::to_string(n);
    for (char c : decimal)
        if (c >= '0' && c <= '9')
            s += cifras[static_cast<std::size_t>(c - '0')];
}

void EscribirTerminos(const std::vector<NodoFormula> &terminos, std::string &s)
{
    for (const NodoFormula &n : terminos) {
        if (n.simbolo.empty()) {
            s += n.cierre == ']' ? '[' : '(';
            EscribirTerminos(n.grupo, s);
            s += n.cierre == ']' ? ']' : ')';
        } else {
            s += n.simbolo;
        }
        if (n.cuenta != 1)
            EscribirNumero(n.cuenta, kSubindices, s);
    }
}

} // namespace

LecturaFormula LeerFormulaQuimica(std::string_view texto)
{
    LecturaFormula r;
    auto sintaxis = [&r] {
        r.formula = {};
        r.error = ErrorLectura::Sintaxis;
        return r;
    };
    std::string_view t = Recortar(texto);
    if (t.empty()) {
        r.error = ErrorLectura::Vacia;
        return r;
    }
    for (std::string_view estado : {"s", "l", "g", "aq"})
        if (QuitarFinal(t, "(" + std::string(estado) + ")")) {
            r.formula.estado = std::string(estado);
            t = Recortar(t);
            break;
        }

    if (const auto intercalacion = t.find('^'); intercalacion != std::string_view::npos) {
        const auto carga = LeerCarga(t.substr(intercalacion + 1), false);
        if (!carga)
            return sintaxis();
        r.formula.carga = *carga;
        t = t.substr(0, intercalacion);
    } else if (const auto carga = CargaSuperindice(t)) {
        r.formula.carga = carga->first;
        t = t.substr(0, carga->second);
    }

    if (t == "e") {
        if (r.formula.carga != -1)
            return sintaxis();
        r.formula.electron = true;
        return r;
    }
    if (t.empty())
        return sintaxis();

    Lector lector(t);
    // An unknown symbol is named; anything else is bad syntax.
    const auto fallo = [&] {
        if (lector.error != ErrorLectura::SimboloDesconocido)
            return sintaxis();
        r.formula = {};
        r.error = lector.error;
        r.simbolo = lector.simbolo;
        return r;
    };
    if (!lector.Terminos(r.formula.terminos, 0) || r.formula.terminos.empty()) {
        return fallo();
    }
    while (!lector.Fin()) {
        const std::size_t separador = lector.Separador();
        if (separador == 0)
            return sintaxis();
        lector.Avanzar(separador);
        const long long multiplo = lector.Cuenta().value_or(1);
        std::vector<NodoFormula> terminos;
        if (!lector.Terminos(terminos, 0) || terminos.empty()) {
            return fallo();
        }
        r.formula.aductos.emplace_back(multiplo, std::move(terminos));
    }
    std::map<std::string, long long> cuentas;
    if (!ContarExacto(r.formula, cuentas))
        return sintaxis();
    return r;
}

std::map<std::string, long long> ContarAtomos(const FormulaQuimica &f)
{
    std::map<std::string, long long> cuentas;
    if (!ContarExacto(f, cuentas)) {
        // Only a formula built by hand gets here: keep what overflowed at the top.
        cuentas.clear();
        auto saturar = [&cuentas](const std::vector<NodoFormula> &terminos, long long factor, auto &&yo) -> void {
            for (const NodoFormula &n : terminos) {
                long long producto = 0;
                if (!Multiplicar(factor, n.cuenta, producto))
                    producto = LLONG_MAX;
                if (n.simbolo.empty()) {
                    yo(n.grupo, producto, yo);
                } else {
                    long long &total = cuentas[n.simbolo];
                    if (!Sumar(total, producto, total))
                        total = LLONG_MAX;
                }
            }
        };
        saturar(f.terminos, 1, saturar);
        for (const auto &[multiplo, terminos] : f.aductos)
            saturar(terminos, multiplo, saturar);
    }
    return cuentas;
}

std::string EscribirFormula(const FormulaQuimica &f)
{
    std::string s;
    if (f.electron) {
        s = "e";
    } else {
        EscribirTerminos(f.terminos, s);
        for (const auto &[multiplo, terminos] : f.aductos) {
            s += "·";
            if (multiplo != 1)
                s += std::to_string(multiplo);
            EscribirTerminos(terminos, s);
        }
    }
    if (f.carga != 0) {
        const long long magnitud = f.carga < 0 ? -static_cast<long long>(f.carga) : f.carga;
        if (magnitud != 1)
            EscribirNumero(magnitud, kSuperindices, s);
        s += f.carga < 0 ? "⁻" : "⁺";
    }
    if (!f.estado.empty())
        s += "(" + f.estado + ")";
    return s;
}

} // namespace Calculos
