#include "elements/propiedades.h"

#include <algorithm>
#include <cmath>

#include "core/numeros.h"

namespace Calculos {

namespace {

bool Hay(double v)
{
    return !std::isnan(v);
}

const DatosElemento &Datos(int z)
{
    return kDatosElementos[static_cast<std::size_t>(z - 1)];
}

} // namespace

std::string_view NombrePropiedad(Propiedad p)
{
    switch (p) {
    case Propiedad::Electronegatividad:
        return "Electronegatividad";
    case Propiedad::RadioCovalente:
        return "Radio covalente";
    case Propiedad::Ionizacion:
        return "Energía de ionización";
    case Propiedad::Afinidad:
        return "Afinidad electrónica";
    case Propiedad::Fusion:
        return "Punto de fusión";
    case Propiedad::Ebullicion:
        return "Punto de ebullición";
    case Propiedad::Densidad:
        return "Densidad";
    case Propiedad::Descubrimiento:
        return "Año de descubrimiento";
    case Propiedad::Estado:
        return "Estado de la materia";
    }
    return {};
}

std::string_view UnidadPropiedad(Propiedad p)
{
    switch (p) {
    case Propiedad::RadioCovalente:
        return "pm";
    case Propiedad::Ionizacion:
    case Propiedad::Afinidad:
        return "eV";
    case Propiedad::Fusion:
    case Propiedad::Ebullicion:
        return "K";
    case Propiedad::Densidad:
        return "g/cm³";
    default:
        return {};
    }
}

std::optional<double> ValorPropiedad(Propiedad p, int z)
{
    if (z < 1 || z > kNumeroElementos)
        return std::nullopt;
    const DatosElemento &d = Datos(z);
    double v = kSinDato;
    switch (p) {
    case Propiedad::Electronegatividad:
        v = d.electronegatividad;
        break;
    case Propiedad::RadioCovalente:
        v = Redondear(d.radioCovalente * 100, 0);
        break;
    case Propiedad::Ionizacion:
        v = Redondear(d.ionizacion, 3);
        break;
    case Propiedad::Afinidad:
        v = Redondear(d.afinidad, 3);
        break;
    case Propiedad::Fusion:
        v = Redondear(d.fusion, 0);
        break;
    case Propiedad::Ebullicion:
        v = Redondear(d.ebullicion, 0);
        break;
    case Propiedad::Densidad:
        v = DensidadGcm3(d);
        break;
    case Propiedad::Descubrimiento:
        if (!d.antiguo && d.anoDescubrimiento > 0)
            v = d.anoDescubrimiento;
        break;
    case Propiedad::Estado:
        break;
    }
    if (!Hay(v))
        return std::nullopt;
    return v;
}

Escala EscalaDe(Propiedad p)
{
    Escala e{kSinDato, kSinDato};
    for (int z = 1; z <= kNumeroElementos; ++z)
        if (const auto v = ValorPropiedad(p, z)) {
            e.minimo = Hay(e.minimo) ? std::min(e.minimo, *v) : *v;
            e.maximo = Hay(e.maximo) ? std::max(e.maximo, *v) : *v;
        }
    return e;
}

Escala AnosDeDescubrimiento()
{
    return EscalaDe(Propiedad::Descubrimiento);
}

bool ConocidoEn(int z, int ano)
{
    if (z < 1 || z > kNumeroElementos)
        return false;
    const DatosElemento &d = Datos(z);
    if (d.antiguo)
        return true;
    if (d.anoDescubrimiento > 0)
        return d.anoDescubrimiento <= ano;
    return ano >= AnosDeDescubrimiento().maximo;
}

ColorRgb ColorEscala(double t)
{
    // Viridis (Stéfan van der Walt and Nathaniel Smith, CC0), sampled at ten
    // even steps; readable in every common colour-vision deficiency and in
    // grey.
    static constexpr ColorRgb kViridis[] = {
        {0x44, 0x01, 0x54}, {0x48, 0x28, 0x78}, {0x3E, 0x4A, 0x89}, {0x31, 0x68, 0x8E}, {0x26, 0x82, 0x8E},
        {0x1F, 0x9E, 0x89}, {0x35, 0xB7, 0x79}, {0x6D, 0xCD, 0x59}, {0xB4, 0xDE, 0x2C}, {0xFD, 0xE7, 0x25},
    };
    constexpr int kTramos = static_cast<int>(std::size(kViridis)) - 1;
    if (!(t > 0))
        return kViridis[0];
    if (t >= 1)
        return kViridis[kTramos];
    const double x = t * kTramos;
    const int i = static_cast<int>(x);
    const double f = x - i;
    const auto mezcla = [f](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(Redondear(a + (b - a) * f, 0));
    };
    const ColorRgb &a = kViridis[i];
    const ColorRgb &b = kViridis[i + 1];
    return {mezcla(a.r, b.r), mezcla(a.g, b.g), mezcla(a.b, b.b)};
}

ColorRgb ColorEstado(Estado e)
{
    switch (e) {
    case Estado::Solido:
        return ColorEscala(0.15);
    case Estado::Liquido:
        return ColorEscala(0.55);
    case Estado::Gas:
        return ColorEscala(1);
    case Estado::Desconocido:
        break;
    }
    return kGrisSinDato;
}

ColorRgb ColorTexto(ColorRgb fondo)
{
    const double luz = 0.299 * fondo.r + 0.587 * fondo.g + 0.114 * fondo.b;
    return luz < 128 ? kBlanco : ColorRgb{0, 0, 0};
}

std::string TextoExtremo(Propiedad p, double v)
{
    if (!Hay(v))
        return std::string(kSinDatoTexto);
    std::string t = p == Propiedad::Densidad ? ConCifras(v, 4) : NumeroATexto(v);
    const std::string_view unidad = UnidadPropiedad(p);
    if (!unidad.empty())
        t += " " + std::string(unidad);
    return t;
}

Celda CeldaDe(Propiedad p, int z, double kelvin, int ano)
{
    if (z < 1 || z > kNumeroElementos)
        return {std::string(kSinDatoTexto), kGrisSinDato, false, std::string(kSinDatoTexto)};
    const std::string nombre(TablaElementos[static_cast<std::size_t>(z - 1)].nombre);
    const DatosElemento &d = Datos(z);
    Celda c{std::string(kSinDatoTexto), kGrisSinDato, false, {}};
    if (p == Propiedad::Estado) {
        const Estado e = EstadoA(d, kelvin);
        c.fondo = ColorEstado(e);
        c.valor = e == Estado::Desconocido ? std::string(kSinDatoTexto) : std::string(NombreEstado(e));
    } else if (p == Propiedad::Descubrimiento && !ConocidoEn(z, ano)) {
        c = {{}, kBlanco, true, {}};
        c.lectura = nombre + ": aún no descubierto";
        return c;
    } else if (p == Propiedad::Descubrimiento && d.antiguo) {
        c.valor = "Antigüedad";
        c.fondo = ColorEscala(0);
    } else if (const auto v = ValorPropiedad(p, z)) {
        const Escala e = EscalaDe(p);
        c.valor = NumeroATexto(*v);
        // Gases, thousands of times lighter, read in their own unit.
        if (p == Propiedad::Densidad)
            c.valor = EstadoA(d, kAmbiente) == Estado::Gas ? ConCifras(*v * 1000, 4) + " g/l" : ConCifras(*v, 4);
        c.fondo = ColorEscala(e.maximo > e.minimo ? (*v - e.minimo) / (e.maximo - e.minimo) : 0);
    }
    c.lectura = nombre + ": " + c.valor;
    return c;
}

} // namespace Calculos
