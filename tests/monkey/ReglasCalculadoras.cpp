// The invariants of the calculator windows.

#include "calculators/ecuaciones.h"
#include "core/elementos.h"
#include "tests/monkey/ReglasVentanas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>

#include <cmath>

namespace {

bool Letra(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'ñ' || c == u'Ñ';
}

bool Digito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A key that went to `control` and, being Tab, only left it.
bool SoloSale(const Evento &e)
{
    return e.EsTecla(Qt::Key_Tab) || e.EsTecla(Qt::Key_Backtab);
}

bool Edito(const Evento &e, std::initializer_list<const char *> cajas)
{
    for (const char *c : cajas)
        if (e.editadas.contains(QString::fromUtf8(c)))
            return true;
    return false;
}

// The molar calculator. Only one of the two amounts carries the user's
// input, the other one waits empty; a complete result can be edited from
// either side. A symbol, a digit or Backspace that changes the formula takes
// the old results away. The percent rows fill from the first, each an
// element with its share of the mass shown, and never stand without a mass.
// The subscripts of the empirical formula never stand beside changed input:
// a key or a paste that changes nothing (refused, Enter) leaves them.
class CalculadoraMolar : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        const QStringList formulas{"H2O", "NaCl", "C6H12O6", "CH3COOH", "Fe2O3", "MgP2H4O10", "H", "Og", "Xx", "2H"};
        const QStringList cantidades{"1", "2,5", "0,0001", "18", "1000", "0", "36,03"};
        const QStringList simbolos{"Fe", "O", "C", "H", "N", "Xx"};
        const QStringList porcentajes{"69,94", "30,06", "40", "6,7", "53,3", "0", "100", "0,0"};
        return {{"BoxFormulaEmp", formulas}, {"BoxMoles", cantidades},  {"BoxGramos", cantidades},
                {"Elemento1", simbolos},     {"Elemento2", simbolos},   {"Elemento3", simbolos},
                {"Porcent1", porcentajes},   {"Porcent2", porcentajes}, {"Porcent3", porcentajes}};
    }

    void Despues(const Evento &e) override
    {
        auto *moles = Control<QLineEdit>("BoxMoles");
        auto *gramos = Control<QLineEdit>("BoxGramos");
        auto *formula = Control<QTextEdit>("BoxFormulaEmp");
        auto *masa = Control<QLabel>("LbMasaMolecular");
        auto *calcular = Control<QPushButton>("cbCalcular");
        if (moles == nullptr || gramos == nullptr || formula == nullptr || masa == nullptr || calcular == nullptr)
            return;

        Exigir(moles->isEnabled() || gramos->isEnabled(), "one of moles and grams can always be typed");
        for (const QLineEdit *caja : {moles, gramos})
            Exigir(caja->isEnabled() || caja->text().isEmpty(), "the amount that waits is empty",
                   caja->objectName() + QStringLiteral(" disabled with \"") + caja->text() + u'"');
        const bool completo = !formula->toPlainText().isEmpty() && !masa->text().isEmpty() &&
                              !moles->text().isEmpty() && !gramos->text().isEmpty();
        if (completo && !calcular->isEnabled()) {
            Exigir(moles->isEnabled() && gramos->isEnabled(), "a complete result can be edited from either amount");
            // Grams from the moles typed, rounded to 3 decimals, and the moles
            // again from those grams.
            const auto m = Numero(masa->text());
            const auto n = Numero(moles->text());
            const auto g = Numero(gramos->text());
            if (m && n && g) {
                const double holgura = 0.0005 * (1 + std::fabs(*m)) + 1e-12 * std::fabs(*g);
                Exigir(std::fabs(*g - *n * *m) <= holgura, "the grams are the moles times the molar mass shown",
                       QStringLiteral("%1 mol, %2 g/mol, %3 g").arg(moles->text(), masa->text(), gramos->text()));
            }
        }

        const bool enLaFormula = e.tipo == Evento::Tipo::Tecla && e.EnControl(QStringLiteral("BoxFormulaEmp")) &&
                                 !(e.modificadores & Qt::ControlModifier) && e.texto.size() == 1;
        // A key that changes nothing (a full box, Backspace at the start)
        // leaves results that still belong to the formula.
        if (enLaFormula && Edito(e, {"BoxFormulaEmp"}) &&
            (Letra(e.texto.front()) || Digito(e.texto.front()) || e.texto == u"\b")) {
            Exigir(masa->text().isEmpty() && moles->text().isEmpty() && gramos->text().isEmpty() &&
                       !Visible(Control("LP1")),
                   "a symbol, digit or Backspace typed in the formula takes the old results away",
                   masa->text() + u'|' + moles->text() + u'|' + gramos->text());
        }
        const bool tecleo = e.edita && Edito(e, {"BoxFormulaEmp", "BoxMoles", "BoxGramos"}) &&
                            (e.TecleoEn(QStringLiteral("BoxFormulaEmp")) || e.TecleoEn(QStringLiteral("BoxMoles")) ||
                             e.TecleoEn(QStringLiteral("BoxGramos")));
        // A space in the formula calculates at once, the last one of a
        // pasted text too.
        QString tecleado = e.texto;
        tecleado.removeIf([](QChar c) { return !c.isPrint(); });
        if (tecleo && !(e.EnControl(QStringLiteral("BoxFormulaEmp")) && tecleado.endsWith(u' ')))
            Exigir(calcular->isEnabled(), "a key typed in the data enables the calculate button");

        Porcentajes(masa);
        Subindices(e);
    }

