#include "elements/ficha.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/numeros.h"
#include "core/valencias.h"

namespace Calculos {

namespace {

constexpr double kSegundosDia = 86400;
constexpr double kSegundosAno = 365 * kSegundosDia; // a year of 365 days
constexpr double kAtmosfera = 101325;               // Pa
constexpr double kConstanteGases = 8.314462618;     // J/(mol K)

bool Hay(double v)
{
    return !std::isnan(v);
}

std::string Desconocido()
{
    return std::string(kDesconocido);
}

// Lower case without accents, so "oxigeno" finds "Oxígeno" and "estano"
// finds "Estaño".
std::string Plegar(std::string_view t)
{
    static constexpr std::pair<std::string_view, char> kAcentos[] = {
        {"á", 'a'}, {"é", 'e'}, {"í", 'i'}, {"ó", 'o'}, {"ú", 'u'}, {"ü", 'u'}, {"ñ", 'n'},
        {"Á", 'a'}, {"É", 'e'}, {"Í", 'i'}, {"Ó", 'o'}, {"Ú", 'u'}, {"Ü", 'u'}, {"Ñ", 'n'},
    };
    std::string r;
    for (std::size_t i = 0; i < t.size();) {
        bool hecho = false;
        for (const auto &[acento, letra] : kAcentos)
            if (t.substr(i).starts_with(acento)) {
                r += letra;
                i += acento.size();
                hecho = true;
                break;
            }
        if (!hecho)
            r += static_cast<char>(std::tolower(static_cast<unsigned char>(t[i++])));
    }
    return r;
}

std::string_view SinBlancos(std::string_view t)
{
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front())))
        t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back())))
        t.remove_suffix(1);
    return t;
}

} // namespace

const DatosElemento *DatosDe(int z)
{
    if (z < 1 || z > kNumeroElementos)
        return nullptr;
    return &kDatosElementos[static_cast<std::size_t>(z - 1)];
}

std::span<const IsotopoNatural> IsotoposNaturalesDe(int z)
{
    const auto menor = [](const IsotopoNatural &i, int valor) { return i.z < valor; };
    const auto desde = std::lower_bound(kIsotoposNaturales.begin(), kIsotoposNaturales.end(), z, menor);
    const auto hasta = std::lower_bound(desde, kIsotoposNaturales.end(), z + 1, menor);
    return {desde, hasta};
}

Estado EstadoA(const DatosElemento &d, double kelvin)
{
    if (Hay(d.ebullicion) && kelvin >= d.ebullicion)
        return Estado::Gas;
    if (Hay(d.fusion) && kelvin < d.fusion)
        return Estado::Solido;
    if (Hay(d.fusion) && Hay(d.ebullicion))
        return Estado::Liquido;
    return Estado::Desconocido;
}

std::string_view NombreEstado(Estado e)
{
    switch (e) {
    case Estado::Solido:
        return "Sólido";
    case Estado::Liquido:
        return "Líquido";
    case Estado::Gas:
        return "Gas";
    case Estado::Desconocido:
        break;
    }
    return kDesconocido;
}

std::string ConDecimales(double v, int decimales)
{
    std::string t = NumeroATexto(Redondear(v, decimales));
    if (decimales <= 0 || t.empty() || t.find('E') != std::string::npos)
        return t;
    auto coma = t.find(',');
    if (coma == std::string::npos) {
        coma = t.size();
        t += ',';
    }
    t.append(static_cast<std::size_t>(decimales) - (t.size() - coma - 1), '0');
    return t;
}

std::string ConCifras(double v, int cifras)
{
    if (v == 0 || !std::isfinite(v))
        return NumeroATexto(v);
    const int magnitud = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    return NumeroATexto(Redondear(v, cifras - 1 - magnitud));
}

