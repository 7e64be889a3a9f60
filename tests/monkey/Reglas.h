#pragma once

#include "tests/support/Ventana.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QTimer;

// One thing the monkey did to a window, and what it saw happen meanwhile.
struct Evento {
    enum class Tipo {
        Tecla,   // a key pressed and let go in the control that has the focus
        Pegar,   // Ctrl+V there, with a text on the clipboard
        Clic,    // the left button pressed and let go over a control
        Lista,   // an entry chosen from a drop-down list
        Fecha,   // a day chosen in a date picker's calendar
        Tic,     // one tick of a running timer
        Jugada,  // a click a player who knows the game would make
        Dato,    // a value that makes sense typed key by key into a box
        Edicion, // an edit without a key: an entry of the box's context menu
                 // (paste, cut, delete, undo, redo), a middle-button paste
                 // or a drop of a text
        Cierre,  // the window closed with its close box, to be opened again
    };

    Tipo tipo = Tipo::Tecla;
    QPointer<QWidget> destino; // the control it went to
    QString control;           // its name in the program
    QPointer<QTimer> reloj;    // the timer of a tick
    int tecla = 0;             // Qt::Key of a key or of a paste
    Qt::KeyboardModifiers modificadores;
    QString texto; // the key's text, the text pasted, the entry chosen
    // A key that changes the text of a box: a character, Backspace, Delete,
    // or a paste, cut or undo shortcut.
    bool edita = false;
    QString descripcion;

    // What happened while it ran.
    QSet<QString> editadas; // boxes whose text the user's action changed
    QSet<QString> escritas; // boxes the program wrote into meanwhile
    QStringList mensajes;   // the texts of the messages shown
    QString focoAntes;      // where the focus was, and where it went
    QString focoDespues;

    bool EsTecla(Qt::Key k) const { return (tipo == Tipo::Tecla || tipo == Tipo::Pegar) && tecla == k; }
    bool Enter() const { return EsTecla(Qt::Key_Return) || EsTecla(Qt::Key_Enter); }
    bool EsClic() const { return tipo == Tipo::Clic || tipo == Tipo::Jugada; }
    bool EnControl(const QString &nombre) const { return control == nombre; }
    // A button pressed: clicked, or Space while it has the focus.
    bool Pulsa(const QString &boton) const
    {
        return control == boton && (EsClic() || (tipo == Tipo::Tecla && tecla == Qt::Key_Space));
    }
    // A tile or a cell pressed: clicked, or Enter or Space, bare, while it
    // has the focus.
    bool PulsaEtiqueta(const QString &etiqueta) const
    {
        const bool teclado = tipo == Tipo::Tecla && (modificadores & ~Qt::KeypadModifier) == Qt::NoModifier &&
                             (tecla == Qt::Key_Space || tecla == Qt::Key_Return || tecla == Qt::Key_Enter);
        return control == etiqueta && (EsClic() || teclado);
    }
    // Keys, a paste or a value typed in the named control.
    bool TecleoEn(const QString &nombre) const
    {
        return (tipo == Tipo::Tecla || tipo == Tipo::Pegar || tipo == Tipo::Edicion || (tipo == Tipo::Dato && edita)) &&
               control == nombre;
    }
};

// Values that make sense in a box of a window, for the monkey to type
// among its hostile keys so that the window's results come into play.
struct Datos {
    const char *caja;
    QStringList valores;
};

struct Hallazgo {
    QString invariante;
    QString detalle;
};

// The invariants of one window: what must hold after every event, whatever
// the user did. They are stated from the program's behaviour as the user
// knows it, not from its code, and say which invariant broke and how.
class Reglas {
public:
    virtual ~Reglas() = default;

    // The window has just been opened, or opened again.
    virtual void Abierta(QWidget *ventana) { m_ventana = ventana; }
    // Right before the event is sent, to keep what the invariants compare.
    virtual void Antes(const Evento &) {}
    // After the event and everything it queued.
    virtual void Despues(const Evento &evento) = 0;
    // After the last event.
    virtual void AlFinal() {}

    // A click a player who knows the game would make now, or nullptr.
    virtual QWidget *Jugada() { return nullptr; }
    // How often such a click comes, against 40 for a key and 30 for a click
    // anywhere.
    virtual int PesoJugada() const { return 12; }
    // Sensible values for the window's boxes.
    virtual std::vector<Datos> Valores() const { return {}; }
    // Whether the stream may fire this timer.
    virtual bool TicPermitido(const QTimer *) const { return true; }
    // Boxes that hold the user's own words, which the program may show back.
    virtual bool TextoDelUsuario(const QWidget *) const { return false; }
    // Dialogs close on Escape; any other window closing by itself is a fault.
    virtual bool PuedeCerrarse() const { return false; }
    // The user closes the window and opens it again from the menu now.
    virtual bool Reabrir() { return false; }

    // Counts one check; a broken one is kept for the report.
    void Exigir(bool cumple, const char *invariante, const QString &detalle = {});

    long comprobaciones = 0;
    // How often each invariant was checked, by its text.
    QHash<const char *, long> porInvariante;
    std::vector<Hallazgo> hallazgos;
    // Every sound the program asked for so far, in order.
    QStringList sonidos;

protected:
    // The window's control of that name; a missing one is a finding.
    template <class C = QWidget> C *Control(const char *nombre)
    {
        C *c = m_ventana == nullptr ? nullptr : m_ventana->findChild<C *>(QString::fromUtf8(nombre));
        if (c == nullptr)
            Exigir(false, "every control is where its name says",
                   QString::fromUtf8(nombre) + QStringLiteral(" is missing"));
        return c;
    }

    QPointer<QWidget> m_ventana;
};

// Shown or hidden as the user sees it inside its window.
bool Visible(const QWidget *control);
// Nothing covers the middle of the control: a click there reaches it.
bool AlAlcance(const QWidget *control);
// Its name in the program, or that of whatever covers its middle.
QString LoQueLoTapa(const QWidget *control);
// The number a text shows, read as the program reads it.
std::optional<double> Numero(const QString &texto);

// The invariants of each window of the program; nullptr for one that has
// none written yet, which the monkey reports.
std::unique_ptr<Reglas> ReglasDe(const QString &clase);
