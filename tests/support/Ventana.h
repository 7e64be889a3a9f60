#pragma once

#include "tests/support/RegistroMensajes.h"
#include "widgets/Controles.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString &texto, std::ostream *os)
{
    *os << '"' << texto.toStdString() << '"';
}

// A number written out in digits: `cifras` followed by `ceros` zeros.
inline QString Cifras(const char *cifras, int ceros)
{
    return QString::fromLatin1(cifras) + QString(ceros, u'0');
}

// Lets what has been queued run (posted events, zero-time timers).
void Procesar();

// Closes every window and deletes those that were waiting for it.
void CerrarVentanas();

// The visible top-level windows whose objectName is `clase`.
QList<QWidget *> Abiertas(const QString &clase);

// Fires a timer's tick now instead of waiting for it.
void Disparar(QTimer *reloj);

// Drives a window as the user does: finds its controls by name, types into
// them key by key, clicks them and reads what they show. Every message the
// window gives is recorded instead of shown.
class Manejo {
public:
    explicit Manejo(QWidget *ventana);
    Manejo(const Manejo &) = delete;
    Manejo &operator=(const Manejo &) = delete;

    // Shows the window and waits until it is the active one.
    void Activar();

    template <class C = QWidget> C *control(const QString &nombre) const
    {
        C *c = m_ventana == nullptr ? nullptr : m_ventana->findChild<C *>(nombre);
        EXPECT_NE(c, nullptr) << nombre.toStdString();
        return c;
    }
    QLineEdit *caja(const QString &nombre) const { return control<QLineEdit>(nombre); }

    // Each character pressed and released in the control, which gets the
    // focus first. Characters outside ASCII ("ñ", "µ") go as key events
    // carrying their text.
    void teclear(const QString &nombre, const QString &teclas);
    void teclear(const QString &nombre, char tecla) { teclear(nombre, QString(QLatin1Char(tecla))); }
    void teclear(const QString &nombre, const char *teclas) { teclear(nombre, QString::fromUtf8(teclas)); }
    // A key that is not a character (Enter, Tab, Backspace), or a shortcut.
    void tecla(const QString &nombre, Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier);

    void clic(const QString &nombre);

    // What a control shows: the text of a box, label, list or button, the
    // title of a frame, the plain text of a rich-text box.
    QString texto(const QString &nombre) const;
    // The texts of the named controls, joined by "|".
    QString textos(std::initializer_list<const char *> nombres) const;

    RegistroMensajes mensajes;

protected:
    QPointer<QWidget> m_ventana;
};

// A window made by the test itself, shown and active.
template <class V> struct Propia {
    V ventana;
};

template <class V> struct Abierta : Propia<V>, Manejo {
    Abierta() : Manejo(&this->ventana) { Activar(); }
};

// A window opened from the program's list of windows, as its menu entry
// opens it; every window is closed when the test ends.
class DeLaLista : public Manejo {
public:
    explicit DeLaLista(const QString &clase);
    ~DeLaLista();

    QWidget *ventana() const { return m_ventana; }
};

// Every change of every box of a window, in order, as "TextAtm=1".
class RegistroCambios {
public:
    explicit RegistroCambios(QWidget *ventana)
    {
        for (QLineEdit *c : ventana->findChildren<QLineEdit *>()) {
            QObject::connect(c, &QLineEdit::textChanged, &m_contexto,
                             [this, c](const QString &texto) { cambios << c->objectName() + u'=' + texto; });
        }
    }
    QStringList cambios;

private:
    QObject m_contexto;
};

// Closes every real message box as soon as it shows, and counts them; for
// the few tests that need the real modal box instead of the recorder.
class CerradorDeCajas : public QObject {
public:
    CerradorDeCajas();
    int cerradas() const { return m_cerradas; }
    // Runs once each box is up, before it is closed.
    std::function<void(QMessageBox *)> alMostrar;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void Cerrar(QMessageBox *caja);

    int m_cerradas = 0;
};