private:
    void Porcentajes(const QLabel *masa)
    {
        double suma = 0;
        int filas = 0;
        bool hueco = false;
        for (int n = 1; n <= 10; ++n) {
            const QByteArray fila = QByteArray::number(n);
            const bool v = Visible(Control(("LP" + fila).constData()));
            Exigir(Visible(Control(("Atomo" + fila).constData())) == v &&
                       Visible(Control(("I" + fila).constData())) == v,
                   "a percent row shows whole or not at all", QString::number(n));
            const QString porcentaje = TextoDe(Control(("Porcentaje" + fila).constData()));
            if (!v) {
                hueco = true;
                Exigir(porcentaje.isEmpty(), "a hidden percent row keeps no figure", QString::number(n));
                continue;
            }
            ++filas;
            Exigir(!hueco, "the percent rows fill from the first", QString::number(n));
            const QString simbolo = TextoDe(Control(("Atomo" + fila).constData()));
            Exigir(Calculos::BuscarElemento(simbolo.toStdString()) != nullptr, "a percent row names an element",
                   simbolo);
            const auto p = Numero(porcentaje);
            Exigir(p && *p >= 0 && *p <= 100.06, "a percentage lies between 0 and 100", porcentaje);
            suma += p.value_or(0);
        }
        if (filas == 0)
            return;
        const auto m = Numero(masa->text());
        Exigir(m && *m > 0, "percentages stand beside the molar mass they come from", masa->text());
        // The mass shown is rounded to 3 decimals and each percentage to 4.
        const double holgura = m && *m > 0 ? 100 * 0.0005 / *m + 0.0001 * filas : 0.06;
        Exigir(suma <= 100 + holgura, "the percentages add up to at most 100 %", QString::number(suma));
    }

    void Subindices(const Evento &e)
    {
        const bool enUnaFila =
            (e.tipo == Evento::Tipo::Tecla || e.tipo == Evento::Tipo::Pegar) &&
            (e.control.startsWith(QLatin1String("Elemento")) || e.control.startsWith(QLatin1String("Porcent"))) &&
            e.editadas.contains(e.control) && !SoloSale(e);
        for (int n = 1; n <= 10; ++n) {
            const QByteArray fila = QByteArray::number(n);
            const QString indice = TextoDe(Control(("Indice" + fila).constData()));
            if (indice.isEmpty())
                continue;
            Exigir(!enUnaFila, "a key in a symbol or percentage box takes the subscripts away",
                   e.control + QStringLiteral(" left ") + indice);
            const auto v = Numero(indice);
            Exigir(v && *v >= 1 && std::floor(*v) == *v, "a subscript is a whole number from 1", indice);
            Exigir(!TextoDe(Control(("Elemento" + fila).constData())).isEmpty() &&
                       !TextoDe(Control(("Porcent" + fila).constData())).isEmpty(),
                   "a subscript stands beside its symbol and percentage", QString::number(n));
        }
    }
};

