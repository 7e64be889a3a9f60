// The invariants of the two puzzles and their best-time records.

#include "core/elementos.h"
#include "platform/Ajustes.h"
#include "puzzle/marcas.h"
#include "puzzle/puzle.h"
#include "tests/monkey/ReglasVentanas.h"

#include <QFile>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTimer>

namespace {

const QString kFallo = QStringLiteral("Posición incorrecta.");
const QString kMejorada = QStringLiteral("Marca mejorada");

// A puzzle's record as the store holds it: name, minutes, seconds, misses.
QStringList MarcaGuardada(Calculos::Tablero tablero)
{
    const Calculos::SeccionesMarca s = Calculos::SeccionesDe(tablero);
    QStringList valores;
    for (std::string_view seccion : {s.nombre, s.minutos, s.segundos, s.fallos})
        valores << LeerAjuste(QString::fromUtf8(Calculos::ClaveAjustes(seccion)));
    return valores;
}

QByteArray Almacen()
{
    QFile archivo(ArchivoAjustes());
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// A game: each click on a cell is either a miss (one message, one more miss
// and the symbol asked for at the end of the list) or the cell asked for,
// which asks for an element not asked for before, until the last; nothing
// else touches the game. The miss count always equals the lines of the
// list. The start button goes with the first miss or placement, the clock
// shows 0 until it was started and stops at the end, when the record frame
// shows. A record is written only by "Registra tu marca" (what the clock and
// the name box show) and erased only by "Borrar marca registrada", and the
// other puzzle's record is never touched; "Marca mejorada" is only said for a
// time that beats the record.
class Puzle : public Reglas {
public:
    explicit Puzle(Calculos::Tablero tablero) : m_tablero(tablero)
    {
        const bool reducido = tablero == Calculos::Tablero::Reducido;
        m_otro = reducido ? Calculos::Tablero::Completo : Calculos::Tablero::Reducido;
        m_nombreMarca = reducido ? QStringLiteral("TextNombrePuzleRedu") : QStringLiteral("TextNombrePuzleFull");
        m_palabraFallos = reducido ? "Label18" : "Label4";
        for (int k = 1; k <= Calculos::ElementosDe(tablero); ++k) {
            const std::string simbolo = Calculos::SimboloDeOrden(tablero, k);
            const std::string nombre = reducido ? Calculos::NombreCubierta(simbolo) : Calculos::NombreCelda(simbolo);
            m_celdas.insert(QString::fromUtf8(nombre), QString::fromUtf8(simbolo));
        }
    }

    void Abierta(QWidget *ventana) override
    {
        Reglas::Abierta(ventana);
        m_pedidos = {TextoDe(Control("Label1"))};
        m_colocados = 0;
        m_arrancado = false;
        m_eventosDesdeFin = 0;
        Exigir(m_celdas.contains(Celda(TextoDe(Control("Label1")))), "the first element is asked for at once");
        for (auto it = m_celdas.begin(); it != m_celdas.end(); ++it) {
            const QWidget *celda = Control(it.key().toUtf8().constData());
            if (celda != nullptr)
                Exigir(AlAlcance(celda), "a click on a cell's place reaches the cell",
                       it.key() + QStringLiteral(" lies under ") + LoQueLoTapa(celda));
        }
    }

    bool TextoDelUsuario(const QWidget *control) const override { return control->objectName() == m_nombreMarca; }

    int PesoJugada() const override { return 40; }
    // A player out for a record starts the clock before the first move.
    QWidget *Jugada() override
    {
        if (Terminada())
            return nullptr;
        auto *inicio = m_ventana->findChild<QPushButton *>(QStringLiteral("CommandStart"));
        if (inicio != nullptr && inicio->isEnabled() && !m_arrancado)
            return inicio;
        QWidget *celda = m_ventana->findChild<QWidget *>(Celda(TextoDe(m_ventana->findChild<QLabel *>("Label1"))));
        return Visible(celda) ? celda : nullptr;
    }

    // Once a game is over, a few more events on its record frame, then a new one.
    bool Reabrir() override { return Terminada() && ++m_eventosDesdeFin > 150; }

    void Antes(const Evento &) override
    {
        m_pedido = TextoDe(Control("Label1"));
        m_fallos = Numero(TextoDe(Control("LabelFallos"))).value_or(-1);
        m_lineas = Lista()->count();
        m_almacen = Almacen();
        // Read again only when the store has changed since.
        if (m_almacen != m_almacenLeido) {
            m_marcaOtro = MarcaGuardada(m_otro);
            m_almacenLeido = m_almacen;
        }
        m_terminadaAntes = Terminada();
        m_inicioHabilitado = Control("CommandStart")->isEnabled();
    }

    void Despues(const Evento &e) override
    {
        Jugadas(e);
        Cronometro(e);
        Marcas(e);
    }

private:
    QString Celda(const QString &simbolo) const
    {
        for (auto it = m_celdas.begin(); it != m_celdas.end(); ++it)
            if (it.value() == simbolo)
                return it.key();
        return {};
    }
    QListWidget *Lista() { return Control<QListWidget>("List1"); }
    bool Terminada() { return Visible(Control("FrameMejorMarca")); }
    int Total() const { return Calculos::ElementosDe(m_tablero); }

    void Jugadas(const Evento &e)
    {
        const double fallos = Numero(TextoDe(Control("LabelFallos"))).value_or(-1);
        const int lineas = Lista()->count();
        Exigir(fallos == lineas, "the miss count equals the lines of the miss list",
               QStringLiteral("%1 misses, %2 lines").arg(fallos).arg(lineas));
        Exigir(TextoDe(Control(m_palabraFallos)) == (fallos == 1 ? u"fallo" : u"fallos"),
               "the word after the misses agrees with their number", TextoDe(Control(m_palabraFallos)));
        for (const QString &m : e.mensajes)
            Exigir(m == kFallo || m == kMejorada, "the puzzle says only its own messages", m);

        const QString pedido = TextoDe(Control("Label1"));
        const bool enCelda = m_celdas.contains(e.control) && e.PulsaEtiqueta(e.control);
        const bool fallo = enCelda && !m_terminadaAntes && m_celdas.value(e.control) != m_pedido;
        const bool acierto = enCelda && !m_terminadaAntes && !fallo;
        Exigir(e.mensajes.count(kFallo) == (fallo ? 1 : 0), "a miss, and only a miss, says so once",
               e.control + QStringLiteral(" for ") + m_pedido);
        Exigir(fallos == m_fallos + (fallo ? 1 : 0), "a miss, and only a miss, counts one",
               QStringLiteral("%1 after %2").arg(fallos).arg(m_fallos));
        if (fallo && lineas > 0)
            Exigir(Lista()->item(lineas - 1)->text() == m_pedido, "the list takes the symbol asked for",
                   Lista()->item(lineas - 1)->text() + QStringLiteral(" for ") + m_pedido);
        if (acierto)
            ++m_colocados;
        if (acierto && m_colocados < Total()) {
            Exigir(!m_pedidos.contains(pedido) && m_celdas.values().contains(pedido),
                   "each element of the board is asked for once", pedido);
            m_pedidos.insert(pedido);
        } else if (!acierto) {
            Exigir(pedido == m_pedido, "only a placement asks for another element", m_pedido + u'>' + pedido);
        }
        if (m_colocados > 0 || fallos > 0)
            Exigir(!Control("CommandStart")->isEnabled(), "the start button goes with the first move");
        Exigir(Terminada() == (m_colocados == Total()), "the record frame shows when, and only when, all are placed",
               QStringLiteral("%1 of %2 placed").arg(m_colocados).arg(Total()));
        if (Terminada())
            Exigir(m_pedidos.size() == Total(), "every element was asked for by the end",
                   QString::number(m_pedidos.size()));
    }

    void Cronometro(const Evento &e)
    {
        if (e.Pulsa(QStringLiteral("CommandStart")) && m_inicioHabilitado && !m_terminadaAntes)
            m_arrancado = true;
        const QString minutos = TextoDe(Control("LabelMinutos"));
        const QString segundos = TextoDe(Control("LabelSegundos"));
        const auto s = Numero(segundos);
        const auto m = Numero(minutos);
        Exigir(s && m && *s >= 0 && *s <= 60 && *m >= 0, "the clock reads minutes and 0 to 60 seconds",
               minutos + u':' + segundos);
        if (!m_arrancado)
            Exigir(minutos == u"0" && segundos == u"0", "the clock stays at 0 until it is started",
                   minutos + u':' + segundos);
        if (Terminada())
            Exigir(!Control<QTimer>("Timer1")->isActive(), "the clock stops when the game is over");
    }

    void Marcas(const Evento &e)
    {
        const bool registrar = e.Pulsa(QStringLiteral("CommandRegistrarMarca"));
        const bool borrar = e.Pulsa(QStringLiteral("CommandBorrar"));
        if (Almacen() != m_almacen) {
            Exigir(registrar || borrar, "a record is written only by its two buttons", e.descripcion);
            Exigir(MarcaGuardada(m_otro) == m_marcaOtro, "the other puzzle's record is never touched");
        }
        if (registrar) {
            const QStringList esperada{TextoDe(Control(m_nombreMarca.toUtf8().constData())),
                                       TextoDe(Control("LabelMinutos")), TextoDe(Control("LabelSegundos")),
                                       TextoDe(Control("LabelFallos"))};
            Exigir(MarcaGuardada(m_tablero) == esperada, "\"Registra tu marca\" saves the time, misses and name shown",
                   MarcaGuardada(m_tablero).join(u'|') + QStringLiteral(" for ") + esperada.join(u'|'));
        }
        if (borrar)
            Exigir(MarcaGuardada(m_tablero).join(QString()).isEmpty(), "\"Borrar marca registrada\" erases the record",
                   MarcaGuardada(m_tablero).join(u'|'));
        if (e.mensajes.contains(kMejorada)) {
            const auto actual = Calculos::SegundosDeMarca(TextoDe(Control("LabelMinutos")).toStdString(),
                                                          TextoDe(Control("LabelSegundos")).toStdString());
            const auto marca = Calculos::SegundosDeMarca(TextoDe(Control("MarcaMin")).toStdString(),
                                                         TextoDe(Control("MarcaSg")).toStdString());
            Exigir(actual && marca && *actual > 0 && *actual < *marca, "\"Marca mejorada\" only for a better time",
                   TextoDe(Control("LabelMinutos")) + u':' + TextoDe(Control("LabelSegundos")) +
                       QStringLiteral(" against ") + TextoDe(Control("MarcaMin")) + u':' + TextoDe(Control("MarcaSg")));
            Exigir(Visible(Control("CommandRegistrarMarca")), "a better time can be saved");
        }
    }

    Calculos::Tablero m_tablero;
    Calculos::Tablero m_otro;
    QString m_nombreMarca;
    const char *m_palabraFallos;
    QHash<QString, QString> m_celdas; // the label that takes a cell's clicks, and its symbol

    QSet<QString> m_pedidos;
    int m_colocados = 0;
    bool m_arrancado = false;
    int m_eventosDesdeFin = 0;

    QString m_pedido;
    double m_fallos = 0;
    int m_lineas = 0;
    QByteArray m_almacen;
    QByteArray m_almacenLeido{"-"};
    QStringList m_marcaOtro;
    bool m_terminadaAntes = false;
    bool m_inicioHabilitado = false;
};

} // namespace

std::unique_ptr<Reglas> ReglasPuzle()
{
    return std::make_unique<Puzle>(Calculos::Tablero::Completo);
}

std::unique_ptr<Reglas> ReglasPuzle2()
{
    return std::make_unique<Puzle>(Calculos::Tablero::Reducido);
}
