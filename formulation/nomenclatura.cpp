#include "formulation/nomenclatura.h"

#include "core/elementos.h"
#include "core/formula_quimica.h"
#include "core/valencias.h"
#include "formulation/nombres_quimicos.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <set>
#include <unordered_map>
#include <utility>

namespace Calculos {

std::string_view NombreDeTipo(TipoCompuesto tipo)
{
    static constexpr std::array<std::string_view, kNumeroTipos> kNombres = {
        "Óxido",
        "Halogenuro de oxígeno",
        "Peróxido",
        "Hidruro metálico",
        "Hidruro progenitor",
        "Hidrácido",
        "Sal binaria",
        "Hidróxido",
        "Oxoácido",
        "Oxosal",
        "Sal ácida",
        "Catión",
        "Anión",
    };
    return kNombres[static_cast<std::size_t>(tipo)];
}

namespace {

using T = TipoCompuesto;

// ---- Words ----

std::string Prefijo(int n)
{
    static constexpr std::array<const char *, 11> kPrefijos = {"",     "",      "di",   "tri",  "tetra", "penta",
                                                               "hexa", "hepta", "octa", "nona", "deca"};
    return n >= 0 && n < static_cast<int>(kPrefijos.size()) ? kPrefijos[static_cast<std::size_t>(n)] : "";
}

// For a group that already carries prefixes: bis(...), tris(...).
std::string PrefijoComplejo(int n)
{
    static constexpr std::array<const char *, 9> kPrefijos = {"",         "",        "bis",      "tris",   "tetrakis",
                                                              "pentakis", "hexakis", "heptakis", "octakis"};
    return n >= 0 && n < static_cast<int>(kPrefijos.size()) ? kPrefijos[static_cast<std::size_t>(n)] : "";
}

std::string Romano(int v)
{
    static constexpr std::array<const char *, 9> kRomanos = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII"};
    return v >= 0 && v < static_cast<int>(kRomanos.size()) ? kRomanos[static_cast<std::size_t>(v)] : "";
}

std::string Cuenta(int n)
{
    return n > 1 ? std::to_string(n) : "";
}

// "(2−)", "(3+)": the charge inside a name, with the minus sign.
std::string CargaEnNombre(int q)
{
    return "(" + std::to_string(q < 0 ? -q : q) + (q < 0 ? "−" : "+") + ")";
}

// "^2-", "^+": the charge as the formula grammar reads it.
std::string CargaEnFormula(int q)
{
    const int m = q < 0 ? -q : q;
    return "^" + (m > 1 ? std::to_string(m) : std::string()) + (q < 0 ? "-" : "+");
}

std::string Parte(const std::string &formula, bool poliatomica, int n)
{
    if (n == 1)
        return formula;
    return poliatomica ? "(" + formula + ")" + std::to_string(n) : formula + std::to_string(n);
}

// ---- Elements ----

std::string Simbolo(int z)
{
    return SimboloPorNumero(z);
}

std::string Nombre(int z)
{
    return std::string(NombreEnCompuesto(z));
}

bool EsNoMetal(int z)
{
    static constexpr int kNoMetales[] = {1, 5, 6, 7, 8, 9, 14, 15, 16, 17, 33, 34, 35, 51, 52, 53};
    return std::find(std::begin(kNoMetales), std::end(kNoMetales), z) != std::end(kNoMetales);
}

int Grupo(int z)
{
    return TablaElementos[static_cast<std::size_t>(z - 1)].grupo;
}

std::vector<int> Positivas(int z)
{
    std::vector<int> r;
    for (int v : Valencias(z))
        if (v > 0)
            r.push_back(v);
    return r;
}

// The negative state of a non-metal, as a positive number; 0 if it has none.
int Negativa(int z)
{
    const auto v = Valencias(z);
    return !v.empty() && v.front() < 0 ? -v.front() : 0;
}

bool VariasPositivas(int z)
{
    return Positivas(z).size() > 1;
}

// The charges a metal has as a cation in salts and hydroxides: its states up
// to IV; the higher states of Cr and Mn are found in their oxoanions instead.
std::vector<int> EstadosCation(int z)
{
    const int tope = (z == 24 || z == 25) ? 3 : 4;
    std::vector<int> r;
    for (int v : Positivas(z))
        if (v <= tope)
            r.push_back(v);
    return r;
}

// The states of a central atom in its oxoacids: those of the parity of its
// group (a group-14 element only in its highest), Cr's VI and Mn's VI, VII.
std::vector<int> EstadosAcido(int z)
{
    std::vector<int> r;
    const auto positivas = Positivas(z);
    if (z == 24 || z == 25) {
        for (int v : positivas)
            if (v >= 6)
                r.push_back(v);
        return r;
    }
    if (z == 9 || z == 1 || z == 8)
        return r;
    for (int v : positivas)
        if (v % 2 == Grupo(z) % 2)
            r.push_back(v);
    if (Grupo(z) == 14 && r.size() > 1)
        r.erase(r.begin(), r.end() - 1);
    return r;
}

std::string Stock(int z, int v)
{
    return VariasPositivas(z) ? Nombre(z) + "(" + Romano(v) + ")" : Nombre(z);
}

std::string Adjetivo(int z, int v)
{
    const AdjetivosMetal a = AdjetivosDeMetal(z);
    const auto estados = EstadosCation(z);
    if (a.oso.empty() || estados.size() != 2)
        return {};
    if (v == estados[0])
        return std::string(a.oso);
    if (v == estados[1])
        return std::string(a.ico);
    return {};
}

std::vector<int> Metales()
{
    std::vector<int> r;
    for (int z = 1; z <= kNumeroElementos; ++z)
        if (!EsNoMetal(z) && !Valencias(z).empty() && !NombreEnCompuesto(z).empty())
            r.push_back(z);
    return r;
}

// ---- Ions as parts of salts ----

struct Cation {
    std::string formula;
    bool poliatomico = false;
    int carga = 0;
    std::string nombre;   // "hierro", "amonio"
    std::string stock;    // "hierro(III)", "sodio", "amonio"
    std::string numeral;  // "hierro(III)", "sodio(I)": for older names
    std::string adjetivo; // "férrico"
    bool varias = false;  // more than one usual charge
};

struct Anion {
    std::string formula;
    bool poliatomico = false;
    int carga = 0;
    int hidrogenos = 0;
    std::string composicion;        // "cloruro", "tetraoxidosulfato", "hidrogeno(trioxidocarbonato)"
    std::string tradicional;        // "cloruro", "sulfato", "hidrogenocarbonato"
    std::vector<std::string> otros; // older traditional words: "bicarbonato"
    std::string viejo;              // "tetraoxosulfato(VI)"
};

// Mercury(I) is no single ion but the pair Hg₂²⁺: its chloride is Hg₂Cl₂,
// and it forms no hydride or hydroxide.
bool EsParMercurioso(int z, int v)
{
    return z == 80 && v == 1;
}

std::vector<Cation> Cationes()
{
    std::vector<Cation> r;
    for (int z : Metales())
        for (int v : EstadosCation(z))
            if (EsParMercurioso(z, v))
                r.push_back({"Hg2", true, 2, "dimercurio", Stock(z, v), Stock(z, v), Adjetivo(z, v), true});
            else
                r.push_back({Simbolo(z), false, v, Nombre(z), Stock(z, v), Nombre(z) + "(" + Romano(v) + ")",
                             Adjetivo(z, v), VariasPositivas(z)});
    r.push_back({"NH4", true, 1, "amonio", "amonio", "amonio", "", false});
    return r;
}

struct Acido {
    int z;
    int estado;
    int h, x, o;
    std::string adjetivo; // "sulfúrico", "metafosfórico", "disulfúrico"
    std::string anion;    // "sulfato", "metafosfato", "disulfato"
    std::vector<std::string> otrosAdjetivos;
    std::vector<std::string> otrosAniones;