// Solutions: a figure and its unit go together; the unit belongs to the
// mode chosen (a mass for a solid or a liquid, a volume of stock for a
// dilution) and the second result only to a liquid. A result never stands
// beside data the user has changed since. The stock concentration is never
// left empty or 0, and the mode follows the box the user is in.
class Disoluciones : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        return {{"RTBFormula", {"NaCl", "H2O", "C6H12O6", "Xx"}},   {"TextPm", {"58,44", "100", "0", "0,0"}},
                {"TextConcInicial", {"1", "2", "0,5", "0", "0,0"}}, {"TextConcFinal", {"0,1", "1", "10", "2", "0"}},
                {"TextVolumen", {"500", "1", "0,001", "1000000"}},  {"TextDensidad", {"1", "0,8", "0,0", "13,6"}}};
    }

    void Despues(const Evento &e) override
    {
        const QString r1 = TextoDe(Control("LabelResultado"));
        const QString u1 = TextoDe(Control("UnidadResul"));
        const QString r2 = TextoDe(Control("LabelResultado2"));
        const QString u2 = TextoDe(Control("UnidadResul2"));
        const auto *liquido = Control<QRadioButton>("OptionLiquido");
        const auto *disolucion = Control<QRadioButton>("OptionDisol");
        if (liquido == nullptr || disolucion == nullptr)
            return;

        Exigir(r1.isEmpty() == u1.isEmpty() && r2.isEmpty() == u2.isEmpty(), "a result and its unit go together",
               r1 + u'|' + u1 + u'|' + r2 + u'|' + u2);
        const QStringList masas{QStringLiteral("kg"), QStringLiteral("g"), QStringLiteral("mg"), QStringLiteral("ug")};
        const QStringList volumenes{QStringLiteral("l"), QStringLiteral("ml"), QStringLiteral("ul"),
                                    QStringLiteral("nl")};
        if (!u1.isEmpty())
            Exigir((disolucion->isChecked() ? volumenes : masas).contains(u1),
                   "the result is in a unit of the mode chosen", u1);
        if (!u2.isEmpty())
            Exigir(liquido->isChecked() && volumenes.contains(u2), "a volume of liquid only for a liquid solute", u2);

        const bool calcula = e.Enter() && !e.EnControl(QStringLiteral("RTBFormula"));
        if (Edito(e, {"RTBFormula", "TextPm", "TextDensidad", "TextConcInicial", "TextConcFinal", "TextVolumen"}) &&
            !calcula)
            Exigir(r1.isEmpty() && u1.isEmpty() && r2.isEmpty() && u2.isEmpty(),
                   "no result stands beside data changed since", r1 + u'|' + u1 + u'|' + r2 + u'|' + u2);

        const bool salida = e.EsClic() || e.tipo == Evento::Tipo::Lista || e.tipo == Evento::Tipo::Fecha ||
                            e.EsTecla(Qt::Key_Tab) || e.EsTecla(Qt::Key_Backtab);
        if (salida && e.focoAntes == u"TextConcInicial" && e.focoDespues != u"TextConcInicial") {
            const QString inicial = TextoDe(Control("TextConcInicial"));
            Exigir(!inicial.isEmpty() && inicial != u"0", "the stock concentration is never left empty or 0", inicial);
        }
        if (e.focoDespues == u"TextDensidad")
            Exigir(liquido->isChecked(), "the density's box belongs to the liquid mode");
        if (e.focoDespues == u"TextConcInicial" || e.focoDespues == u"ComboConcInicial")
            Exigir(disolucion->isChecked(), "the stock's boxes belong to the dilution mode");
    }
};

