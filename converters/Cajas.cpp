#include "converters/Cajas.h"

#include "widgets/FiltroTeclas.h"
#include "widgets/Teclas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace {

QFont LetraCajas()
{
    QFont letra(QStringLiteral("Arial"));
    letra.setPointSizeF(12);
    return letra;
}

} // namespace

QLineEdit *CrearCaja(QWidget *padre, const char *nombre, int x, int y)
{
    auto *caja = new QLineEdit(padre);
    caja->setObjectName(QString::fromUtf8(nombre));
    caja->setFont(LetraCajas());
    caja->setGeometry(x, y, kAnchoCaja, kAltoCaja);
    return caja;
}

QLabel *CrearEtiqueta(QWidget *padre, const char *nombre, const QString &texto, int x, int y)
{
    auto *etiqueta = new QLabel(texto, padre);
    etiqueta->setObjectName(QString::fromUtf8(nombre));
    etiqueta->setFont(LetraCajas());
    etiqueta->move(x, y);
    etiqueta->setFixedHeight(kAltoCaja);
    etiqueta->adjustSize();
    return etiqueta;
}

QTextEdit *CrearPanelAyuda(QWidget *padre, const char *nombre, const QString &html)
{
    auto *panel = new QTextEdit(padre);
    panel->setObjectName(QString::fromUtf8(nombre));
    panel->setReadOnly(true);
    panel->setFont(LetraCajas());
    panel->setHtml(html.trimmed());
    panel->hide();
    return panel;
}

bool TecleoEnCaja(QLineEdit *caja, QKeyEvent *evento, std::span<QLineEdit *const> grupo, Calculos::TipoFiltro tipo)
{
    if (!EsTecleo(evento))
        return false;
    for (QLineEdit *otra : grupo) {
        if (otra != caja)
            otra->clear();
    }
    return AplicarFiltro(caja, evento, tipo);
}
