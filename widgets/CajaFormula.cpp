#include "widgets/CajaFormula.h"

#include <QFontMetrics>
#include <QTextCharFormat>

namespace {

QFont FuenteFormula(qreal puntos)
{
    QFont fuente(QStringLiteral("Times New Roman"));
    fuente.setPointSizeF(puntos);
    return fuente;
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

void CajaFormula::TamanoSegunTecla(const QString &texto)
{
    TamanoSiguiente(Clasificar(texto) == ClaseTecla::Digito ? kTamanoIndice : kTamanoSimbolo);
}

void CajaFormula::Vaciar()
{
    clear();
    QTextCharFormat formato;
    formato.setFont(FuenteFormula(kTamanoBase));
    setCurrentCharFormat(formato);
}
