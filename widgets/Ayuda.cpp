#include "widgets/Ayuda.h"

#include "widgets/Accesible.h"
#include "widgets/Controles.h"

#include <QPushButton>
#include <QTextEdit>

QTextEdit *CrearPanelAyuda(QWidget *padre, const QString &nombre, const char *html, const QRect &zona,
                           const QFont &fuente)
{
    auto *panel = Crear<QTextEdit>(padre, nombre, zona);
    panel->setReadOnly(true);
    panel->setFont(fuente);
    panel->setHtml(QString::fromUtf8(html).trimmed());
    panel->hide();
    Nombrar(panel, QStringLiteral("Explicación"));
    // Read right after the button that shows it.
    if (auto *boton = padre->findChild<QPushButton *>(QStringLiteral("Información"), Qt::FindDirectChildrenOnly))
        QWidget::setTabOrder(boton, panel);
    return panel;
}

void AlternarAyuda(QWidget *panel)
{
    panel->setVisible(panel->isHidden());
}
