#include "widgets/GuardiaFoco.h"

#include "widgets/Mensajes.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QWidget>

GuardiaFoco::GuardiaFoco(QObject *padre) : QObject(padre) {}

bool GuardiaFoco::LoHizoElUsuario(const QFocusEvent &evento)
{
    switch (evento.reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    default:
        return false;
    }
}

void GuardiaFoco::AlPerderFoco(QWidget *campo, const QFocusEvent &evento, Comprobacion comprobar)
{
    if (m_comprobando || campo == nullptr || !LoHizoElUsuario(evento))
        return;
    QPointer<QWidget> vigilado(campo);
    const unsigned tanda = m_tanda;
    // Queued with the guard as context: dropped if the window goes first.
    QMetaObject::invokeMethod(
        this, [this, vigilado, comprobar = std::move(comprobar), tanda] { Comprobar(vigilado, comprobar, tanda); },
        Qt::QueuedConnection);
}

void GuardiaFoco::AlPerderFocoSinCero(QLineEdit *campo, const QFocusEvent &evento)
{
    AlPerderFoco(campo, evento, [campo] {
        if (campo->text() != u"0")
            return true;
        MostrarError(campo->window(), QStringLiteral("Error."));
        return false;
    });
}

void GuardiaFoco::Comprobar(const QPointer<QWidget> &campo, const Comprobacion &comprobar, unsigned tanda)
{
    if (campo == nullptr || tanda != m_tanda || m_comprobando)
        return;
    m_comprobando = true;
    const bool valido = comprobar();
    if (!valido) {
        ++m_tanda;
        if (campo != nullptr)
            campo->setFocus(Qt::OtherFocusReason);
    }
    m_comprobando = false;
}
