#pragma once

#include <QTextEdit>

// The box where a chemical formula is typed: one line of rich text in Times
// New Roman 12 pt. Each character typed goes in small when it is a digit and
// large otherwise, so that a formula reads with its subscripts; what the
// window reads back is the plain text.
//
// Text that enters at once (Ctrl+V, Shift+Insert, the context menu, the
// middle button, a drop) is typed into the box character by character, as
// key presses that the window's key handler sees: pasting a text does what
// typing it would. Every change the user makes is announced by `editada`.
// Characters past kLongitudMaxima do not go in, typed or pasted.
//
// Text is not dragged out of it, as out of the program's other boxes: with
// Qt's X11 drag a text box that started a drag may never see the button go
// up, and then starts another drag at each move until it is clicked again,
// which leaves the whole program ignoring the user. Drops into it are
// welcome.
class CajaFormula : public QTextEdit {
    Q_OBJECT

public:
    static constexpr qreal kTamanoBase = 12;
    static constexpr qreal kTamanoIndice = 8;
    static constexpr qreal kTamanoSimbolo = 14;
    // Characters the box holds: far more than any formula has, and short
    // enough that a huge paste, typed in key by key, does not hang.
    static constexpr int kLongitudMaxima = 200;

    enum class ClaseTecla { Digito, Letra, Otra };

    explicit CajaFormula(QWidget *padre = nullptr);

    // A key's text as a formula box sees it: a digit 0..9, a letter A..Z,
    // a..z, Ñ or ñ, or anything else (accented letters included).
    static ClaseTecla Clasificar(const QString &texto);

    QString Texto() const;

    // Point size of whatever is typed next at the caret.
    void TamanoSiguiente(qreal puntos);

    // Empties the box and goes back to the base size. Not an edit of the
    // user's: `editada` stays silent.
    void Vaciar();

signals:
    // The user changed the formula: by the character `caracter`, typed or
    // pasted, or otherwise (Backspace, Delete, cut, undo, redo, a drag moved
    // out) with `caracter` empty.
    void editada(const QString &caracter);

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    bool canInsertFromMimeData(const QMimeData *origen) const override;
    void insertFromMimeData(const QMimeData *origen) override;
    void dropEvent(QDropEvent *evento) override;

private:
    void Teclear(const QString &texto);
    // Full: a character typed now, over no selection, would go past the
    // longest formula the box holds.
    bool Llena() const;

    QString m_texto;
    // The character of the key being handled, while it enters the box.
    QString m_caracter;
    bool m_vaciando = false;
};
