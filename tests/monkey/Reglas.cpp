#include "tests/monkey/Reglas.h"

#include "tests/monkey/ReglasVentanas.h"
#include "widgets/TextosNumericos.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

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

bool AlAlcance(const QWidget *control)
{
    const QWidget *ventana = control->window();
    const QWidget *arriba = ventana->childAt(control->mapTo(ventana, control->rect().center()));
    return arriba == control || control->isAncestorOf(arriba);
}

QString LoQueLoTapa(const QWidget *control)
{
    const QWidget *ventana = control->window();
    const QWidget *arriba = ventana->childAt(control->mapTo(ventana, control->rect().center()));
    return arriba == nullptr ? QStringLiteral("nothing") : arriba->objectName();
}

QString TextoDe(const QWidget *control)
{
    if (const auto *caja = qobject_cast<const QLineEdit *>(control))
        return caja->text();
    if (const auto *etiqueta = qobject_cast<const QLabel *>(control))
        return etiqueta->text();
    if (const auto *rico = qobject_cast<const QTextEdit *>(control))
        return rico->toPlainText();
    if (const auto *lista = qobject_cast<const QComboBox *>(control))
        return lista->currentText();
    if (const auto *boton = qobject_cast<const QAbstractButton *>(control))
        return boton->text();
    if (const auto *marco = qobject_cast<const QGroupBox *>(control))
        return marco->title();
    return {};
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
        {"FormTemperatura", ReglasTemperatura},
        {"FormPresion", ReglasPresion},
        {"FormEnergia", ReglasEnergia},
        {"FormPuzle", ReglasPuzle},
        {"FormPuzle2", ReglasPuzle2},
        {"FormFinTabla", ReglasFinTabla},
    };
    for (const auto &[nombre, fabrica] : kTabla)
        if (clase == QLatin1String(nombre))
            return fabrica();
    return nullptr;
}
