#include "widgets/Teclas.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>
#include <iterator>

namespace {

bool EsTabulador(int tecla)
{
    return tecla == Qt::Key_Tab || tecla == Qt::Key_Backtab;
}

} // namespace

bool EsTecleo(const QKeyEvent *evento)
{
    // Whatever text they carry: Delete has none on some keyboards, and the
    // word and line deletions come with Ctrl.
    constexpr QKeySequence::StandardKey kEdiciones[] = {
        QKeySequence::Paste,
        QKeySequence::Cut,
        QKeySequence::Undo,
        QKeySequence::Redo,
        QKeySequence::Delete,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine,
    };
    for (const QKeySequence::StandardKey edicion : kEdiciones)
        if (evento->matches(edicion))
            return true;
    if (evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString t = evento->text();
    if (t.isEmpty() || EsTabulador(evento->key()))
        return false;
    return t == u"\b" || t == u"\r" || t.front().isPrint();
}

bool EsEnter(const QKeyEvent *evento)
{
    return evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
}

bool EsSoltarTecleo(const QKeyEvent *evento)
{
    constexpr int kModificadores[] = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta};
    const int tecla = evento->key();
    return !evento->isAutoRepeat() && !EsTabulador(tecla) &&
           std::find(std::begin(kModificadores), std::end(kModificadores), tecla) == std::end(kModificadores);
}
