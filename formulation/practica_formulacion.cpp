#include "formulation/practica_formulacion.h"

#include <algorithm>
#include <utility>

namespace Calculos {

SorteoFormulacion::SorteoFormulacion(const std::vector<TipoCompuesto> &clases, ModoPractica modo, std::uint32_t semilla)
    : m_azar(semilla), m_modo(modo)
{
    for (const Compuesto &c : CatalogoFormulacion())
        if (c.escolar && std::find(clases.begin(), clases.end(), c.tipo) != clases.end())
            m_bolsa.push_back(&c);
    Barajar();
}

// Fisher-Yates on the engine's own numbers, which the standard fixes, so a
// seed gives the same order with any library.
void SorteoFormulacion::Barajar()
{
    for (std::size_t i = m_bolsa.size(); i > 1; --i)
        std::swap(m_bolsa[i - 1], m_bolsa[m_azar() % i]);
    m_siguiente = 0;
}

Pregunta SorteoFormulacion::Siguiente()
{
    Pregunta p;
    if (m_bolsa.empty())
        return p;
    if (m_siguiente == m_bolsa.size())
        Barajar();
    p.compuesto = m_bolsa[m_siguiente++];
    p.formular = m_modo == ModoPractica::Formular || (m_modo == ModoPractica::Ambos && m_azar() % 2 == 1);
    const auto nombres = NombresDe(*p.compuesto);
    if (nombres.empty())
        p.formular = false;
    if (p.formular) {
        p.texto = nombres[m_azar() % nombres.size()];
    } else {
        p.texto = p.compuesto->formula;
    }
    return p;
}

Correccion Corregir(const Pregunta &pregunta, std::string_view respuesta)
{
    Correccion r;
    if (!pregunta.compuesto)
        return r;
    const Nomenclatura n = pregunta.formular ? BuscarFormula(respuesta) : BuscarNombre(respuesta);
    r.acierto = n.compuesto == pregunta.compuesto;
    if (r.acierto)
        r.escrita = pregunta.formular ? n.compuesto->formula : n.nombre;
    r.aceptadas =
        pregunta.formular ? std::vector<std::string>{pregunta.compuesto->formula} : NombresDe(*pregunta.compuesto);
    return r;
}

} // namespace Calculos
