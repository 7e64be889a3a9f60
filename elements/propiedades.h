#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/elementos.h"
#include "elements/ficha.h"

namespace Calculos {

enum class Propiedad {
    Electronegatividad,
    RadioCovalente,
    Ionizacion,
    Afinidad,
    Fusion,
    Ebullicion,
    Densidad,
    Descubrimiento,
    Estado,
};

inline constexpr std::array<Propiedad, 9> kPropiedades{
    Propiedad::Electronegatividad, Propiedad::RadioCovalente, Propiedad::Ionizacion,
    Propiedad::Afinidad,           Propiedad::Fusion,         Propiedad::Ebullicion,
    Propiedad::Densidad,           Propiedad::Descubrimiento, Propiedad::Estado,
};

inline constexpr std::string_view kSinDatoTexto = "sin dato";
inline constexpr double kTemperaturaMaxima = 6000; // K, the end of the temperature slider

std::string_view NombrePropiedad(Propiedad p);
std::string_view UnidadPropiedad(Propiedad p); // "pm", "eV", "K", "g/cm³", ""

// The figure the property view colours element z by, in its unit; nothing
// when the sources give none. The year of an element known since antiquity
// is nothing too: it reads "Antigüedad" and takes the oldest colour. The
// state has no figure.
std::optional<double> ValorPropiedad(Propiedad p, int z);

// The smallest and largest figure over the 118 elements.
struct Escala {
    double minimo;
    double maximo;
};
Escala EscalaDe(Propiedad p);

// The years the year slider spans: the first discovery the sources date,
// and the last.
Escala AnosDeDescubrimiento();
// Whether element z was known in the year; an element of unknown date is
// known only at the slider's end.
bool ConocidoEn(int z, int ano);

// A colour-blind-safe sequential scale, t from 0 (smallest) to 1.
ColorRgb ColorEscala(double t);
inline constexpr ColorRgb kGrisSinDato{190, 190, 190};
inline constexpr ColorRgb kBlanco{255, 255, 255};
ColorRgb ColorEstado(Estado e);

// A cell of the property view: its text under the symbol, its colour and
// what a screen reader says ("Hierro: 1,83"). Blank (white, no text) for an
// element not yet known in the year of the year slider.
struct Celda {
    std::string valor;
    ColorRgb fondo;
    bool enBlanco;
    std::string lectura;
};
Celda CeldaDe(Propiedad p, int z, double kelvin, int ano);

// Black or white, whichever reads better on the colour.
ColorRgb ColorTexto(ColorRgb fondo);

// The legend's two ends: "0,7" ... "3,98", with the unit.
std::string TextoExtremo(Propiedad p, double v);

} // namespace Calculos