// Reaction yield: a yield shown belongs to the data beside it (any change
// takes it away) and to complete data; typing in the data enables the
// calculate button again.
class Rendimiento : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        const QStringList formulas{"H2O", "O2", "H2", "NaCl", "CO2", "Xx"};
        const QStringList coeficientes{"1", "2", "3", "0,0"};
        const QStringList masas{"10", "5", "100", "0,5", "11,25"};
        return {{"BoxFormulaEmpReact", formulas}, {"BoxFormulaEmpProd", formulas}, {"TextCoefReact", coeficientes},
                {"TextCoefProd", coeficientes},   {"TextMasaReact", masas},        {"TextMasaProd", masas}};
    }

    void Antes(const Evento &) override { m_antes = Entradas(); }

    void Despues(const Evento &e) override
    {
        const QString rendimiento = TextoDe(Control("LabelRendimiento"));
        if (Entradas() != m_antes)
            Exigir(rendimiento.isEmpty(), "a yield shown belongs to the data beside it", rendimiento);
        if (!rendimiento.isEmpty()) {
            bool completos =
                !TextoDe(Control("BoxFormulaEmpReact")).isEmpty() && !TextoDe(Control("BoxFormulaEmpProd")).isEmpty();
            for (const char *caja : kNumeros)
                completos = completos && Numero(TextoDe(Control(caja))).has_value();
            Exigir(completos, "a yield is only shown for complete data", Entradas().join(u'|'));
            Rinde(rendimiento);
        }
        // A refused key changes nothing and gives nothing back.
        bool tecleo = false;
        for (const char *caja : {"BoxFormulaEmpReact", "BoxFormulaEmpProd", "TextCoefReact", "TextCoefProd",
                                 "TextMasaReact", "TextMasaProd"})
            tecleo = tecleo || (e.edita && e.TecleoEn(QString::fromUtf8(caja)) && Edito(e, {caja}));
        if (tecleo)
            Exigir(Control("cbCalcular") != nullptr && Control("cbCalcular")->isEnabled(),
                   "a key typed in the data enables the calculate button");
    }

private:
    static constexpr const char *kNumeros[] = {"TextCoefReact", "TextCoefProd", "TextMasaReact", "TextMasaProd"};

    // The theoretical mass follows from the reagent's grams through the two
    // molar masses and coefficients, and the yield is the product's grams
    // against it, in percent, to 2 decimals.
    void Rinde(const QString &rendimiento)
    {
        const auto cr = Numero(TextoDe(Control("TextCoefReact")));
        const auto cp = Numero(TextoDe(Control("TextCoefProd")));
        const auto mr = Numero(TextoDe(Control("TextMasaReact")));
        const auto mp = Numero(TextoDe(Control("TextMasaProd")));
        const auto pmr = Numero(TextoDe(Control("PmReactivo")));
        const auto pmp = Numero(TextoDe(Control("PmProducto")));
        const auto teorica = Numero(TextoDe(Control("MasaTeoricaProducto")));
        const auto r = Numero(rendimiento);
        Exigir(cr && cp && mr && mp && pmr && pmp && teorica && r, "a yield shown comes from numbers",
               TextoDe(Control("MasaTeoricaProducto")));
        if (!(cr && cp && mr && mp && pmr && pmp && teorica && r))
            return;
        const double esperada = *mr * *pmp * *cp / (*cr * *pmr);
        Exigir(std::fabs(*teorica - esperada) <= 1e-12 * std::fabs(esperada),
               "the theoretical mass follows from the reagent", QString::number(esperada));
        const double porcentaje = *mp * 100 / *teorica;
        Exigir(std::fabs(*r - porcentaje) <= 0.005 + 1e-12 * std::fabs(porcentaje),
               "the yield is the product against the theoretical mass", QString::number(porcentaje));
    }

    QStringList Entradas()
    {
        QStringList datos{TextoDe(Control("BoxFormulaEmpReact")), TextoDe(Control("BoxFormulaEmpProd"))};
        for (const char *caja : kNumeros)
            datos << TextoDe(Control(caja));
        return datos;
    }

    QStringList m_antes;
};

