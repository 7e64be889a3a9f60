#pragma once

#include "formulation/nomenclatura.h"

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace Calculos {

enum class ModoPractica { Nombrar, Formular, Ambos };

// One question: a formula to name, or a name to formulate.
struct Pregunta {
    const Compuesto *compuesto = nullptr; // none when no class is chosen
    bool formular = false;
    std::string texto; // what the window asks
};

// Draws the questions of the chosen classes from the compounds a first
// course practises with, in an order fixed by the seed, none again until
// every one has been asked.
class SorteoFormulacion {
public:
    SorteoFormulacion(const std::vector<TipoCompuesto> &clases, ModoPractica modo, std::uint32_t semilla);

    std::size_t Tamano() const { return m_bolsa.size(); }
    Pregunta Siguiente();

private:
    void Barajar();

    std::mt19937 m_azar;
    ModoPractica m_modo;
    std::vector<const Compuesto *> m_bolsa;
    std::size_t m_siguiente = 0;
};

struct Correccion {
    bool acierto = false;
    std::string escrita;                // the answer as it is spelled right, when it is right
    std::vector<std::string> aceptadas; // every answer that counts
};

// Any accepted name in any nomenclature (older forms included) answers a
// formula; a formula that reads as the compound answers a name. Capitals and
// missing accents cost nothing.
Correccion Corregir(const Pregunta &pregunta, std::string_view respuesta);

} // namespace Calculos
