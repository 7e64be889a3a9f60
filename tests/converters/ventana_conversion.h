#pragma once

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString &texto, std::ostream *os)
{
    *os << '"' << texto.toStdString() << '"';
}

// A converter window as the user has it: shown and active.
template <class Ventana> struct Abierta {
    Abierta()
    {
        ventana.show();
        ventana.activateWindow();
    }
    Ventana ventana;

    QLineEdit *caja(const char *nombre)
    {
        auto *c = ventana.template findChild<QLineEdit *>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }

    // One key, pressed and released in the box, as the user types it.
    void teclear(const char *nombre, char tecla)
    {
        QLineEdit *c = caja(nombre);
        c->setFocus();
        QTest::keyClick(c, tecla);
    }

    void teclear(const char *nombre, const char *teclas)
    {
        for (const char *t = teclas; *t != '\0'; ++t)
            teclear(nombre, *t);
    }

    // The texts of the named boxes, joined by "|".
    QString textos(std::initializer_list<const char *> nombres)
    {
        QStringList lista;
        for (const char *n : nombres)
            lista << caja(n)->text();
        return lista.join(u'|');
    }
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
