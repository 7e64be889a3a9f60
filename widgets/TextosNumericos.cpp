#include "widgets/TextosNumericos.h"

#include "core/numeros.h"

#include <QLineEdit>

QString TextoDeNumero(double valor)
{
    return QString::fromStdString(Calculos::NumeroATexto(valor));
}

std::optional<double> NumeroDeTexto(const QString &texto)
{
    return Calculos::TextoANumero(texto.toStdString());
}

bool EsTextoNumerico(const QString &texto)
{
    return Calculos::EsNumerico(texto.toStdString());
}

void EscribirNumero(QLineEdit *caja, double valor)
{
    caja->setText(TextoDeNumero(valor));
}

std::optional<double> LeerNumero(const QLineEdit *caja)
{
    return NumeroDeTexto(caja->text());
}