    std::string Nucleo() const { return Simbolo(z) + Cuenta(x) + "O" + Cuenta(o); }
    std::string Composicion() const
    {
        return Prefijo(o) + "oxido" + Prefijo(x) + std::string(PalabrasDeNoMetal(z).ato);
    }
    std::string Viejo() const
    {
        return Prefijo(o) + "oxo" + Prefijo(x) + std::string(PalabrasDeNoMetal(z).ato) + "(" + Romano(estado) + ")";
    }
};

// The oxoacids, by rule from each central atom's states: per-...-ico for
// VII, then -ico, -oso and hipo-...-oso downwards; B, Si, P, As and Sb in
// their orto form (meta- beside it for B, Si and P), and the di-acids of S,
// P and Cr.
std::vector<Acido> Acidos()
{
    static constexpr int kCentrales[] = {17, 35, 53, 16, 34, 52, 7, 15, 33, 51, 6, 14, 5, 24, 25};
    std::vector<Acido> r;
    for (int z : kCentrales) {
        const PalabrasNoMetal p = PalabrasDeNoMetal(z);
        auto estados = EstadosAcido(z);
        std::sort(estados.rbegin(), estados.rend());
        int rango = 0;
        const bool orto = z == 15 || z == 33 || z == 51 || z == 5 || z == 14;
        const bool meta = z == 15 || z == 5 || z == 14;
        for (int v : estados) {
            std::string adjetivo, anion;
            if (v == 7) {
                adjetivo = "per" + std::string(p.ico);
                anion = "per" + std::string(p.atoTradicional);
            } else {
                if (rango == 0) {
                    adjetivo = p.ico;
                    anion = p.atoTradicional;
                } else if (rango == 1) {
                    adjetivo = p.oso;
                    anion = p.ito;
                } else {
                    adjetivo = "hipo" + std::string(p.oso);
                    anion = "hipo" + std::string(p.ito);
                }
                ++rango;
            }
            if (adjetivo.empty())
                continue;
            Acido a{z, v, v % 2 ? 1 : 2, 1, v % 2 ? (v + 1) / 2 : (v + 2) / 2, adjetivo, anion, {}, {}};
            Acido m = a;
            if (orto) {
                a.h += 2;
                a.o += 1;
                a.otrosAdjetivos.push_back("orto" + adjetivo);
                a.otrosAniones.push_back("orto" + anion);
            }
            r.push_back(a);
            if (meta && v >= 3) {
                m.adjetivo = "meta" + adjetivo;
                m.anion = "meta" + anion;
                r.push_back(m);
            }
            const bool di = (z == 16 && v >= 4) || (z == 15 && v >= 3) || z == 24;
            if (di) {
                Acido d{z, v, 2 * a.h - 2, 2, 2 * a.o - 1, "di" + adjetivo, "di" + anion, {}, {}};
                r.push_back(d);
            }
        }
    }
    return r;
}

// ---- The catalogue ----

struct Entrada {
    std::string formula; // as the grammar reads it: "Fe2(SO4)3", "SO4^2-"
    T tipo;
    std::string composicion, stock, hidrogeno, sustitucion, tradicional;
    std::vector<std::string> otrosNombres;  // accepted as input only
    std::vector<std::string> otrasFormulas; // accepted as input only
};

struct Catalogo {
    std::vector<Compuesto> compuestos;
    std::unordered_map<std::string, std::size_t> porFormula;
    std::unordered_map<std::string, std::pair<std::size_t, std::string>> porNombre;

