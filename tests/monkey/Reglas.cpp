#include "tests/monkey/Reglas.h"

#include "tests/monkey/ReglasVentanas.h"
#include "widgets/TextosNumericos.h"

#include <functional>
#include <utility>

void Reglas::Exigir(bool cumple, const char *invariante, const QString &detalle)
{
    ++comprobaciones;
    ++porInvariante[invariante];
    if (!cumple)
        hallazgos.push_back({QString::fromUtf8(invariante), detalle});
}

bool Visible(const QWidget *control)
{
    return control != nullptr && control->isVisibleTo(control->window());
}

namespace {

// What a click in the middle of the control reaches.
const QWidget *EnSuCentro(const QWidget *control)
{
    const QWidget *ventana = control->window();
    return ventana->childAt(control->mapTo(ventana, control->rect().center()));
}

} // namespace

bool AlAlcance(const QWidget *control)
{
    const QWidget *arriba = EnSuCentro(control);
    return arriba == control || control->isAncestorOf(arriba);
}

QString LoQueLoTapa(const QWidget *control)
{
    const QWidget *arriba = EnSuCentro(control);
    return arriba == nullptr ? QStringLiteral("nothing") : arriba->objectName();
}

std::optional<double> Numero(const QString &texto)
{
    return NumeroDeTexto(texto);
}

std::unique_ptr<Reglas> ReglasDe(const QString &clase)
{
    using Fabrica = std::function<std::unique_ptr<Reglas>()>;
    static const std::pair<const char *, Fabrica> kTabla[] = {
        {"FormPresentacion", ReglasPresentacion},
        {"FormPrincipal", ReglasPrincipal},
        {"FormAcercaDe", ReglasAcercaDe},
        {"FormCalculadoraMolar", ReglasCalculadoraMolar},
        {"FormDisoluciones", ReglasDisoluciones},
        {"FormRendimiento", ReglasRendimiento},
        {"FormDecay", ReglasDecay},
        {"FormEcCuadratica", ReglasEcCuadratica},
        {"FormEcuaciones", ReglasEcuaciones},
        {"FormTemperatura", ReglasTemperatura},
        {"FormPresion", ReglasPresion},
        {"FormEnergia", ReglasEnergia},
        {"FormFormulacion", ReglasFormulacion},
        {"FormPracticaFormulacion", ReglasPracticaFormulacion},
        {"FormPuzle", ReglasPuzle},
        {"FormPuzle2", ReglasPuzle2},
        {"FormFinTabla", ReglasFinTabla},
        {"FormFicha", ReglasFicha},
        {"FormPropiedades", ReglasPropiedades},
    };
    for (const auto &[nombre, fabrica] : kTabla)
        if (clase == QLatin1String(nombre))
            return fabrica();
    return nullptr;
}
