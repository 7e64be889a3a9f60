// The invariants of the three windows that convert as the user types.

#include "tests/monkey/ReglasVentanas.h"

#include <cmath>
#include <span>
#include <vector>

namespace {

// A box of a converter: its group, and its value in the unit its whole group
// is compared in, with half a unit of its last decimal in that unit too.
struct CajaConvertida {
    const char *nombre;
    int grupo;
    double (*aComun)(double);
    double mediaUnidad;
};

// A converter's boxes, and the lowest value each may show (no temperature
// below absolute zero), in the common unit.
struct Conversor {
    std::span<const CajaConvertida> cajas;
    double minimo;
};

// Kelvin.
constexpr CajaConvertida kTemperatura[] = {
    {"TextC", 0, [](double c) { return c + 273.15; }, 0.005},
    {"TextF", 0, [](double f) { return (f - 32) * 5 / 9 + 273.15; }, 0.005 * 5 / 9},
    {"TextK", 0, [](double k) { return k; }, 0.005},
};

// Atmospheres.
constexpr CajaConvertida kPresion[] = {
    {"TextAtm", 0, [](double x) { return x; }, 0.0005},
    {"TextHg", 0, [](double x) { return x / 760; }, 0.0005 / 760},
    {"TextBar", 0, [](double x) { return x * 0.986923266; }, 0.0005 * 0.986923266},
    {"TextPa", 0, [](double x) { return x / 101325; }, 0.0005 / 101325},
    {"TextDina", 0, [](double x) { return x * 0.986923266 / 1e6; }, 0.0005 * 0.986923266 / 1e6},
    {"TextKg", 0, [](double x) { return x / 1.03323; }, 0.0005 / 1.03323},
};

// Joules for the pair, kilojoules per mole for the triple.
constexpr CajaConvertida kEnergia[] = {
    {"TextCal", 0, [](double x) { return x * 4.184; }, 0.0005 * 4.184},
    {"TextJ", 0, [](double x) { return x; }, 0.0005},
    {"TextCalMol", 1, [](double x) { return x * 4.184; }, 0.0005 * 4.184},
    {"TextJMol", 1, [](double x) { return x; }, 0.0005},
    {"TexteV", 1, [](double x) { return x * 96.48; }, 0.0005 * 96.48},
};

// After a key let go in a box, every box of its group that shows a number
// shows the same quantity, within the roundings on the way (each box of the
// group rounded once at most); a key that leaves the box it edits without
// a number leaves the rest of its group empty; what the converter writes is
// a number or nothing; no converted value lies below the lowest the quantity
// has. A key in one group never touches another group.
class Conversion : public Reglas {
public:
    explicit Conversion(Conversor conversor) : m_conversor(conversor) {}

    std::vector<Datos> Valores() const override
    {
        const QStringList valores{"100", "37", "32", "0", "760", "1", "101325", "-40", "2,5"};
        std::vector<Datos> datos;
        for (const CajaConvertida &c : m_conversor.cajas)
            datos.push_back({c.nombre, valores});
        return datos;
    }

    void Antes(const Evento &) override { m_antes = Textos(); }

    void Despues(const Evento &e) override
    {
        const QStringList ahora = Textos();
        const int origen = Indice(e.control);
        if (origen < 0 || (e.tipo != Evento::Tipo::Tecla && e.tipo != Evento::Tipo::Pegar))
            return;
        const CajaConvertida &fuente = Caja(origen);
        for (int j = 0; j < static_cast<int>(ahora.size()); ++j) {
            const CajaConvertida &c = Caja(j);
            if (c.grupo != fuente.grupo)
                Exigir(ahora[j] == m_antes[j], "a key in one group never touches another", c.nombre);
            else if (e.escritas.contains(QString::fromUtf8(c.nombre)))
                Exigir(ahora[j].isEmpty() || Numero(ahora[j]), "what the converter writes is a number or nothing",
                       QStringLiteral("%1 \"%2\"").arg(c.nombre, ahora[j]));
        }
        // Tab is let go in the box the focus went to, which it did not edit.
        if (e.EsTecla(Qt::Key_Tab) || e.EsTecla(Qt::Key_Backtab))
            return;

        const auto x = Numero(ahora[origen]);
        double holgura = 0;
        for (const CajaConvertida &c : m_conversor.cajas)
            if (c.grupo == fuente.grupo)
                holgura += c.mediaUnidad;
        for (int j = 0; j < static_cast<int>(ahora.size()); ++j) {
            const CajaConvertida &c = Caja(j);
            if (c.grupo != fuente.grupo || j == origen)
                continue;
            const QString detalle =
                QStringLiteral("%1 \"%2\" beside %3 \"%4\"").arg(fuente.nombre, ahora[origen], c.nombre, ahora[j]);
            if (!x) {
                if (e.editadas.contains(QString::fromUtf8(fuente.nombre)))
                    Exigir(ahora[j].isEmpty(), "a box edited into no number leaves its group empty", detalle);
                continue;
            }
            const auto y = Numero(ahora[j]);
            if (!y)
                continue;
            const double a = fuente.aComun(*x);
            const double b = c.aComun(*y);
            const double margen = holgura + 1e-9 * std::max(std::fabs(a), std::fabs(b));
            Exigir(std::fabs(a - b) <= margen, "the boxes of a group show the same quantity", detalle);
            Exigir(b >= m_conversor.minimo - c.mediaUnidad, "no converted value lies below the lowest possible",
                   detalle);
        }
    }

private:
    const CajaConvertida &Caja(int i) const { return m_conversor.cajas[static_cast<std::size_t>(i)]; }

    int Indice(const QString &nombre) const
    {
        for (std::size_t i = 0; i < m_conversor.cajas.size(); ++i)
            if (nombre == QLatin1String(m_conversor.cajas[i].nombre))
                return static_cast<int>(i);
        return -1;
    }

    QStringList Textos()
    {
        QStringList t;
        for (const CajaConvertida &c : m_conversor.cajas)
            t << TextoDe(Control(c.nombre));
        return t;
    }

    Conversor m_conversor;
    QStringList m_antes;
};

} // namespace

std::unique_ptr<Reglas> ReglasTemperatura()
{
    return std::make_unique<Conversion>(Conversor{kTemperatura, 0.0});
}

std::unique_ptr<Reglas> ReglasPresion()
{
    return std::make_unique<Conversion>(Conversor{kPresion, -HUGE_VAL});
}

std::unique_ptr<Reglas> ReglasEnergia()
{
    return std::make_unique<Conversion>(Conversor{kEnergia, -HUGE_VAL});
}
