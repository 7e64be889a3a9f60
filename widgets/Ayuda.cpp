#include "widgets/Ayuda.h"

#include "widgets/Controles.h"

#include <QTextEdit>

QTextEdit *CrearPanelAyuda(QWidget *padre, const QString &nombre, const char *html, const QRect &zona,
                           const QFont &fuente)
{
    auto *panel = Crear<QTextEdit>(padre, nombre, zona);
    panel->setReadOnly(true);
    panel->setFont(fuente);
    panel->setHtml(QString::fromUtf8(html).trimmed());
    panel->hide();
    return panel;
}

void AlternarAyuda(QWidget *panel)
{
    panel->setVisible(panel->isHidden());
}
