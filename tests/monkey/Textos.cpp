#include "tests/monkey/Textos.h"

#include "core/numeros.h"

#include <QStringList>

namespace {

bool DePalabra(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'+' || c == u',' || c == u'.' || c == u'#';
}

bool NoEsNumero(const QString &palabra)
{
    QString p = palabra.toLower();
    if (p.contains(u'#')) {
        // What one platform's C library writes: 1.#INF, 1,#IND, 1.#QNAN.
        for (const char *marca : {"#inf", "#ind", "#nan", "#qnan", "#snan"})
            if (p.contains(QLatin1String(marca)))
                return true;
    }
    if (p.startsWith(u'-') || p.startsWith(u'+'))
        p.remove(0, 1);
    return p == u"inf" || p == u"infinity" || p == u"nan";
}

bool CeroNegativo(QString palabra)
{
    if (!palabra.startsWith(u'-'))
        return false;
    // The full stop that ends a sentence is no part of the number.
    while (palabra.endsWith(u'.'))
        palabra.chop(1);
    const auto valor = Calculos::TextoANumero(palabra.toStdString());
    return valor && *valor == 0.0;
}

} // namespace

std::optional<QString> PalabraSinSentido(const QString &texto)
{
    if (texto.contains(QChar(0x221E)))
        return QStringLiteral("∞");
    qsizetype i = 0;
    while (i < texto.size()) {
        if (!DePalabra(texto[i])) {
            ++i;
            continue;
        }
        const qsizetype inicio = i;
        while (i < texto.size() && DePalabra(texto[i]))
            ++i;
        const QString palabra = texto.mid(inicio, i - inicio);
        if (NoEsNumero(palabra) || CeroNegativo(palabra))
            return palabra;
    }
    return std::nullopt;
}