std::string Superindice(int n)
{
    static constexpr std::string_view kCifras[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string r = n < 0 ? "⁻" : "";
    const std::string cifras = std::to_string(n < 0 ? -static_cast<long long>(n) : n);
    for (char c : cifras)
        r += kCifras[c - '0'];
    return r;
}

std::string TextoConfiguracion(std::string_view fuente)
{
    std::string r;
    std::size_t i = 0;
    while (i < fuente.size()) {
        while (i < fuente.size() && fuente[i] == ' ')
            ++i;
        std::size_t fin = fuente.find(' ', i);
        if (fin == std::string_view::npos)
            fin = fuente.size();
        const std::string_view pieza = fuente.substr(i, fin - i);
        i = fin;
        if (pieza.empty())
            continue;
        if (!r.empty())
            r += ' ';
        // The noble-gas core comes first, as a bare symbol: "Ar".
        if (std::isalpha(static_cast<unsigned char>(pieza[0]))) {
            r += '[' + std::string(pieza) + ']';
            continue;
        }
        // "3d6": shell, subshell letter, then the electrons as a superscript.
        std::size_t letra = 0;
        while (letra < pieza.size() && std::isdigit(static_cast<unsigned char>(pieza[letra])))
            ++letra;
        r += pieza.substr(0, letra + 1);
        const std::string_view electrones = letra + 1 < pieza.size() ? pieza.substr(letra + 1) : "";
        if (!electrones.empty() && electrones.size() <= 2 &&
            std::all_of(electrones.begin(), electrones.end(), [](char c) { return c >= '0' && c <= '9'; }))
            r += Superindice(std::stoi(std::string(electrones)));
        else
            r += electrones;
    }
    return r.empty() ? Desconocido() : r;
}

std::string TextoElectronegatividad(double pauling)
{
    return Hay(pauling) ? NumeroATexto(pauling) : Desconocido();
}

std::string TextoEnergia(double ev)
{
    if (!Hay(ev))
        return Desconocido();
    return ConDecimales(ev, 3) + " eV (" + ConDecimales(ev * kKjMolPorEv, 1) + " kJ/mol)";
}

std::string TextoRadio(double angstrom)
{
    return Hay(angstrom) ? NumeroATexto(Redondear(angstrom * 100, 0)) + " pm" : Desconocido();
}

std::string TextoTemperatura(double kelvin)
{
    if (!Hay(kelvin))
        return Desconocido();
    return NumeroATexto(Redondear(kelvin - kCeroCelsius, 0)) + " °C (" + NumeroATexto(Redondear(kelvin, 0)) + " K)";
}

double DensidadGcm3(const DatosElemento &d)
{
    if (EstadoA(d, kAmbiente) != Estado::Gas)
        return d.densidad;
    const double atomos = d.familia == FamiliaFuente::GasNoble ? 1 : 2;
    // pV = nRT: g/m3, then g/cm3.
    return kAtmosfera * d.masa * atomos / (kConstanteGases * kAmbiente) / 1e6;
}

std::string TextoDensidad(const DatosElemento &d)
{
    const double densidad = DensidadGcm3(d);
    if (!Hay(densidad))
        return Desconocido();
    if (EstadoA(d, kAmbiente) == Estado::Gas)
        return ConCifras(densidad * 1000, 4) + " g/l";
    return NumeroATexto(densidad) + " g/cm³";
}

std::string TextoGrupoPeriodo(int z)
{
    if (z < 1 || z > kNumeroElementos)
        return Desconocido();
    const Elemento &e = TablaElementos[static_cast<std::size_t>(z - 1)];
    // The two f-block rows stand outside the 18 groups.
    const std::string grupo = e.grupo == 0 ? "Sin grupo" : "Grupo " + NumeroATexto(e.grupo);
    return grupo + ", periodo " + NumeroATexto(e.periodo);
}

std::string_view NombreFamilia(const DatosElemento &d)
{
    // The catalogue's own family words; the source's "Other_Metal" also
    // covers the actinides, which its f block tells apart.
    switch (d.familia) {
    case FamiliaFuente::Alcalino:
        return NombreDeClase(Clase::B);
    case FamiliaFuente::Alcalinoterreo:
        return NombreDeClase(Clase::C);
    case FamiliaFuente::Transicion:
        return NombreDeClase(Clase::D);
    case FamiliaFuente::OtroMetal:
        return NombreDeClase(d.bloque == 'f' ? Clase::K : Clase::E);
    case FamiliaFuente::Metaloide:
        return NombreDeClase(Clase::F);
    case FamiliaFuente::NoMetal:
        return NombreDeClase(Clase::G);
    case FamiliaFuente::Halogeno:
        return NombreDeClase(Clase::H);
    case FamiliaFuente::GasNoble:
        return NombreDeClase(Clase::I);
    case FamiliaFuente::TierraRara:
        return NombreDeClase(Clase::J);
    }
    return kDesconocido;
}

std::string_view NombrePais(std::string_view codigo)
{
    // The source's country codes and their usual Spanish names, as the Real
    // Academia Española's list of country names gives them.
    static constexpr std::pair<std::string_view, std::string_view> kPaises[] = {
        {"de", "Alemania"}, {"dk", "Dinamarca"}, {"es", "España"}, {"fi", "Finlandia"},   {"fr", "Francia"},
        {"it", "Italia"},   {"ru", "Rusia"},     {"se", "Suecia"}, {"uk", "Reino Unido"}, {"us", "Estados Unidos"},
    };
    for (const auto &[clave, nombre] : kPaises)
        if (clave == codigo)
            return nombre;
    return {};
}

std::string TextoDescubrimiento(const DatosElemento &d)
{
    if (d.antiguo)
        return "Conocido desde la Antigüedad";
    if (d.anoDescubrimiento <= 0)
        return Desconocido();
    std::vector<std::string_view> nombres;
    for (std::string_view resto = d.paises; !resto.empty();) {
        const std::size_t coma = resto.find(',');
        const std::string_view codigo = resto.substr(0, coma);
        const std::string_view nombre = NombrePais(codigo);
        nombres.push_back(nombre.empty() ? codigo : nombre);
        resto = coma == std::string_view::npos ? std::string_view{} : resto.substr(coma + 1);
    }
    std::string r = NumeroATexto(d.anoDescubrimiento);
    if (nombres.empty())
        return r;
    r += " (";
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        if (i > 0)
            r += i + 1 == nombres.size() ? " y " : ", ";
        r += nombres[i];
    }
    return r + ")";
}

