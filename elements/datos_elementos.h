#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "core/elementos.h"

namespace Calculos {

// A figure the sources do not give.
inline constexpr double kSinDato = std::numeric_limits<double>::quiet_NaN();

// The family words of the source, which the card turns into Spanish.
enum class FamiliaFuente : std::uint8_t {
    Alcalino,
    Alcalinoterreo,
    Transicion,
    OtroMetal,
    Metaloide,
    NoMetal,
    Halogeno,
    GasNoble,
    TierraRara,
};

enum class UnidadSemivida : std::uint8_t { Segundos, Anos };

// One element's figures as the sources give them, in their own units.
struct DatosElemento {
    int z;
    std::string_view configuracion; // "Ar 3d6 4s2"; empty when unknown
    double electronegatividad;      // Pauling
    double ionizacion;              // first ionisation energy, eV
    double afinidad;                // electron affinity, eV
    double radioCovalente;          // angstrom
    double radioVdW;                // angstrom
    double fusion;                  // melting point, K
    double ebullicion;              // boiling point, K
    double densidad;                // g/cm3; for gases, the liquid at its boiling point
    double masa;                    // g/mol
    char bloque;
    int periodo;
    FamiliaFuente familia;
    int anoDescubrimiento;   // 0 when unknown or known since antiquity
    bool antiguo;            // known since antiquity
    std::string_view paises; // discovery countries, "se,uk"
    // The longest-lived isotope of an element without a stable one (mass
    // number 0 otherwise) and its half-life.
    int isotopoLargo;
    double semividaLarga;
    UnidadSemivida unidadSemivida;
};

struct IsotopoNatural {
    int z;
    int a;
    double abundancia; // % of the element's atoms
};

// Generated into elements/datos_generados.cpp by scripts/generar-datos-elementos.
extern const std::array<DatosElemento, kNumeroElementos> kDatosElementos;
// Sorted by Z, then mass number.
extern const std::span<const IsotopoNatural> kIsotoposNaturales;

} // namespace Calculos
