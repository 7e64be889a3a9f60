#include "shell/Ventanas.h"

#include "calculators/FormCalculadoraMolar.h"
#include "calculators/FormDecay.h"
#include "calculators/FormDisoluciones.h"
#include "calculators/FormEcCuadratica.h"
#include "calculators/FormEcuaciones.h"
#include "calculators/FormRendimiento.h"
#include "converters/FormEnergia.h"
#include "converters/FormPresion.h"
#include "converters/FormTemperatura.h"
#include "elements/FormFicha.h"
#include "elements/FormPropiedades.h"
#include "formulation/FormFormulacion.h"
#include "formulation/FormPracticaFormulacion.h"
#include "puzzle/FormFinTabla.h"
#include "puzzle/FormPuzle.h"
#include "puzzle/FormPuzle2.h"
#include "shell/FormAcercaDe.h"
#include "shell/FormPresentacion.h"
#include "table/FormPrincipal.h"

namespace {

QWidget *TablaConSuMenu()
{
    return new FormPrincipal(ListaVentanas());
}

// In the order the screenshots are taken.
constexpr FichaVentana kVentanas[] = {
    Ficha<FormPresentacion>(),
    {&FormPrincipal::staticMetaObject, nullptr, TablaConSuMenu},
    Ficha<FormAcercaDe>("Acercade"),
    Ficha<FormCalculadoraMolar>("CalculadoraMolar"),
    Ficha<FormDisoluciones>("Disoluciones"),
    Ficha<FormRendimiento>("Rendimientos"),
    Ficha<FormDecay>("Decay"),
    Ficha<FormEcCuadratica>("EcuacionCuadratica"),
    Ficha<FormEcuaciones>("AjustarEcuacion"),
    Ficha<FormTemperatura>("Temperatura"),
    Ficha<FormPresion>("Presión"),
    Ficha<FormEnergia>("Energia"),
    Ficha<FormFormulacion>("FormularNombrar"),
    Ficha<FormPracticaFormulacion>("PracticarFormulacion"),
    Ficha<FormPuzle>("Tabla_completa"),
    Ficha<FormPuzle2>("Tabla_reducida"),
    Ficha<FormFicha>("FichaElemento"),
    Ficha<FormPropiedades>("PropiedadesPeriodicas"),
    Ficha<FormFinTabla>(),
};

} // namespace

std::span<const FichaVentana> ListaVentanas()
{
    return kVentanas;
}

QWidget *AbrirVentana(const QString &clase)
{
    for (const FichaVentana &ficha : kVentanas) {
        if (ficha.Clase() == clase)
            return Lanzador::Abrir(ficha);
    }
    return nullptr;
}