// Radioactive decay: the days, hours and minutes of the interval add up to
// the hours the calculation reads, each part a whole number in its range
// with the sign of the interval, its unit word agreeing with it and hidden
// when it is 0; a unit never stands without its figure. A typed character
// never takes the activity or the half-life past 999999, an empty activity
// shows no result, and a half-life changed by hand leaves no nuclide chosen.
class Decay : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        const QStringList horas{"12", "18", "0", "23", "5", "24"};
        const QStringList minutos{"0", "30", "59", "1"};
        return {{"TextHora1", horas},
                {"TextHora2", horas},
                {"TextMin1", minutos},
                {"TextMin2", minutos},
                {"TextAct1", {"10", "2000", "999999", "0,5", "0"}},
                {"TextPeriodo", {"65", "5,272", "0", "0,", "0,0", "1"}}};
    }

    void Antes(const Evento &) override
    {
        m_act = Numero(TextoDe(Control("TextAct1")));
        m_textoPeriodo = TextoDe(Control("TextPeriodo"));
        m_periodo = Numero(m_textoPeriodo);
    }

    void Despues(const Evento &e) override
    {
        Intervalo();
        const QString act = TextoDe(Control("LabelAct2"));
        const QString unidad = TextoDe(Control("LabelUnidades"));
        Exigir(unidad.isEmpty() || !act.isEmpty(), "a unit never stands without its figure", unidad);
        static const QStringList kUnidades{"mCi", "Ci",  "uCi", "nCi", "pCi", "kCi",
                                           "GBq", "MBq", "kBq", "Bq",  "mBq", "TBq"};
        Exigir(unidad.isEmpty() || kUnidades.contains(unidad), "the result is in an activity unit", unidad);

        const auto maximo = [&](const char *caja, const std::optional<double> &antes) {
            if (!e.edita || !e.TecleoEn(QString::fromUtf8(caja)) || (antes && *antes > 999999))
                return;
            const auto ahora = Numero(TextoDe(Control(caja)));
            Exigir(!ahora || *ahora <= 999999, "what is typed never takes a value past 999999",
                   QString::fromUtf8(caja) + QStringLiteral(": ") + TextoDe(Control(caja)));
        };
        maximo("TextAct1", m_act);
        maximo("TextPeriodo", m_periodo);

        if (e.TecleoEn(QStringLiteral("TextAct1")) && !SoloSale(e) && TextoDe(Control("TextAct1")).isEmpty())
            Exigir(act.isEmpty() && unidad.isEmpty(), "no activity, no result", act + u' ' + unidad);
        // A refused key changes nothing, and leaves the nuclide.
        if (e.edita && e.TecleoEn(QStringLiteral("TextPeriodo")) && TextoDe(Control("TextPeriodo")) != m_textoPeriodo)
            Exigir(TextoDe(Control("ComboRadionucl")) == u"Radionúclido",
                   "a half-life typed by hand leaves no nuclide chosen", TextoDe(Control("ComboRadionucl")));
    }

private:
    struct Parte {
        const char *valor;
        const char *unidad;
        const char *singular;
        const char *plural;
    };

    void Intervalo()
    {
        const QString horasTexto = TextoDe(Control("Horas"));
        const auto horas = Numero(horasTexto);
        Exigir(horas.has_value(), "the interval is a number of hours", horasTexto);
        if (!horas)
            return;
        const Parte partes[] = {
            {"LabelDias", "Label41", "día", "días"},
            {"LabelHoras", "Label44", "hora", "horas"},
            {"LabelMin", "Label45", "min", "min"},
        };
        double valores[3] = {};
        bool negativo = false;
        bool positivo = false;
        for (int i = 0; i < 3; ++i) {
            const Parte &p = partes[i];
            const QWidget *valor = Control(p.valor);
            const QWidget *unidad = Control(p.unidad);
            const auto v = Numero(TextoDe(valor));
            Exigir(v && std::floor(*v) == *v, "each part of the interval is a whole number", TextoDe(valor));
            valores[i] = v.value_or(0);
            negativo = negativo || valores[i] < 0;
            positivo = positivo || valores[i] > 0;
            Exigir(Visible(valor) == Visible(unidad), "a part of the interval shows with its unit", p.valor);
            if (valores[i] == 0) {
                // Before the first calculation the parts show their 0.
                continue;
            }
            Exigir(Visible(valor), "a part of the interval that is not 0 shows", p.valor);
            const char *palabra = valores[i] == 1 && i < 2 ? p.singular : p.plural;
            Exigir(TextoDe(unidad) == QString::fromUtf8(palabra), "the unit of each part agrees with its number",
                   TextoDe(valor) + u' ' + TextoDe(unidad));
        }
        Exigir(!(negativo && positivo), "the parts of the interval share its sign");
        Exigir(std::fabs(valores[1]) < 24 && std::fabs(valores[2]) < 60, "hours under 24 and minutes under 60");

        // Whole minutes, halves to the even neighbour; Horas holds 15 digits.
        const double minutos = *horas * 60;
        const double partesEnMinutos = valores[0] * 1440 + valores[1] * 60 + valores[2];
        const double holgura = 0.5 + 1e-9 + std::fabs(minutos) * 1e-13;
        Exigir(std::fabs(partesEnMinutos - minutos) <= holgura, "the parts add up to the hours of the interval",
               QStringLiteral("%1 d %2 h %3 min for %4 h")
                   .arg(valores[0])
                   .arg(valores[1])
                   .arg(valores[2])
                   .arg(horasTexto));
    }

    std::optional<double> m_act;
    std::optional<double> m_periodo;
    QString m_textoPeriodo;
};

