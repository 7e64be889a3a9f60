#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "elements/datos_elementos.h"

namespace Calculos {

inline constexpr std::string_view kDesconocido = "Desconocido";
inline constexpr double kKjMolPorEv = 96.485;
inline constexpr double kCeroCelsius = 273.15; // K
inline constexpr double kAmbiente = 298.15;    // 25 °C, where the card gives the state

// The row of element z (1..118), or nullptr.
const DatosElemento *DatosDe(int z);
std::span<const IsotopoNatural> IsotoposNaturalesDe(int z);

enum class Estado { Solido, Liquido, Gas, Desconocido };

// The state at 1 atm from the melting and boiling points; an element that
// boils below its melting point (arsenic) sublimes. Unknown when the points
// given do not decide it.
Estado EstadoA(const DatosElemento &d, double kelvin);
std::string_view NombreEstado(Estado e);

// v rounded to a fixed count of decimals, with the decimal comma: "7,902".
std::string ConDecimales(double v, int decimales);
// v rounded to a count of significant digits: "1600", "0,08243".
std::string ConCifras(double v, int cifras);
std::string Superindice(int n);

// The card's labels, "Desconocido" when the sources give no figure.
std::string TextoConfiguracion(std::string_view fuente); // "[Ar] 3d⁶ 4s²"
std::string TextoElectronegatividad(double pauling);     // "1,83"
std::string TextoEnergia(double ev);                     // "7,902 eV (762,5 kJ/mol)"
std::string TextoRadio(double angstrom);                 // "125 pm"
std::string TextoTemperatura(double kelvin);             // "1535 °C (1808 K)"
// g/cm3 for solids and liquids at 25 °C; gases at 25 °C and 1 atm as ideal
// gases of their molecules (the noble gases single atoms, the rest pairs).
double DensidadGcm3(const DatosElemento &d);
std::string TextoDensidad(const DatosElemento &d); // "7,874 g/cm³", "1,145 g/l"
std::string TextoGrupoPeriodo(int z);              // "Grupo 8, periodo 4"
std::string_view NombreFamilia(const DatosElemento &d);
std::string_view NombrePais(std::string_view codigo); // empty for a code without a name
std::string TextoDescubrimiento(const DatosElemento &d);
std::string TextoOxidacion(std::span<const int> valencias);     // "+2, +3"
std::string TextoSemivida(double valor, UnidadSemivida unidad); // "1600 años"
// "⁵⁶Fe 91,754 %" per natural isotope, then "²²⁶Ra 1600 años" for an
// element without a stable isotope.
std::vector<std::string> LineasIsotopos(int z);

struct Ficha {
    std::string simbolo, nombre, numero, masa;
    std::string configuracion, electronegatividad, ionizacion, afinidad;
    std::string radioCovalente, radioVdW, fusion, ebullicion, densidad, estado;
    std::string bloque, grupoPeriodo, familia, descubrimiento, oxidacion;
    std::vector<std::string> isotopos;
};

// Every label of the card of element z (1..118); for any other z, every
// label reads "Desconocido".
Ficha FichaDe(int z, std::span<const int> valencias);
// With the oxidation numbers of core/valencias.h.
Ficha FichaDe(int z);

// "26 Fe Hierro", as the element list shows it.
std::string TextoEnLista(int z);
// The elements a typed text finds, best first: the number, the symbol, the
// start of the name, then any part of the name. Case and accents are
// optional; blanks around are ignored.
std::vector<int> BuscarElementos(std::string_view texto);

} // namespace Calculos
