#include "widgets/Teclas.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

TEST(Teclas, QueTeclasEscribenEnUnaCaja)
{
    struct Caso {
        const char *nombre;
        int tecla;
        Qt::KeyboardModifiers modificadores;
        QString texto;
        bool tecleo;
        bool soltar;
    };
    const Caso casos[] = {
        {"digit", Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true, true},
        {"ñ", Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ"), true, true},
        {"Shift+A", Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), true, true},
        {"space", Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true, true},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), true, true},
        {"Enter", Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true, true},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"), true, true},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, QString(), true, true},
        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18"), true, true},
        {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a"), true, true},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"), false, true},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"), false, true},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"), false, false},
        {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, QString(), false, false},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"), false, true},
        {"left arrow", Qt::Key_Left, Qt::NoModifier, QString(), false, true},
        // Delete and the word deletions change the text too.
        {"Delete", Qt::Key_Delete, Qt::NoModifier, QString(), true, true},
        {"Delete with its text", Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), true, true},
        {"Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier, QStringLiteral("\b"), true, true},
        {"Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier, QString(), true, true},
        {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier, QString(), false, false},
        {"Control alone", Qt::Key_Control, Qt::ControlModifier, QString(), false, false},
    };
    for (const Caso &c : casos) {
        const QKeyEvent pulsar(QEvent::KeyPress, c.tecla, c.modificadores, c.texto);
        const QKeyEvent soltar(QEvent::KeyRelease, c.tecla, c.modificadores, c.texto);
        EXPECT_EQ(EsTecleo(&pulsar), c.tecleo) << c.nombre;
        EXPECT_EQ(EsSoltarTecleo(&soltar), c.soltar) << c.nombre;
    }
    const QKeyEvent repetida(QEvent::KeyRelease, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
    EXPECT_FALSE(EsSoltarTecleo(&repetida));
}