    void Agregar(Entrada e);
};

bool Escolar(const FormulaQuimica &f)
{
    static const std::set<std::string> kEscolares = {
        "H", "Li", "Na", "K",  "Be", "Mg", "Ca", "Sr", "Ba", "B",  "C",  "N",  "O", "F",  "Al", "Si", "P",
        "S", "Cl", "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn", "Br", "Ag", "Sn", "I", "Au", "Hg", "Pb", "Pt"};
    for (const auto &[simbolo, n] : ContarAtomos(f))
        if (!kEscolares.contains(simbolo))
            return false;
    return true;
}

void Catalogo::Agregar(Entrada e)
{
    const LecturaFormula l = LeerFormulaQuimica(e.formula);
    if (l.error != ErrorLectura::Ninguno)
        return;
    const std::string clave = EscribirFormula(l.formula);
    if (porFormula.contains(clave))
        return;
    if (!e.tradicional.empty() &&
        (e.tradicional == e.composicion || e.tradicional == e.stock || e.tradicional == e.hidrogeno))
        e.tradicional.clear();
    const std::size_t i = compuestos.size();
    compuestos.push_back(
        {clave, e.tipo, e.composicion, e.stock, e.hidrogeno, e.sustitucion, e.tradicional, Escolar(l.formula)});
    porFormula.emplace(clave, i);
    for (const std::string &f : e.otrasFormulas) {
        const LecturaFormula o = LeerFormulaQuimica(f);
        if (o.error == ErrorLectura::Ninguno)
            porFormula.try_emplace(EscribirFormula(o.formula), i);
    }
    for (const std::string &n : NombresDe(compuestos.back()))
        porNombre.try_emplace(NormalizarNombre(n), i, n);
    for (const std::string &n : e.otrosNombres)
        if (!n.empty())
            porNombre.try_emplace(NormalizarNombre(n), i, n);
}

void Oxidos(Catalogo &c)
{
    for (int z = 2; z <= kNumeroElementos; ++z) {
        if (z == 8 || z == 9 || NombreEnCompuesto(z).empty())
            continue;
        for (int v : Positivas(z)) {
            const int g = std::gcd(v, 2);
            const int nM = 2 / g, nO = v / g;
            Entrada e{Simbolo(z) + Cuenta(nM) + "O" + Cuenta(nO), T::Oxido, {}, {}, {}, {}, {}, {}, {}};
            const bool halogeno = z == 17 || z == 35 || z == 53;
            const std::string viejo =
                (nM == 1 && nO == 1 ? "monóxido" : Prefijo(nO) + "óxido") + " de " + Prefijo(nM) + Nombre(z);
            if (halogeno) {
                // Oxygen is the less electronegative partner of a halogen.
                e.formula = "O" + Cuenta(v) + Simbolo(z) + "2";
                e.tipo = T::HalogenuroOxigeno;
                e.composicion = "di" + std::string(PalabrasDeNoMetal(z).uro) + " de " + Prefijo(v) + "oxígeno";
                e.otrasFormulas = {Simbolo(z) + "2O" + Cuenta(v)};
                e.otrosNombres = {viejo, "óxido de " + Stock(z, v)};
                if (v == 1)
                    e.otrosNombres.push_back("óxido de di" + Nombre(z));
            } else {
                e.composicion = viejo;
                e.stock = "óxido de " + Stock(z, v);
                const std::string a = Adjetivo(z, v);
                if (!a.empty())
                    e.tradicional = "óxido " + a;
                if (nO == 1 && nM > 1)
                    e.otrosNombres.push_back("monóxido de " + Prefijo(nM) + Nombre(z));
                if (nO == 1 && nM == 1)
                    e.otrosNombres.push_back("óxido de " + Nombre(z) + "(" + Romano(v) + ")");
            }
            c.Agregar(std::move(e));
        }
    }
    c.Agregar({"OF2", T::HalogenuroOxigeno, "difluoruro de oxígeno", {}, {}, {}, {}, {}, {"F2O"}});
}

void Peroxidos(Catalogo &c)
{
    c.Agregar(
        {"H2O2", T::Peroxido, "dióxido de dihidrógeno", {}, {}, {}, "peróxido de hidrógeno", {"agua oxigenada"}, {}});
    for (int z : Metales()) {
        const int grupo = Grupo(z);
        if (grupo != 1 && grupo != 2 && grupo != 11 && grupo != 12)
            continue;
        for (int v : EstadosCation(z)) {
            if (v > 2)
                continue;
            const std::string a = Adjetivo(z, v);
            Entrada e{v == 1 ? Simbolo(z) + "2O2" : Simbolo(z) + "O2",
                      T::Peroxido,
                      "dióxido de " + Prefijo(3 - v) + Nombre(z),
                      {},
                      {},
                      {},
                      a.empty() ? "peróxido de " + Stock(z, v) : "peróxido " + a,
                      {"peróxido de " + Stock(z, v)},
                      {}};
            c.Agregar(std::move(e));
        }
    }
}

void Hidruros(Catalogo &c)
{
    for (int z : Metales())
        for (int v : EstadosCation(z)) {
            if (EsParMercurioso(z, v))
                continue;
            const std::string a = Adjetivo(z, v);
            c.Agregar({Simbolo(z) + "H" + Cuenta(v),
                       T::HidruroMetalico,
                       Prefijo(v) + "hidruro de " + Nombre(z),
                       "hidruro de " + Stock(z, v),
                       {},
                       {},
                       a.empty() ? "" : "hidruro " + a,
                       {},
                       {}});
        }

    struct Progenitor {
        int z;
        const char *sustitucion;
        const char *tradicional;
    };
    // Parent hydrides: the substitutive names of the 2005 recommendations and
    // the common names still taught.
    static constexpr Progenitor kProgenitores[] = {
        {5, "borano", ""},          {6, "metano", ""},        {14, "silano", ""},           {7, "azano", "amoníaco"},
        {15, "fosfano", "fosfina"}, {33, "arsano", "arsina"}, {51, "estibano", "estibina"},
    };
    for (const Progenitor &p : kProgenitores) {
        const int n = Negativa(p.z);
        c.Agregar({Simbolo(p.z) + "H" + Cuenta(n),
                   T::HidruroProgenitor,
                   Prefijo(n) + "hidruro de " + Nombre(p.z),
                   {},
                   {},
                   p.sustitucion,
                   p.tradicional,
                   {},
                   {}});
    }
    c.Agregar(
        {"H2O", T::HidruroProgenitor, "óxido de dihidrógeno", {}, {}, "oxidano", "agua", {"dihidruro de oxígeno"}, {}});

    // Hydracids: the hydrides of the halogens and chalcogens, acids in water.
    static constexpr int kHidracidos[] = {9, 17, 35, 53, 16, 34, 52};
    static constexpr std::pair<int, const char *> kSustitucion[] = {{16, "sulfano"}, {34, "selano"}, {52, "telano"}};
    for (int z : kHidracidos) {
        const int n = Negativa(z);
        const PalabrasNoMetal p = PalabrasDeNoMetal(z);
        Entrada e{"H" + Cuenta(n) + Simbolo(z),
                  T::Hidracido,
                  std::string(p.uro) + " de " + Prefijo(n) + "hidrógeno",
                  {},
                  {},
                  {},
                  "ácido " + std::string(p.hidrico),
                  {},
                  {}};
        for (const auto &[zs, s] : kSustitucion)
            if (zs == z)
                e.sustitucion = s;
        if (n > 1)
            e.otrosNombres.push_back(std::string(p.uro) + " de hidrógeno");
        c.Agregar(std::move(e));
    }
}

// Monatomic anions of the non-metals that form binary salts.
constexpr int kAnionesSimples[] = {9, 17, 35, 53, 16, 34, 52, 7, 15, 33, 51, 6, 14, 5};

void SalesBinarias(Catalogo &c, const std::vector<Cation> &cationes)
{
    for (const Cation &k : cationes)
        for (int z : kAnionesSimples) {
            const int w = Negativa(z);
            if (k.poliatomico && w > 2)
                continue;
            const std::string uro(PalabrasDeNoMetal(z).uro);
            const int g = std::gcd(k.carga, w);
            const int nK = w / g, nA = k.carga / g;
            c.Agregar({Parte(k.formula, k.poliatomico, nK) + Simbolo(z) + Cuenta(nA),
                       T::SalBinaria,
                       Prefijo(nA) + uro + " de " + Prefijo(nK) + k.nombre,
                       uro + " de " + k.stock,
                       {},
                       {},
                       k.adjetivo.empty() ? "" : uro + " " + k.adjetivo,
                       {},
                       {}});
        }

    // Between two non-metals the one met first in this sequence (the 2005
    // recommendations' order of electronegativity) is written first, in a
    // positive state; the other takes its negative one.
    static constexpr int kSecuencia[] = {5, 14, 6, 51, 33, 15, 7, 52, 34, 16, 53, 35, 17, 9};
    for (std::size_t i = 0; i < std::size(kSecuencia); ++i)
        for (std::size_t j = i + 1; j < std::size(kSecuencia); ++j) {
            const int a = kSecuencia[i], b = kSecuencia[j];
            const int w = Negativa(b);
            const std::string uro(PalabrasDeNoMetal(b).uro);
            for (int v : EstadosAcido(a)) {
                const int g = std::gcd(v, w);
                const int nA = w / g, nB = v / g;
                c.Agregar({Simbolo(a) + Cuenta(nA) + Simbolo(b) + Cuenta(nB),
                           T::SalBinaria,
                           Prefijo(nB) + uro + " de " + Prefijo(nA) + Nombre(a),
                           uro + " de " + Stock(a, v),
                           {},
                           {},
                           {},
                           {},
                           {}});
            }
        }
}

void Hidroxidos(Catalogo &c)
{
    for (int z : Metales())
        for (int v : EstadosCation(z)) {
            if (EsParMercurioso(z, v))
                continue;
            const std::string a = Adjetivo(z, v);
            c.Agregar({Simbolo(z) + (v > 1 ? "(OH)" + std::to_string(v) : "OH"),
                       T::Hidroxido,
                       Prefijo(v) + "hidróxido de " + Nombre(z),
                       "hidróxido de " + Stock(z, v),
                       {},
                       {},
                       a.empty() ? "" : "hidróxido " + a,
                       {},
                       {}});
        }
}

// The anions of an acid: all its hydrogens taken, then the acid anions that
// keep some.
std::vector<Anion> AnionesDe(const Acido &a)
{
    std::vector<Anion> r;
    for (int quedan = 0; quedan < a.h; ++quedan) {
        Anion n;
        n.carga = a.h - quedan;
        n.hidrogenos = quedan;
        n.poliatomico = true;
        n.formula = (quedan > 0 ? "H" + Cuenta(quedan) : "") + a.Nucleo();
        if (quedan == 0) {
            n.composicion = a.Composicion();
            n.tradicional = a.anion;
            n.otros = a.otrosAniones;
            n.viejo = a.Viejo();
        } else {
            n.composicion = Prefijo(quedan) + "hidrogeno(" + a.Composicion() + ")";
            n.tradicional = Prefijo(quedan) + "hidrogeno" + a.anion;
            if (quedan == 1 && a.h == 2)
                n.otros.push_back("bi" + a.anion);
            if (quedan == 1)
                n.otros.push_back(a.anion + " ácido");
            n.viejo = Prefijo(quedan) + "hidrogeno" + a.Viejo();
        }
        r.push_back(std::move(n));
    }
    return r;
}

void Oxosal(Catalogo &c, const Cation &k, const Anion &a)
{
    const int g = std::gcd(k.carga, a.carga);
    const int nK = a.carga / g, nA = k.carga / g;
    Entrada e{Parte(k.formula, k.poliatomico, nK) + Parte(a.formula, a.poliatomico, nA),
              T::Oxosal,
              {},
              {},
              {},
              {},
              {},
              {},
              {}};
    // A cation whose name has a prefix of its own is counted with bis, tris.
    const std::string cation =
        " de " + (nK > 1 && k.formula == "Hg2" ? PrefijoComplejo(nK) + "(" + k.nombre + ")" : Prefijo(nK) + k.nombre);
    if (a.hidrogenos == 0) {
        e.composicion = (nA > 1 ? PrefijoComplejo(nA) + "(" + a.composicion + ")" : a.composicion) + cation;
    } else {
        e.tipo = T::SalAcida;
        e.hidrogeno = (nA > 1 ? PrefijoComplejo(nA) + "[" + a.composicion + "]" : a.composicion) + cation;
    }
    std::vector<std::string> palabras = {a.tradicional};
    palabras.insert(palabras.end(), a.otros.begin(), a.otros.end());
    for (std::size_t i = 0; i < palabras.size(); ++i) {
        std::string stock, tradicional;
        if (k.varias) {
            stock = palabras[i] + " de " + k.stock;
            if (!k.adjetivo.empty())
                tradicional = palabras[i] + " " + k.adjetivo;
        } else {
            tradicional = palabras[i] + " de " + k.nombre;
        }
        if (i == 0) {
            e.stock = stock;
            e.tradicional = tradicional;
        } else {
            e.otrosNombres.push_back(stock);
            e.otrosNombres.push_back(tradicional);
        }
    }
    e.otrosNombres.push_back(a.viejo + " de " + (k.varias ? k.numeral : k.nombre));
    c.Agregar(std::move(e));
}

void Iones(Catalogo &c, const std::vector<Acido> &acidos)
{
    for (int z : Metales())
        for (int v : EstadosCation(z)) {
            const std::string a = Adjetivo(z, v);
            const bool par = EsParMercurioso(z, v);
            c.Agregar({par ? "Hg2" + CargaEnFormula(2) : Simbolo(z) + CargaEnFormula(v),
                       T::Cation,
                       par ? "dimercurio" + CargaEnNombre(2) : Nombre(z) + CargaEnNombre(v),
                       {},
                       {},
                       {},
                       a.empty() ? "" : "ion " + a,
                       {"ion " + Stock(z, v)},
                       {}});
        }
    c.Agregar({"NH4^+", T::Cation, {}, {}, {}, "azanio", "amonio", {}, {}});
    c.Agregar({"H3O^+", T::Cation, {}, {}, {}, "oxidanio", "hidronio", {}, {}});

    for (int z : kAnionesSimples) {
        const int w = Negativa(z);
        const std::string uro(PalabrasDeNoMetal(z).uro);
        c.Agregar({Simbolo(z) + CargaEnFormula(-w), T::Anion, uro + CargaEnNombre(-w), {}, {}, {}, uro, {}, {}});
    }
    c.Agregar({"H^-", T::Anion, "hidruro(1−)", {}, {}, {}, "hidruro", {}, {}});
    c.Agregar({"O^2-", T::Anion, "óxido(2−)", {}, {}, {}, "óxido", {}, {}});
    c.Agregar({"O2^2-", T::Anion, "dióxido(2−)", {}, {}, {}, "peróxido", {}, {}});
    c.Agregar({"OH^-", T::Anion, "hidróxido", {}, {}, "oxidanuro", {}, {"hidroxilo"}, {"HO^-"}});
    c.Agregar({"CN^-", T::Anion, "nitrurocarbonato(1−)", {}, {}, {}, "cianuro", {}, {}});
    c.Agregar({"HS^-", T::Anion, {}, {}, "hidrogenosulfuro(1−)", "sulfanuro", {}, {"hidrogenosulfuro"}, {}});

    for (const Acido &a : acidos)
        for (const Anion &n : AnionesDe(a)) {
            Entrada e{n.formula + CargaEnFormula(-n.carga), T::Anion, {}, {}, {}, {}, n.tradicional, n.otros, {}};
            if (n.hidrogenos == 0)
                e.composicion = n.composicion + CargaEnNombre(-n.carga);
            else
                e.hidrogeno = n.composicion + CargaEnNombre(-n.carga);
            c.Agregar(std::move(e));
        }
}

Catalogo Construir()
{
    Catalogo c;
    c.compuestos.reserve(8192);
    c.porFormula.reserve(16384);
    c.porNombre.reserve(65536);
    const auto cationes = Cationes();
    const auto acidos = Acidos();
    Oxidos(c);
    Peroxidos(c);
    Hidruros(c);
    SalesBinarias(c, cationes);
    Hidroxidos(c);
    for (const Acido &a : acidos) {
        Entrada e{"H" + Cuenta(a.h) + a.Nucleo(),
                  T::Oxoacido,
                  {},
                  {},
                  Prefijo(a.h) + "hidrogeno(" + a.Composicion() + ")",
                  {},
                  "ácido " + a.adjetivo,
                  {},
                  {}};
        for (const std::string &o : a.otrosAdjetivos)
            e.otrosNombres.push_back("ácido " + o);
        e.otrosNombres.push_back(a.Viejo() + " de hidrógeno");
        e.otrosNombres.push_back(a.Viejo() + " de " + Prefijo(a.h) + "hidrógeno");
        e.otrosNombres.push_back("ácido " + Prefijo(a.o) + "oxo" + Prefijo(a.x) +
                                 std::string(PalabrasDeNoMetal(a.z).ico) + "(" + Romano(a.estado) + ")");
        c.Agregar(std::move(e));
    }
    for (const Acido &a : acidos)
        for (const Anion &n : AnionesDe(a))
            for (const Cation &k : cationes)
                Oxosal(c, k, n);
    // The acid salts of the hydracids of S, Se and Te.
    for (int z : {16, 34, 52}) {
        const std::string uro(PalabrasDeNoMetal(z).uro);
        for (const Cation &k : cationes) {
            const std::string nombre = "hidrogeno" + uro + " de " + k.nombre;
            Entrada e{Parte(k.formula, k.poliatomico, 1) + Parte("H" + Simbolo(z), true, k.carga),
                      T::SalAcida,
                      {},
                      {},
                      (k.carga > 1 ? PrefijoComplejo(k.carga) + "(hidrogeno" + uro + ")" : "hidrogeno" + uro) + " de " +
                          k.nombre,
                      {},
                      {},
                      {},
                      {}};
            if (k.varias) {
                e.stock = "hidrogeno" + uro + " de " + k.stock;
                if (!k.adjetivo.empty())
                    e.tradicional = "hidrogeno" + uro + " " + k.adjetivo;
            }
            c.Agregar(std::move(e));
        }
    }
    Iones(c, acidos);
    return c;
}

const Catalogo &ElCatalogo()
{
    static const Catalogo catalogo = Construir();
    return catalogo;
}

void AgregarSinBlanco(std::string &r, char c)
{
    if (c == ' ') {
        if (!r.empty() && r.back() != ' ' && r.back() != '(' && r.back() != '[')
            r += ' ';
        return;
    }
    if ((c == '(' || c == ')' || c == '[' || c == ']') && !r.empty() && r.back() == ' ')
        r.pop_back();
    r += c;
}

void Reemplazar(std::string &s, std::string_view de, std::string_view por)
{
    for (std::size_t p = s.find(de); p != std::string::npos; p = s.find(de, p + por.size()))
        s.replace(p, de.size(), por);
}

// A blank, an accented letter or two lower-case letters in a row are no
// part of any formula.
bool ParecenNombre(std::string_view t)
{
    int minusculasSeguidas = 0;
    for (unsigned char c : t) {
        if (c == ' ' || c == 0xC3)
            return true;
        minusculasSeguidas = (c >= 'a' && c <= 'z') ? minusculasSeguidas + 1 : 0;
        if (minusculasSeguidas >= 2)
            return true;
    }
    return false;
}

} // namespace

const std::vector<Compuesto> &CatalogoFormulacion()
{
    return ElCatalogo().compuestos;
}

std::vector<std::string> NombresDe(const Compuesto &c)
{
    std::vector<std::string> r;
    for (const std::string *n : {&c.composicion, &c.stock, &c.hidrogeno, &c.sustitucion, &c.tradicional})
        if (!n->empty() && std::find(r.begin(), r.end(), *n) == r.end())
            r.push_back(*n);
    return r;
}

std::string NormalizarNombre(std::string_view nombre)
{
    static constexpr std::pair<std::string_view, char> kLetras[] = {
        {"á", 'a'}, {"Á", 'a'}, {"é", 'e'}, {"É", 'e'}, {"í", 'i'}, {"Í", 'i'}, {"ó", 'o'},
        {"Ó", 'o'}, {"ú", 'u'}, {"Ú", 'u'}, {"ü", 'u'}, {"Ü", 'u'}, {"−", '-'}, {"–", '-'},
    };
    std::string r;
    r.reserve(nombre.size());
    for (std::size_t i = 0; i < nombre.size();) {
        if (static_cast<unsigned char>(nombre[i]) < 0x80) {
            char c = nombre[i++];
            if (c == '\t' || c == '\n' || c == '\r')
                c = ' ';
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            AgregarSinBlanco(r, c);
            continue;
        }
        bool hecho = false;
        for (const auto &[letra, simple] : kLetras)
            if (nombre.substr(i).starts_with(letra)) {
                AgregarSinBlanco(r, simple);
                i += letra.size();
                hecho = true;
                break;
            }
        if (hecho)
            continue;
        if (nombre.substr(i).starts_with("Ñ")) {
            r += "ñ";
            i += 2;
            continue;
        }
        r += nombre[i++];
    }
    while (!r.empty() && r.back() == ' ')
        r.pop_back();
    for (std::string_view palabra : {"ion ", "cation ", "anion "})
        if (r.starts_with(palabra))
            r.erase(0, palabra.size());
    // Older texts elide the prefix's vowel before "óxido" and "oxo".
    Reemplazar(r, "aox", "ox");
    Reemplazar(r, "monoox", "monox");
    return r;
}

Nomenclatura BuscarNombre(std::string_view nombre)
{
    const std::string_view t = Recortar(nombre);
    if (t.empty())
        return {.error = ErrorNomenclatura::Vacia};
    const Catalogo &c = ElCatalogo();
    const auto it = c.porNombre.find(NormalizarNombre(t));
    if (it == c.porNombre.end())
        return {.error = ErrorNomenclatura::NombreNoReconocido, .porNombre = true};
    return {.compuesto = &c.compuestos[it->second.first], .porNombre = true, .nombre = it->second.second};
}

Nomenclatura BuscarFormula(std::string_view formula)
{
    const std::string_view t = Recortar(formula);
    if (t.empty())
        return {.error = ErrorNomenclatura::Vacia};
    const LecturaFormula l = LeerFormulaQuimica(t);
    if (l.error == ErrorLectura::SimboloDesconocido)
        return {.error = ErrorNomenclatura::SimboloDesconocido, .simbolo = l.simbolo};
    if (l.error != ErrorLectura::Ninguno)
        return {.error = ErrorNomenclatura::FormulaNoValida};
    const Catalogo &c = ElCatalogo();
    const auto it = c.porFormula.find(EscribirFormula(l.formula));
    if (it == c.porFormula.end())
        return {.error = ErrorNomenclatura::Oxidacion};
    return {.compuesto = &c.compuestos[it->second]};
}

Nomenclatura Nombrar(std::string_view entrada)
{
    Nomenclatura n = BuscarNombre(entrada);
    if (n.error != ErrorNomenclatura::NombreNoReconocido)
        return n;
    Nomenclatura f = BuscarFormula(entrada);
    if (f.error != ErrorNomenclatura::Ninguno && ParecenNombre(Recortar(entrada)))
        return n;
    return f;
}

std::string TextoDeError(const Nomenclatura &n)
{
    switch (n.error) {
    case ErrorNomenclatura::Ninguno:
    case ErrorNomenclatura::Vacia:
        return {};
    case ErrorNomenclatura::SimboloDesconocido:
        return "Símbolo desconocido: " + n.simbolo + ".";
    case ErrorNomenclatura::FormulaNoValida:
        return "Fórmula no válida.";
    case ErrorNomenclatura::NombreNoReconocido:
        return "Nombre no reconocido.";
    case ErrorNomenclatura::Oxidacion:
        return "Esta fórmula no corresponde a ningún compuesto con los estados de oxidación habituales.";
    }
    return {};
}

} // namespace Calculos
