// The invariants of the windows that show rather than compute: the splash,
// the periodic table, the About box and the completion window.

#include "core/casillas.h"
#include "core/elementos.h"
#include "core/numeros.h"
#include "tests/monkey/ReglasVentanas.h"
#include "tests/support/Ventana.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QRegion>
#include <QTimer>

namespace {

// The splash: an oval with the program's name, whatever the user does to
// it, until its one tick hands over to the periodic table.
class Presentacion : public Reglas {
public:
    // Its tick ends the window: it is fired once, after the stream.
    bool TicPermitido(const QTimer *) const override { return false; }

    void Despues(const Evento &) override
    {
        const auto *titulo = Control<QLabel>("Label1");
        Exigir(titulo != nullptr && titulo->text() == u"Orvella", "the splash shows the program's name");
        Exigir(m_ventana->mask() == QRegion(m_ventana->rect(), QRegion::Ellipse),
               "the splash is the ellipse inscribed in its window");
    }

    void AlFinal() override
    {
        QPointer<QWidget> splash = m_ventana;
        QTimer *reloj = Control<QTimer>("Timer1");
        Exigir(reloj != nullptr && reloj->isActive(), "the splash's timer runs until it hands over");
        if (reloj == nullptr)
            return;
        QMetaObject::invokeMethod(reloj, "timeout");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Exigir(Abiertas(QStringLiteral("FormPrincipal")).size() == 1, "its tick opens the periodic table");
        Exigir(splash == nullptr || !splash->isVisible(), "and the splash is gone");
    }
};

// The periodic table: every tile keeps its border once the button is let go,
// and the panel always shows one element of the catalogue, the last one
// released.
class Principal : public Reglas {
public:
    void Abierta(QWidget *ventana) override
    {
        Reglas::Abierta(ventana);
        m_casillas.clear();
        for (const Calculos::Elemento &e : Calculos::TablaElementos) {
            auto *casilla = Control<QLabel>(Calculos::NombreCasilla(e.simbolo).c_str());
            if (casilla == nullptr)
                continue;
            m_casillas.insert(casilla->objectName(), {casilla, &e});
            Exigir(AlAlcance(casilla), "a click on a tile's place reaches the tile",
                   casilla->objectName() + QStringLiteral(" lies under ") + LoQueLoTapa(casilla));
        }
        m_ultimo = &Calculos::TablaElementos.front();
    }

    void Despues(const Evento &e) override
    {
        if (m_casillas.contains(e.control) && e.PulsaEtiqueta(e.control))
            m_ultimo = m_casillas.value(e.control).elemento;
        for (const Casilla &c : m_casillas)
            Exigir(c.etiqueta->frameShape() == QFrame::Box, "a tile let go has its border", c.etiqueta->objectName());
        const QString panel = Panel();
        const QString esperado = QString::fromUtf8(m_ultimo->simbolo) + u'|' + QString::fromUtf8(m_ultimo->nombre) +
                                 u'|' + QString::fromUtf8(Calculos::NumeroATexto(m_ultimo->z)) + u'|' +
                                 QString::fromUtf8(m_ultimo->masaVisible);
        Exigir(panel == esperado, "the panel shows the element of the last tile released",
               panel + QStringLiteral(" instead of ") + esperado);
    }

private:
    struct Casilla {
        QLabel *etiqueta = nullptr;
        const Calculos::Elemento *elemento = nullptr;
    };

    QString Panel()
    {
        QStringList partes;
        for (const char *nombre : {"Label1", "Label2", "Label3", "Label4"})
            partes << TextoDe(Control(nombre));
        return partes.join(u'|');
    }

    QHash<QString, Casilla> m_casillas;
    const Calculos::Elemento *m_ultimo = nullptr;
};

// The About box: no frame of the atom before the first tick, then exactly
// one, each tick the next, whatever else the user does.
class AcercaDe : public Reglas {
public:
    bool PuedeCerrarse() const override { return true; }

    void Abierta(QWidget *ventana) override
    {
        Reglas::Abierta(ventana);
        m_tics = 0;
    }

    void Despues(const Evento &e) override
    {
        if (e.tipo == Evento::Tipo::Tic)
            ++m_tics;
        QStringList visibles;
        for (int i = 1; i <= 10; ++i)
            if (Visible(Control(QStringLiteral("Image%1").arg(i).toLatin1().constData())))
                visibles << QStringLiteral("Image%1").arg(i);
        const QString esperado = m_tics == 0 ? QString() : QStringLiteral("Image%1").arg((m_tics - 1) % 10 + 1);
        Exigir(visibles.join(u' ') == esperado, "one frame of the atom shows, the next at each tick",
               QStringLiteral("after %1 ticks: \"%2\"").arg(m_tics).arg(visibles.join(u' ')));
    }

private:
    int m_tics = 0;
};

// The completion window: it plays the sound once each time it opens, and
// nothing the user does to it says anything.
class FinTabla : public Reglas {
public:
    bool PuedeCerrarse() const override { return true; }

    void Abierta(QWidget *ventana) override
    {
        Reglas::Abierta(ventana);
        ++m_aperturas;
    }

    void Despues(const Evento &e) override
    {
        Exigir(sonidos.size() == m_aperturas, "the sound plays once each time the window opens",
               QStringLiteral("%1 sounds for %2 openings").arg(sonidos.size()).arg(m_aperturas));
        Exigir(sonidos.isEmpty() || sonidos.back().endsWith(QLatin1String("/tada.wav")),
               "the sound is the program's tada.wav", sonidos.value(sonidos.size() - 1));
        Exigir(e.mensajes.isEmpty(), "the completion window says nothing", e.mensajes.join(u'|'));
        const auto *trofeo = Control<QLabel>("Image1");
        Exigir(trofeo != nullptr && !trofeo->pixmap().isNull(), "the trophy shows");
    }

private:
    qsizetype m_aperturas = 0;
};

} // namespace

std::unique_ptr<Reglas> ReglasPresentacion()
{
    return std::make_unique<Presentacion>();
}

std::unique_ptr<Reglas> ReglasPrincipal()
{
    return std::make_unique<Principal>();
}

std::unique_ptr<Reglas> ReglasAcercaDe()
{
    return std::make_unique<AcercaDe>();
}

std::unique_ptr<Reglas> ReglasFinTabla()
{
    return std::make_unique<FinTabla>();
}
