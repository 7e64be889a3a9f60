#include "widgets/Teclas.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {

bool EsTabulador(int tecla)
{
    return tecla == Qt::Key_Tab || tecla == Qt::Key_Backtab;
}

} // namespace

bool EsTecleo(const QKeyEvent *evento)
{
    if (evento->matches(QKeySequence::Paste) || evento->matches(QKeySequence::Cut) ||
        evento->matches(QKeySequence::Undo) || evento->matches(QKeySequence::Redo))
        return true;
    if (evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString t = evento->text();
    if (t.isEmpty() || EsTabulador(evento->key()))
        return false;
    return t == u"\b" || t == u"\r" || t.front().isPrint();
}

bool EsSoltarTecleo(const QKeyEvent *evento)
{
    if (evento->isAutoRepeat() || EsTabulador(evento->key()))
        return false;
    switch (evento->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return false;
    default:
        return true;
    }
}