std::string TextoOxidacion(std::span<const int> valencias)
{
    std::string r;
    for (int v : valencias) {
        if (!r.empty())
            r += ", ";
        r += (v > 0 ? "+" : "") + NumeroATexto(v);
    }
    return r.empty() ? Desconocido() : r;
}

std::string TextoSemivida(double valor, UnidadSemivida unidad)
{
    if (!Hay(valor) || valor <= 0)
        return Desconocido();
    const double segundos = unidad == UnidadSemivida::Anos ? valor * kSegundosAno : valor;
    struct Unidad {
        double segundos;
        std::string_view nombre;
    };
    static constexpr Unidad kUnidades[] = {
        {kSegundosAno, "años"},
        {kSegundosDia, "días"},
        {3600, "h"},
        {60, "min"},
    };
    // Figures the source gives in years stay in years, as it gives them.
    if (unidad == UnidadSemivida::Anos && valor >= 1)
        return ConCifras(valor, 4) + " años";
    for (const Unidad &u : kUnidades)
        if (segundos >= u.segundos)
            return ConCifras(segundos / u.segundos, 4) + " " + std::string(u.nombre);
    return ConCifras(segundos, 4) + " s";
}

std::vector<std::string> LineasIsotopos(int z)
{
    const DatosElemento *d = DatosDe(z);
    if (d == nullptr)
        return {Desconocido()};
    const std::string simbolo(TablaElementos[static_cast<std::size_t>(z - 1)].simbolo);
    std::vector<std::string> lineas;
    for (const IsotopoNatural &i : IsotoposNaturalesDe(z))
        lineas.push_back(Superindice(i.a) + simbolo + " " + NumeroATexto(i.abundancia) + " %");
    if (d->isotopoLargo > 0)
        lineas.push_back(Superindice(d->isotopoLargo) + simbolo + " " +
                         TextoSemivida(d->semividaLarga, d->unidadSemivida));
    if (lineas.empty())
        lineas.push_back(Desconocido());
    return lineas;
}

