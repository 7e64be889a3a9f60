#pragma once

#include <QTextEdit>

// The box where a chemical formula is typed: one line of rich text in Times
// New Roman 12 pt. A window sizes the text typed next (TamanoSiguiente) from
// the key being pressed, small for digits and large for symbols, so that a
// formula reads with its subscripts; what the window reads back is the plain
// text.
class CajaFormula : public QTextEdit {
    Q_OBJECT

public:
    static constexpr qreal kTamanoBase = 12;
    static constexpr qreal kTamanoIndice = 8;
    static constexpr qreal kTamanoSimbolo = 14;

    enum class ClaseTecla { Digito, Letra, Otra };

    explicit CajaFormula(QWidget *padre = nullptr);

    // A key's text as a formula box sees it: a digit 0..9, a letter A..Z,
    // a..z, Ñ or ñ, or anything else (accented letters included).
    static ClaseTecla Clasificar(const QString &texto);

    QString Texto() const;

    // Point size of whatever is typed next at the caret.
    void TamanoSiguiente(qreal puntos);

    // The size for the character a key is about to type: small for a digit,
    // large for anything else.
    void TamanoSegunTecla(const QString &texto);

    // Empties the box and goes back to the base size.
    void Vaciar();
};