// The quadratic equation: each root shows with its caption, the second only
// with the first; a key that changes a coefficient takes the result away;
// and every root shown solves the equation of the coefficients beside it,
// within the 3 decimals it is rounded to.
class EcCuadratica : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        const QStringList coeficientes{"1", "-5", "6", "0", "2", "-8", "0,5", "-1", "1000000"};
        return {{"Texta", coeficientes}, {"Textb", coeficientes}, {"Textc", coeficientes}};
    }

    void Despues(const Evento &e) override
    {
        const QString r1 = TextoDe(Control("Resultado1"));
        const QString r2 = TextoDe(Control("Resultado2"));
        const bool l1 = Visible(Control("Label1"));
        const bool l8 = Visible(Control("Label8"));
        const bool l7 = Visible(Control("Label7"));
        Exigir(l1 == !r1.isEmpty(), "the first root shows with its caption", r1);
        Exigir(l8 == l7 && l7 == !r2.isEmpty(), "the second root shows with its captions", r2);
        Exigir(r2.isEmpty() || (Visible(Control("Resultado2")) && !r1.isEmpty()), "a second root only beside the first",
               r2);
        if (Edito(e, {"Texta", "Textb", "Textc"}) && !e.Enter())
            Exigir(r1.isEmpty() && r2.isEmpty() && !l1 && !l7 && !l8,
                   "a key that changes a coefficient takes the result away", r1 + u'|' + r2);

        const auto a = Numero(TextoDe(Control("Texta")));
        const auto b = Numero(TextoDe(Control("Textb")));
        const auto c = Numero(TextoDe(Control("Textc")));
        for (const QString &raiz : {r1, r2}) {
            if (raiz.isEmpty())
                continue;
            const auto x = Numero(raiz);
            Exigir(x && a && b && c, "a root stands beside numeric coefficients", raiz);
            if (x && a && b && c)
                Exigir(Resuelve(*a, *b, *c, *x), "each root shown solves the equation",
                       QStringLiteral("x = %1 for %2, %3, %4")
                           .arg(raiz, TextoDe(Control("Texta")), TextoDe(Control("Textb")), TextoDe(Control("Textc"))));
        }
    }

private:
    // |a x² + b x + c| no more than what moving x by the rounding of its
    // text (3 decimals, 15 digits) and the arithmetic can account for.
    static bool Resuelve(double a, double b, double c, double x)
    {
        const long double la = a;
        const long double lb = b;
        const long double lc = c;
        const long double lx = x;
        const long double f = (la * lx + lb) * lx + lc;
        const long double delta = 0.0005L + std::fabs(lx) * 1e-12L;
        const long double pendiente = std::fabs(2 * la * lx + lb);
        const long double escala = std::fabs(la * lx * lx) + std::fabs(lb * lx) + std::fabs(lc);
        const long double holgura = pendiente * delta + std::fabs(la) * delta * delta + escala * 1e-9L + 1e-300L;
        if (!std::isfinite(static_cast<double>(f)) || !std::isfinite(static_cast<double>(holgura)))
            return true; // beyond what a double can check
        return std::fabs(f) <= holgura;
    }
};