Ficha FichaDe(int z, std::span<const int> valencias)
{
    const DatosElemento *d = DatosDe(z);
    if (d == nullptr) {
        const std::string x = Desconocido();
        return {x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, x, {x}};
    }
    const Elemento &e = TablaElementos[static_cast<std::size_t>(z - 1)];
    Ficha f;
    f.simbolo = e.simbolo;
    f.nombre = e.nombre;
    f.numero = NumeroATexto(z);
    f.masa = e.masaVisible;
    f.configuracion = TextoConfiguracion(d->configuracion);
    f.electronegatividad = TextoElectronegatividad(d->electronegatividad);
    f.ionizacion = TextoEnergia(d->ionizacion);
    f.afinidad = TextoEnergia(d->afinidad);
    f.radioCovalente = TextoRadio(d->radioCovalente);
    f.radioVdW = TextoRadio(d->radioVdW);
    f.fusion = TextoTemperatura(d->fusion);
    f.ebullicion = TextoTemperatura(d->ebullicion);
    f.densidad = TextoDensidad(*d);
    f.estado = NombreEstado(EstadoA(*d, kAmbiente));
    f.bloque = std::string(1, d->bloque);
    f.grupoPeriodo = TextoGrupoPeriodo(z);
    f.familia = NombreFamilia(*d);
    f.descubrimiento = TextoDescubrimiento(*d);
    f.oxidacion = TextoOxidacion(valencias);
    f.isotopos = LineasIsotopos(z);
    return f;
}

Ficha FichaDe(int z)
{
    return FichaDe(z, Valencias(z));
}

std::string TextoEnLista(int z)
{
    if (z < 1 || z > kNumeroElementos)
        return {};
    const Elemento &e = TablaElementos[static_cast<std::size_t>(z - 1)];
    return NumeroATexto(z) + " " + std::string(e.simbolo) + " " + std::string(e.nombre);
}

std::vector<int> BuscarElementos(std::string_view texto)
{
    const std::string buscado = Plegar(SinBlancos(texto));
    if (buscado.empty())
        return {};
    // Rank 0: the number or the whole list text; 1: the symbol; 2: the start
    // of the name; 3: any part of the name or the list text.
    // Folded once: the list searches on every key typed.
    struct Plegado {
        std::string nombre, simbolo, enLista;
    };
    static const std::vector<Plegado> kPlegados = [] {
        std::vector<Plegado> r;
        for (const Elemento &e : TablaElementos)
            r.push_back({Plegar(e.nombre), Plegar(e.simbolo), Plegar(TextoEnLista(e.z))});
        return r;
    }();
    std::vector<std::pair<int, int>> hallados;
    for (const Elemento &e : TablaElementos) {
        const auto &[nombre, simbolo, enLista] = kPlegados[static_cast<std::size_t>(e.z - 1)];
        int rango = -1;
        if (buscado == NumeroATexto(e.z) || buscado == enLista)
            rango = 0;
        else if (buscado == simbolo)
            rango = 1;
        else if (nombre.starts_with(buscado))
            rango = 2;
        else if (nombre.find(buscado) != std::string::npos || enLista.find(buscado) != std::string::npos)
            rango = 3;
        if (rango >= 0)
            hallados.emplace_back(rango, e.z);
    }
    std::stable_sort(hallados.begin(), hallados.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<int> r;
    for (const auto &[rango, z] : hallados)
        r.push_back(z);
    return r;
}

} // namespace Calculos
