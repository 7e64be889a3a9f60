#include "widgets/CajaFormula.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTextCharFormat>

namespace {

QFont FuenteFormula(qreal puntos)
{
    QFont fuente(QStringLiteral("Times New Roman"));
    fuente.setPointSizeF(puntos);
    return fuente;
}

// A character that a key types into the box.
bool EsCaracter(const QString &texto)
{
    return !texto.isEmpty() && texto.front().isPrint();
}

// The key a character comes from, for handlers that look at the key code.
int TeclaDe(QChar c)
{
    if (c == u' ')
        return Qt::Key_Space;
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))
        return c.unicode();
    if (c >= u'a' && c <= u'z')
        return c.toUpper().unicode();
    return Qt::Key_unknown;
}

} // namespace

CajaFormula::CajaFormula(QWidget *padre) : QTextEdit(padre)
{
    setFont(FuenteFormula(kTamanoBase));
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Tall enough for a line of symbols at their large size.
    const int linea = QFontMetrics(FuenteFormula(kTamanoSimbolo)).lineSpacing();
    const int margen = static_cast<int>(document()->documentMargin());
    setFixedHeight(linea + 2 * margen + 2 * frameWidth() + 2);

    // A change of format alone (the size of what is typed next) is no edit.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        QString ahora = toPlainText();
        if (ahora == m_texto)
            return;
        m_texto = std::move(ahora);
        if (!m_vaciando)
            emit editada(m_caracter);
    });
}

CajaFormula::ClaseTecla CajaFormula::Clasificar(const QString &texto)
{
    if (texto.size() != 1)
        return ClaseTecla::Otra;
    const QChar c = texto.front();
    if (c >= u'0' && c <= u'9')
        return ClaseTecla::Digito;
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'Ñ' || c == u'ñ')
        return ClaseTecla::Letra;
    return ClaseTecla::Otra;
}

QString CajaFormula::Texto() const
{
    return toPlainText();
}

void CajaFormula::TamanoSiguiente(qreal puntos)
{
    setFontPointSize(puntos);
}

void CajaFormula::Vaciar()
{
    m_vaciando = true;
    clear();
    QTextCharFormat formato;
    formato.setFont(FuenteFormula(kTamanoBase));
    setCurrentCharFormat(formato);
    m_vaciando = false;
}

void CajaFormula::keyPressEvent(QKeyEvent *evento)
{
    const QString anterior = m_caracter;
    const bool caracter =
        EsCaracter(evento->text()) && !(evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (caracter && Llena())
        return;
    if (caracter) {
        m_caracter = evento->text();
        TamanoSiguiente(Clasificar(m_caracter) == ClaseTecla::Digito ? kTamanoIndice : kTamanoSimbolo);
    } else {
        m_caracter.clear();
    }
    // The formula is one line, whatever the window does with Enter.
    if (evento->key() != Qt::Key_Return && evento->key() != Qt::Key_Enter)
        QTextEdit::keyPressEvent(evento);
    m_caracter = anterior;
}

bool CajaFormula::Llena() const
{
    return m_texto.size() >= kLongitudMaxima && !textCursor().hasSelection();
}

void CajaFormula::mousePressEvent(QMouseEvent *evento)
{
    // A press on the selection is where a drag would start: it places the
    // caret instead.
    QTextCursor cursor = textCursor();
    if (evento->button() == Qt::LeftButton && cursor.hasSelection()) {
        const int pos = cursorForPosition(evento->position().toPoint()).position();
        if (pos >= cursor.selectionStart() && pos <= cursor.selectionEnd()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
    }
    QTextEdit::mousePressEvent(evento);
}

bool CajaFormula::canInsertFromMimeData(const QMimeData *origen) const
{
    return origen->hasText();
}

void CajaFormula::insertFromMimeData(const QMimeData *origen)
{
    Teclear(origen->text());
}

// Typed once the drop is over, at the point it was dropped: the keys may
// bring a message box, which has no place inside a drag, and Qt's drop would
// hold back every change notice until its end.
void CajaFormula::dropEvent(QDropEvent *evento)
{
    if (!evento->mimeData()->hasText())
        return QTextEdit::dropEvent(evento);
    setTextCursor(cursorForPosition(evento->position().toPoint()));
    evento->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, texto = evento->mimeData()->text()] { Teclear(texto); }, Qt::QueuedConnection);
}

// Line breaks are Enter, as typed; other control characters type nothing.
// The window may empty or close the box on a key: each key checks that it is
// still there.
void CajaFormula::Teclear(const QString &original)
{
    QString texto = original;
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QPointer<CajaFormula> caja(this);
    for (const QChar c : texto) {
        if (caja == nullptr)
            return;
        const bool enter = c == u'\n' || c == u'\r';
        if (!enter && (!c.isPrint() || Llena()))
            continue;
        const QString t = enter ? QStringLiteral("\r") : QString(c);
        const int tecla = enter ? Qt::Key_Return : TeclaDe(c);
        QKeyEvent pulsar(QEvent::KeyPress, tecla, Qt::NoModifier, t);
        QCoreApplication::sendEvent(this, &pulsar);
        if (caja == nullptr)
            return;
        QKeyEvent soltar(QEvent::KeyRelease, tecla, Qt::NoModifier, t);
        QCoreApplication::sendEvent(this, &soltar);
    }
}
