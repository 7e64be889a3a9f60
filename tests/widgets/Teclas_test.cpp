#include "widgets/Teclas.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

TEST(Teclas, QueTeclasTeclean)
{
    struct Caso {
        const char *nombre;
        int tecla;
        Qt::KeyboardModifiers modificadores;
        QString texto;
        bool tecleo;
    };
    const Caso casos[] = {
        {"digit", Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true},
        {"ñ", Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ"), true},
        {"Shift+A", Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), true},
        {"space", Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), true},
        {"Enter", Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true},
        // Shortcuts edit through the box's own signals, not as typing.
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"), false},
        {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a"), false},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"), false},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"), false},
        {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, QString(), false},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"), false},
        {"left arrow", Qt::Key_Left, Qt::NoModifier, QString(), false},
        {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier, QString(), false},
    };
    for (const Caso &c : casos) {
        const QKeyEvent pulsar(QEvent::KeyPress, c.tecla, c.modificadores, c.texto);
        EXPECT_EQ(EsTecleo(&pulsar), c.tecleo) << c.nombre;
    }
}
