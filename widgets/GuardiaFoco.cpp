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
    if (m_comprobando || campo == nullptr)
        return;
    const bool devuelto = campo == m_devuelto && evento.reason() == Qt::OtherFocusReason;
    if (!LoHizoElUsuario(evento) && !devuelto)
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
    if (valido) {
        if (m_devuelto == campo)
            m_devuelto = nullptr;
    } else {
        ++m_tanda;
        m_devuelto = campo;
        m_comprobarDevuelto = comprobar;
        if (campo != nullptr) {
            campo->window()->installEventFilter(this);
            campo->setFocus(Qt::OtherFocusReason);
        }
    }
    m_comprobando = false;
}

bool GuardiaFoco::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::WindowActivate && m_devuelto != nullptr && objeto == m_devuelto->window() &&
        m_devuelto->window()->focusWidget() != m_devuelto) {
        QPointer<QWidget> campo(m_devuelto);
        QMetaObject::invokeMethod(
            this,
            [this, campo, comprobar = m_comprobarDevuelto, tanda = m_tanda] { Comprobar(campo, comprobar, tanda); },
            Qt::QueuedConnection);
    }
    return false;
}