// The equation window: a balance shown is that of the equation in the box
// (an edit of the equation takes it away), its check table balances row by
// row, the two tables come and go with it, and every amount shown is a
// number whose grams are its moles times the molar mass beside it, within
// their rounding.
class Ecuaciones : public Reglas {
public:
    std::vector<Datos> Valores() const override
    {
        return {{"TextEcuacion",
                 {"H2 + O2 -> H2O", "Fe + O2 -> Fe2O3", "MnO4^- + Fe^2+ + H^+ -> Mn^2+ + Fe^3+ + H2O",
                  "CuSO4*5H2O -> CuSO4 + H2O", "H2O -> H2O2", "H2 + O2 -> H2O + H2O2",
                  "Ca(OH)2 + H3PO4 = Ca3(PO4)2 + H2O", "Xx -> Xx", "Fe^3+ + e^- => Fe^2+", "C3H8 + O2 -> CO2 + H2O"}}};
    }

    bool TextoDelUsuario(const QWidget *control) const override { return control->objectName() == u"TextEcuacion"; }

    void Despues(const Evento &e) override
    {
        const QString ajustada = TextoDe(Control("LabelAjustada"));
        auto *atomos = Control<QTableWidget>("TablaAtomos");
        auto *esteq = Control<QTableWidget>("TablaEstequiometria");
        if (atomos == nullptr || esteq == nullptr)
            return;
        Exigir((atomos->rowCount() > 0) == !ajustada.isEmpty() && (esteq->rowCount() > 0) == !ajustada.isEmpty(),
               "the tables show exactly while a balance does", ajustada);
        if (e.editadas.contains(QStringLiteral("TextEcuacion")) && !e.Enter())
            Exigir(ajustada.isEmpty(), "an edit of the equation takes its balance away", ajustada);
        if (!ajustada.isEmpty()) {
            const auto a = Calculos::AjustarEcuacion(TextoDe(Control("TextEcuacion")).toStdString());
            Exigir(QString::fromStdString(Calculos::EscribirEcuacion(a)) == ajustada,
                   "the balance shown is that of the equation in the box", ajustada);
        }
        for (int f = 0; f < atomos->rowCount(); ++f)
            Exigir(atomos->item(f, 1)->text() == atomos->item(f, 2)->text(), "each row of the check balances",
                   atomos->item(f, 0)->text());
        for (int f = 0; f < esteq->rowCount(); ++f) {
            const auto masa = Numero(esteq->item(f, 2)->text());
            const auto moles = Numero(esteq->item(f, 3)->text());
            const auto gramos = Numero(esteq->item(f, 4)->text());
            for (int c = 3; c <= 4; ++c) {
                const QString t = esteq->item(f, c)->text();
                Exigir(t.isEmpty() || Numero(t).has_value(), "an amount is a number", t);
            }
            if (masa && moles && gramos && *moles >= 0 && *gramos >= 0) {
                const double holgura = 0.0005 * *masa + 0.0005 + 1e-9 * *gramos;
                Exigir(std::fabs(*moles * *masa - *gramos) <= holgura, "grams are moles times the molar mass",
                       esteq->item(f, 3)->text() + u'|' + esteq->item(f, 4)->text());
            }
        }
        const QString limitante = TextoDe(Control("LabelLimitante"));
        if (!limitante.isEmpty()) {
            bool esReactivo = false;
            for (int f = 0; f < esteq->rowCount(); ++f)
                esReactivo =
                    esReactivo || limitante == QStringLiteral("Reactivo limitante: ") + esteq->item(f, 0)->text();
            Exigir(esReactivo, "the limiting reagent is a species of the table", limitante);
        }
    }
};

} // namespace

std::unique_ptr<Reglas> ReglasCalculadoraMolar()
{
    return std::make_unique<CalculadoraMolar>();
}

std::unique_ptr<Reglas> ReglasDisoluciones()
{
    return std::make_unique<Disoluciones>();
}

std::unique_ptr<Reglas> ReglasRendimiento()
{
    return std::make_unique<Rendimiento>();
}

std::unique_ptr<Reglas> ReglasDecay()
{
    return std::make_unique<Decay>();
}

std::unique_ptr<Reglas> ReglasEcCuadratica()
{
    return std::make_unique<EcCuadratica>();
}

std::unique_ptr<Reglas> ReglasEcuaciones()
{
    return std::make_unique<Ecuaciones>();
}
