#include "widgets/Teclas.h"

#include <QKeyEvent>

bool EsTecleo(const QKeyEvent *evento)
{
    if (evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString t = evento->text();
    if (t.isEmpty() || evento->key() == Qt::Key_Tab || evento->key() == Qt::Key_Backtab)
        return false;
    return t == u"\b" || t == u"\r" || t.front().isPrint();
}

bool EsEnter(const QKeyEvent *evento)
{
    return evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
}
