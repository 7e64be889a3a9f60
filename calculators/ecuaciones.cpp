#include "calculators/ecuaciones.h"

#include "core/formula.h"
#include "core/numeros.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <numeric>

namespace Calculos {
namespace {

__extension__ typedef __int128 Entero128;

// Where the one arrow is and how long it is; nothing when there is none or
// more than one.
std::optional<std::pair<std::size_t, std::size_t>> Flecha(std::string_view t)
{
    std::optional<std::pair<std::size_t, std::size_t>> hallada;
    int cuantas = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        std::size_t largo = 0;
        if (t.substr(i, 2) == "->" || t.substr(i, 2) == "=>")
            largo = 2;
        else if (t.substr(i, 3) == "→")
            largo = 3;
        else if (t[i] == '=')
            largo = 1;
        if (largo == 0)
            continue;
        ++cuantas;
        hallada = std::pair{i, largo};
        i += largo - 1;
    }
    if (cuantas != 1)
        return std::nullopt;
    return hallada;
}

// The species of one side, split at each "+" with blanks on both sides, their
// typed coefficients dropped.
std::optional<std::vector<std::string_view>> Especies(std::string_view lado)
{
    std::vector<std::string_view> especies;
    std::size_t inicio = 0;
    for (std::size_t i = 1; i + 1 < lado.size(); ++i)
        if (lado[i] == '+' && EsBlanco(lado[i - 1]) && EsBlanco(lado[i + 1])) {
            especies.push_back(lado.substr(inicio, i - inicio));
            inicio = i + 1;
        }
    especies.push_back(lado.substr(inicio));
    for (std::string_view &e : especies) {
        e = Recortar(e);
        while (!e.empty() && e.front() >= '0' && e.front() <= '9')
            e.remove_prefix(1);
        e = Recortar(e);
        if (e.empty())
            return std::nullopt;
    }
    return especies;
}

Entero128 Mcd(Entero128 a, Entero128 b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const Entero128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

bool CabeEnLongLong(Entero128 v)
{
    return v >= LLONG_MIN && v <= LLONG_MAX;
}

// Divides a row by the gcd of its entries and checks it fits a long long.
bool Reducir(std::vector<Entero128> &fila)
{
    Entero128 g = 0;
    for (Entero128 v : fila)
        g = Mcd(g, v);
    if (g > 1)
        for (Entero128 &v : fila)
            v /= g;
    return std::all_of(fila.begin(), fila.end(), CabeEnLongLong);
}

enum class Nulo { Uno, Ninguno, Varios, Desborde };

// The one vector spanning the nullspace of the matrix, by fraction-free
// Gauss-Jordan elimination with every row kept reduced and within a long long.
Nulo EspacioNulo(std::vector<std::vector<Entero128>> m, std::size_t columnas, std::vector<Entero128> &solucion)
{
    std::vector<std::size_t> pivotes;
    std::size_t fila = 0;
    for (std::size_t c = 0; c < columnas && fila < m.size(); ++c) {
        std::size_t p = fila;
        while (p < m.size() && m[p][c] == 0)
            ++p;
        if (p == m.size())
            continue;
        std::swap(m[p], m[fila]);
        for (std::size_t r = 0; r < m.size(); ++r) {
            if (r == fila || m[r][c] == 0)
                continue;
            const Entero128 a = m[fila][c];
            const Entero128 b = m[r][c];
            for (std::size_t k = 0; k < columnas; ++k)
                m[r][k] = m[r][k] * a - m[fila][k] * b;
            if (!Reducir(m[r]))
                return Nulo::Desborde;
        }
        pivotes.push_back(c);
        ++fila;
    }
    const std::size_t libres = columnas - pivotes.size();
    if (libres == 0)
        return Nulo::Ninguno;
    if (libres > 1)
        return Nulo::Varios;
    std::size_t libre = 0;
    while (std::find(pivotes.begin(), pivotes.end(), libre) != pivotes.end())
        ++libre;
    // x_libre = L, x_pivote = -a_libre * L / a_pivote, with L the lcm of the pivots.
    Entero128 l = 1;
    for (std::size_t i = 0; i < pivotes.size(); ++i) {
        const Entero128 p = m[i][pivotes[i]] < 0 ? -m[i][pivotes[i]] : m[i][pivotes[i]];
        l = l / Mcd(l, p) * p;
        if (!CabeEnLongLong(l))
            return Nulo::Desborde;
    }
    solucion.assign(columnas, 0);
    solucion[libre] = l;
    for (std::size_t i = 0; i < pivotes.size(); ++i)
        solucion[pivotes[i]] = -m[i][libre] * (l / m[i][pivotes[i]]);
    if (!Reducir(solucion))
        return Nulo::Desborde;
    return Nulo::Uno;
}

// The elements of the equation in order of first appearance.
std::vector<std::string> ElementosEnOrden(const std::vector<EspecieEcuacion> &especies)
{
    std::vector<std::string> orden;
    auto visitar = [&orden](const std::vector<NodoFormula> &terminos, auto &&yo) -> void {
        for (const NodoFormula &n : terminos) {
            if (n.simbolo.empty())
                yo(n.grupo, yo);
            else if (std::find(orden.begin(), orden.end(), n.simbolo) == orden.end())
                orden.push_back(n.simbolo);
        }
    };
    for (const EspecieEcuacion &e : especies) {
        visitar(e.formula.terminos, visitar);
        for (const auto &aducto : e.formula.aductos)
            visitar(aducto.second, visitar);
    }
    return orden;
}

long long Saturar(Entero128 v)
{
    return v > LLONG_MAX ? LLONG_MAX : v < LLONG_MIN ? LLONG_MIN : static_cast<long long>(v);
}

} // namespace

std::optional<double> MasaMolarQuimica(const FormulaQuimica &f)
{
    double masa = 0;
    for (const auto &[simbolo, cuenta] : ContarAtomos(f)) {
        const double m = simbolo.size() == 1 ? MasaAtomicaSimple(simbolo) : MasaAtomicaDoble(simbolo);
        if (m == 0)
            return std::nullopt;
        masa += m * static_cast<double>(cuenta);
    }
    if (!std::isfinite(masa))
        return std::nullopt;
    return masa;
}

AjusteEcuacion AjustarEcuacion(std::string_view texto)
{
    AjusteEcuacion a;
    const std::string_view t = Recortar(texto);
    const auto flecha = Flecha(t);
    if (!flecha)
        return a;
    const auto reactivos = Especies(t.substr(0, flecha->first));
    const auto productos = Especies(t.substr(flecha->first + flecha->second));
    if (!reactivos || !productos)
        return a;

    std::vector<std::string_view> textos = *reactivos;
    textos.insert(textos.end(), productos->begin(), productos->end());
    std::vector<std::map<std::string, long long>> cuentas;
    for (std::string_view e : textos) {
        LecturaFormula l = LeerFormulaQuimica(e);
        if (l.error == ErrorLectura::SimboloDesconocido) {
            a.error = ErrorEcuacion::SimboloDesconocido;
            a.simbolo = l.simbolo;
            a.especies.clear();
            return a;
        }
        if (l.error != ErrorLectura::Ninguno) {
            a.especies.clear();
            return a;
        }
        cuentas.push_back(ContarAtomos(l.formula));
        for (const auto &[simbolo, cuenta] : cuentas.back())
            if ((simbolo.size() == 1 ? MasaAtomicaSimple(simbolo) : MasaAtomicaDoble(simbolo)) == 0) {
                a.error = ErrorEcuacion::SimboloDesconocido;
                a.simbolo = simbolo;
                a.especies.clear();
                return a;
            }
        EspecieEcuacion especie;
        especie.masaMolar = MasaMolarQuimica(l.formula).value_or(0);
        especie.formula = std::move(l.formula);
        a.especies.push_back(std::move(especie));
    }
    a.reactivos = reactivos->size();

    const std::vector<std::string> elementos = ElementosEnOrden(a.especies);
    for (const std::string &elemento : elementos) {
        bool izquierda = false;
        bool derecha = false;
        for (std::size_t j = 0; j < cuentas.size(); ++j)
            if (cuentas[j].count(elemento) != 0)
                (j < a.reactivos ? izquierda : derecha) = true;
        if (!izquierda || !derecha) {
            a.error = ErrorEcuacion::UnSoloLado;
            a.simbolo = elemento;
            return a;
        }
    }

    // One row per element and one for the charge; products count negative.
    const std::size_t n = a.especies.size();
    std::vector<std::vector<Entero128>> m;
    for (const std::string &elemento : elementos) {
        std::vector<Entero128> fila(n, 0);
        for (std::size_t j = 0; j < n; ++j) {
            const auto it = cuentas[j].find(elemento);
            if (it != cuentas[j].end())
                fila[j] = j < a.reactivos ? it->second : -static_cast<Entero128>(it->second);
        }
        m.push_back(std::move(fila));
    }
    std::vector<Entero128> carga(n, 0);
    for (std::size_t j = 0; j < n; ++j)
        carga[j] = j < a.reactivos ? a.especies[j].formula.carga : -a.especies[j].formula.carga;
    m.push_back(std::move(carga));
    for (auto &fila : m)
        if (!Reducir(fila)) {
            a.error = ErrorEcuacion::SinAjuste;
            return a;
        }

    std::vector<Entero128> x;
    switch (EspacioNulo(std::move(m), n, x)) {
    case Nulo::Varios:
        a.error = ErrorEcuacion::VariosAjustes;
        return a;
    case Nulo::Ninguno:
    case Nulo::Desborde:
        a.error = ErrorEcuacion::SinAjuste;
        return a;
    case Nulo::Uno:
        break;
    }
    if (x[0] < 0)
        for (Entero128 &v : x)
            v = -v;
    if (std::any_of(x.begin(), x.end(), [](Entero128 v) { return v <= 0; })) {
        a.error = ErrorEcuacion::SinAjuste;
        return a;
    }
    for (std::size_t j = 0; j < n; ++j)
        a.especies[j].coeficiente = static_cast<long long>(x[j]);
    a.error = ErrorEcuacion::Ninguno;
    return a;
}

std::string MensajeEcuacion(const AjusteEcuacion &a)
{
    switch (a.error) {
    case ErrorEcuacion::Ninguno:
        return {};
    case ErrorEcuacion::NoValida:
        return "Ecuación no válida.";
    case ErrorEcuacion::SimboloDesconocido:
        return "Símbolo desconocido: " + a.simbolo + ".";
    case ErrorEcuacion::UnSoloLado:
        return "El elemento " + a.simbolo + " solo aparece en un lado.";
    case ErrorEcuacion::SinAjuste:
        return "La ecuación no se puede ajustar.";
    case ErrorEcuacion::VariosAjustes:
        return "La ecuación admite varios ajustes independientes.";
    }
    return {};
}

std::string EscribirEcuacion(const AjusteEcuacion &a)
{
    if (a.error != ErrorEcuacion::Ninguno)
        return {};
    std::string s;
    for (std::size_t j = 0; j < a.especies.size(); ++j) {
        if (j == a.reactivos)
            s += " → ";
        else if (j > 0)
            s += " + ";
        if (a.especies[j].coeficiente != 1)
            s += std::to_string(a.especies[j].coeficiente) + " ";
        s += EscribirFormula(a.especies[j].formula);
    }
    return s;
}

std::vector<FilaComprobacion> ComprobarEcuacion(const AjusteEcuacion &a)
{
    std::vector<FilaComprobacion> filas;
    if (a.error != ErrorEcuacion::Ninguno)
        return filas;
    std::vector<std::string> nombres = ElementosEnOrden(a.especies);
    std::vector<Entero128> izquierda(nombres.size() + 1, 0);
    std::vector<Entero128> derecha(nombres.size() + 1, 0);
    for (std::size_t j = 0; j < a.especies.size(); ++j) {
        auto &lado = j < a.reactivos ? izquierda : derecha;
        const Entero128 coef = a.especies[j].coeficiente;
        const auto cuentas = ContarAtomos(a.especies[j].formula);
        for (std::size_t i = 0; i < nombres.size(); ++i) {
            const auto it = cuentas.find(nombres[i]);
            if (it != cuentas.end())
                lado[i] = Saturar(lado[i] + coef * it->second);
        }
        lado.back() = Saturar(lado.back() + coef * a.especies[j].formula.carga);
    }
    nombres.push_back("Carga");
    for (std::size_t i = 0; i < nombres.size(); ++i)
        filas.push_back({nombres[i], Saturar(izquierda[i]), Saturar(derecha[i])});
    return filas;
}

std::optional<Estequiometria> CalcularEstequiometria(const AjusteEcuacion &a, const std::vector<CantidadDada> &dadas)
{
    const std::size_t n = a.especies.size();
    if (a.error != ErrorEcuacion::Ninguno || dadas.empty())
        return std::nullopt;
    std::vector<std::optional<double>> molesDados(n);
    for (const CantidadDada &d : dadas) {
        if (d.especie >= n || molesDados[d.especie] || !std::isfinite(d.valor) || d.valor <= 0)
            return std::nullopt;
        const double masa = a.especies[d.especie].masaMolar;
        if (d.enGramos && masa <= 0)
            return std::nullopt; // the electron has no grams
        molesDados[d.especie] = d.enGramos ? d.valor / masa : d.valor;
    }

    // The extent of reaction each given amount allows; reactants decide when
    // any is given.
    const bool hayReactivos =
        std::any_of(molesDados.begin(), molesDados.begin() + static_cast<std::ptrdiff_t>(a.reactivos),
                    [](const std::optional<double> &m) { return m.has_value(); });
    std::optional<std::size_t> decide;
    double avance = 0;
    int reactivosDados = 0;
    for (std::size_t j = 0; j < n; ++j) {
        if (!molesDados[j] || (hayReactivos && j >= a.reactivos))
            continue;
        reactivosDados += j < a.reactivos ? 1 : 0;
        const double posible = *molesDados[j] / static_cast<double>(a.especies[j].coeficiente);
        if (!decide || posible < avance) {
            decide = j;
            avance = posible;
        }
    }

    Estequiometria e;
    e.moles.assign(n, 0);
    e.gramos.assign(n, 0);
    e.molesSobrantes.assign(n, 0);
    e.gramosSobrantes.assign(n, 0);
    for (std::size_t j = 0; j < n; ++j) {
        const double masa = a.especies[j].masaMolar;
        e.moles[j] = j == decide ? *molesDados[j] : avance * static_cast<double>(a.especies[j].coeficiente);
        e.gramos[j] = e.moles[j] * masa;
        if (j < a.reactivos && molesDados[j] && j != decide) {
            e.molesSobrantes[j] = std::max(0.0, *molesDados[j] - e.moles[j]);
            e.gramosSobrantes[j] = e.molesSobrantes[j] * masa;
        }
    }
    if (reactivosDados >= 2)
        e.limitante = decide;
    for (const auto *v : {&e.moles, &e.gramos, &e.molesSobrantes, &e.gramosSobrantes})
        for (double x : *v)
            if (!std::isfinite(x))
                return std::nullopt;
    return e;
}

} // namespace Calculos
