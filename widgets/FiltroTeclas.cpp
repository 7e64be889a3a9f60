#include "widgets/FiltroTeclas.h"

#include "widgets/Mensajes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

class FiltroTeclas : public QObject {
public:
    FiltroTeclas(QObject *campo, Calculos::TipoFiltro tipo) : QObject(campo), m_tipo(tipo) {}

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::KeyPress)
            return AplicarFiltro(objeto, static_cast<QKeyEvent *>(evento), m_tipo);
        return false;
    }

private:
    Calculos::TipoFiltro m_tipo;
};

// Gives the field a comma keystroke of its own, so it lands where the dot was
// typed and the caret moves past it, exactly as if the user had typed it. It
// goes straight to the field: the window's key handlers have already seen
// the dot.
void TeclearComa(QObject *campo, const QKeyEvent &original)
{
    QKeyEvent coma(QEvent::KeyPress, Qt::Key_Comma, Qt::NoModifier, QStringLiteral(","), original.isAutoRepeat());
    static_cast<QObject *>(campo)->event(&coma);
}

} // namespace

bool AplicarFiltro(QObject *campo, QKeyEvent *evento, Calculos::TipoFiltro tipo)
{
    // Shortcuts (copy, paste, undo, select all) are not typing.
    if (evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;

    switch (Calculos::JuzgarTecla(tipo, evento->text().toStdString())) {
    case Calculos::Veredicto::Pasa:
        return false;
    case Calculos::Veredicto::Descarta:
        return true;
    case Calculos::Veredicto::Coma:
        TeclearComa(campo, *evento);
        return true;
    case Calculos::Veredicto::AvisoComa:
        MostrarError(qobject_cast<QWidget *>(campo), QStringLiteral("Utilice la coma para separar los decimales."));
        return false;
    case Calculos::Veredicto::AvisoCaracter:
        MostrarError(qobject_cast<QWidget *>(campo), QStringLiteral("Carácter no válido."));
        return false;
    }
    return false;
}

void InstalarFiltro(QObject *campo, Calculos::TipoFiltro tipo)
{
    campo->installEventFilter(new FiltroTeclas(campo, tipo));
}
