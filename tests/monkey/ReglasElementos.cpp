// The invariants of the element card and the property view.

#include "core/elementos.h"
#include "core/numeros.h"
#include "elements/ficha.h"
#include "elements/propiedades.h"
#include "tests/monkey/ReglasVentanas.h"
#include "tests/support/Ventana.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

namespace {

QString Q(const std::string &t)
{
    return QString::fromStdString(t);
}

// The card: whatever the user typed or picked, every label shows the same
// element, exactly as the rules write its card, and the list names it once
// the user is done with it.
class Ficha : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        return {{"ComboElemento", {"hierro", "Fe", "26", "oxigeno", "Estaño", "xyz", "u", "118", "0"}}};
    }

    bool TextoDelUsuario(const QWidget *control) const override
    {
        return control->parentWidget() != nullptr && control->parentWidget()->objectName() == u"ComboElemento";
    }

    void Despues(const Evento &e) override
    {
        auto *numero = Control<QLabel>("LabelNumero");
        auto *lista = Control<QComboBox>("ComboElemento");
        auto *isotopos = Control<QListWidget>("ListaIsotopos");
        if (numero == nullptr || lista == nullptr || isotopos == nullptr)
            return;
        const auto z = Calculos::TextoANumero(numero->text().toStdString());
        Exigir(z && *z >= 1 && *z <= Calculos::kNumeroElementos, "the card shows an element of the catalogue",
               numero->text());
        if (!z || *z < 1 || *z > Calculos::kNumeroElementos)
            return;
        const Calculos::Ficha ficha = Calculos::FichaDe(static_cast<int>(*z));
        const std::pair<const char *, const std::string *> etiquetas[] = {
            {"LabelSimbolo", &ficha.simbolo},
            {"LabelNombre", &ficha.nombre},
            {"LabelMasa", &ficha.masa},
            {"LabelConfiguracion", &ficha.configuracion},
            {"LabelIonizacion", &ficha.ionizacion},
            {"LabelDensidad", &ficha.densidad},
            {"LabelEstado", &ficha.estado},
            {"LabelOxidacion", &ficha.oxidacion},
        };
        for (const auto &[nombre, texto] : etiquetas)
            if (auto *etiqueta = Control<QLabel>(nombre))
                Exigir(etiqueta->text() == Q(*texto), "every label of the card shows the same element",
                       QString::fromUtf8(nombre) + QStringLiteral(": ") + etiqueta->text());
        QStringList lineas;
        for (int i = 0; i < isotopos->count(); ++i)
            lineas << isotopos->item(i)->text();
        QStringList esperadas;
        for (const std::string &l : ficha.isotopos)
            esperadas << Q(l);
        Exigir(lineas == esperadas, "the isotope list is the element's", lineas.join(u'|'));
        const bool hecho = e.EnControl(QStringLiteral("ComboElemento")) && (e.Enter() || e.tipo == Evento::Tipo::Lista);
        if (hecho || (!lista->hasFocus() && !lista->view()->isVisible()))
            Exigir(lista->currentText() == Q(Calculos::TextoEnLista(static_cast<int>(*z))),
                   "once the user is done with the list, it names the element shown", lista->currentText());
    }
};

// The property view: each cell reads as its element and what it shows; the
// temperature and the year have their sliders only with their property, and
// the states follow the temperature.
class Propiedades : public Reglas {
public:
    void Despues(const Evento &) override
    {
        auto *combo = Control<QComboBox>("ComboPropiedad");
        auto *temperatura = Control<QSlider>("SliderTemperatura");
        auto *ano = Control<QSlider>("SliderAno");
        if (combo == nullptr || temperatura == nullptr || ano == nullptr)
            return;
        const int indice = combo->currentIndex();
        Exigir(indice >= 0 && indice < static_cast<int>(Calculos::kPropiedades.size()), "a property is chosen");
        if (indice < 0 || indice >= static_cast<int>(Calculos::kPropiedades.size()))
            return;
        const Calculos::Propiedad p = Calculos::kPropiedades[static_cast<std::size_t>(indice)];
        Exigir(Visible(temperatura) == (p == Calculos::Propiedad::Estado),
               "the temperature slider shows with the state of matter only");
        Exigir(Visible(ano) == (p == Calculos::Propiedad::Descubrimiento),
               "the year slider shows with the discovery year only");
        // Mercury melts at 234,31 K and boils at 629,88 K.
        if (auto *mercurio = Control<QLabel>("CeldaHg"); mercurio != nullptr && p == Calculos::Propiedad::Estado) {
            const int t = temperatura->value();
            Exigir(mercurio->text().endsWith(u"Líquido") == (t > 234 && t < 630),
                   "mercury is liquid between its points", QString::number(t));
        }
        for (const Calculos::Elemento &el : Calculos::TablaElementos) {
            auto *celda = Control<QLabel>(("Celda" + std::string(el.simbolo)).c_str());
            if (celda == nullptr)
                continue;
            const Calculos::Celda c = Calculos::CeldaDe(p, el.z, temperatura->value(), ano->value());
            const QString nombre = QString::fromUtf8(el.nombre.data(), static_cast<qsizetype>(el.nombre.size()));
            Exigir(celda->accessibleName() == Q(c.lectura) && celda->accessibleName().startsWith(nombre + u':'),
                   "a cell reads as its element and its value", celda->accessibleName());
            Exigir(c.enBlanco == celda->text().isEmpty(), "only a cell not yet discovered is blank", celda->text());
            if (!c.enBlanco)
                Exigir(celda->text() ==
                           QString::fromUtf8(el.simbolo.data(), static_cast<qsizetype>(el.simbolo.size())) + u'\n' +
                               Q(c.valor),
                       "a cell shows its symbol and the value for the slider's temperature and year", celda->text());
        }
    }
};

} // namespace

std::unique_ptr<Reglas> ReglasFicha()
{
    return std::make_unique<Ficha>();
}

std::unique_ptr<Reglas> ReglasPropiedades()
{
    return std::make_unique<Propiedades>();
}
