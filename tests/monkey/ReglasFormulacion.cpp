// The invariants of the two formulación windows.

#include "formulation/nomenclatura.h"
#include "tests/monkey/ReglasVentanas.h"

#include <QCheckBox>

namespace {

constexpr const char *kResultados[] = {"LabelFormula",   "LabelTipo",        "LabelComposicion", "LabelStock",
                                       "LabelHidrogeno", "LabelSustitucion", "LabelTradicional"};

const QStringList &MensajesDeError()
{
    static const QStringList mensajes{
        QStringLiteral("Fórmula no válida."), QStringLiteral("Nombre no reconocido."),
        QStringLiteral("Esta fórmula no corresponde a ningún compuesto con los estados de oxidación habituales.")};
    return mensajes;
}

// A result is all of one compound: the formula shown names back to the very
// labels shown; an entry changed by the user takes the result away; every
// message is one of the window's errors, after which the focus is back in
// the entry.
class Formulacion : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        return {{"TextEntrada",
                 {"Fe2O3", "óxido de cobre(I)", "NaCl2", "Xx2", "H2SO4", "ácido perclórico", "SO4^2-", "hola",
                  "OXIDO DE NIQUEL(II)", "Fe2O3)", "Ca(OH)2", "bicarbonato de sodio"}}};
    }

    bool TextoDelUsuario(const QWidget *control) const override
    {
        return control->objectName() == QLatin1String("TextEntrada");
    }

    void Despues(const Evento &e) override
    {
        QStringList textos;
        bool alguno = false;
        for (const char *n : kResultados) {
            textos << TextoDe(Control(n));
            alguno = alguno || !textos.back().isEmpty();
        }
        if (alguno) {
            const Calculos::Nomenclatura n = Calculos::Nombrar(textos[0].toStdString());
            Exigir(n.compuesto != nullptr, "the formula shown is one the window knows", textos.join(u'|'));
            if (n.compuesto) {
                const Calculos::Compuesto &c = *n.compuesto;
                const QStringList esperados{
                    QString::fromStdString(c.formula),     QString::fromUtf8(Calculos::NombreDeTipo(c.tipo).data()),
                    QString::fromStdString(c.composicion), QString::fromStdString(c.stock),
                    QString::fromStdString(c.hidrogeno),   QString::fromStdString(c.sustitucion),
                    QString::fromStdString(c.tradicional)};
                Exigir(textos == esperados, "the labels are all of the formula shown", textos.join(u'|'));
            }
        }
        if (e.TecleoEn(QStringLiteral("TextEntrada")) && e.editadas.contains(QStringLiteral("TextEntrada")))
            Exigir(!alguno, "a changed entry takes the result away", textos.join(u'|'));
        for (const QString &m : e.mensajes) {
            Exigir(MensajesDeError().contains(m) || m.startsWith(QStringLiteral("Símbolo desconocido: ")),
                   "every message is one of the window's errors", m);
            Exigir(e.focoDespues == QLatin1String("TextEntrada"), "after an error the focus is in the entry",
                   e.focoDespues);
        }
    }
};

// The counts only grow, one at a time and never both at once; a wrong
// answer shows the accepted ones; a question is asked exactly when some
// class is chosen, and it is a formula or a name the rules know.
class Practica : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        return {{"TextRespuesta",
                 {"agua", "H2O", "óxido de hierro(III)", "Fe2O3", "NaCl", "cloruro de sodio", "acido sulfurico"}}};
    }

    bool TextoDelUsuario(const QWidget *control) const override
    {
        return control->objectName() == QLatin1String("TextRespuesta");
    }

    void Abierta(QWidget *ventana) override
    {
        Reglas::Abierta(ventana);
        m_aciertos = m_fallos = 0;
    }

    void Despues(const Evento &) override
    {
        bool ok1 = false, ok2 = false;
        const int aciertos = TextoDe(Control("LabelAciertos")).toInt(&ok1);
        const int fallos = TextoDe(Control("LabelFallos")).toInt(&ok2);
        Exigir(ok1 && ok2 && aciertos >= 0 && fallos >= 0, "the counts are whole numbers",
               TextoDe(Control("LabelAciertos")) + u'|' + TextoDe(Control("LabelFallos")));
        const int subida = (aciertos - m_aciertos) + (fallos - m_fallos);
        Exigir(aciertos >= m_aciertos && fallos >= m_fallos && subida <= 1, "the counts grow one at a time",
               QStringLiteral("%1/%2 after %3/%4").arg(aciertos).arg(fallos).arg(m_aciertos).arg(m_fallos));
        if (fallos > m_fallos)
            Exigir(TextoDe(Control("LabelSolucion")).startsWith(QStringLiteral("Respuestas aceptadas: ")),
                   "a wrong answer shows the accepted ones", TextoDe(Control("LabelSolucion")));
        m_aciertos = aciertos;
        m_fallos = fallos;

        bool clase = false;
        for (const QCheckBox *c : m_ventana->findChildren<QCheckBox *>())
            clase = clase || c->isChecked();
        const QString pregunta = TextoDe(Control("LabelPregunta"));
        Exigir(pregunta.isEmpty() != clase, "a question exactly when a class is chosen", pregunta);
        if (!pregunta.isEmpty())
            Exigir(Calculos::Nombrar(pregunta.toStdString()).compuesto != nullptr,
                   "the question is a formula or a name the rules know", pregunta);
    }

private:
    int m_aciertos = 0;
    int m_fallos = 0;
};

} // namespace

std::unique_ptr<Reglas> ReglasFormulacion()
{
    return std::make_unique<Formulacion>();
}

std::unique_ptr<Reglas> ReglasPracticaFormulacion()
{
    return std::make_unique<Practica>();
}
