#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QFocusEvent;
class QLineEdit;
class QWidget;

// "Check a field when the user leaves it; if the check fails, show why and
// put the focus back." A window calls AlPerderFoco from its event filter on
// the field's FocusOut.
//
// Only focus changes the user made count (Tab, Backtab, a click, a
// shortcut): a message box taking the focus, a switch to another window or
// the program moving the focus itself are not leaving the field. Once a check
// has failed and put the focus back, though, the program moving it away again
// (a message of a calculation that was under way) is leaving the field too:
// it is checked again, or it would be left as it stands. The check
// runs once the focus change is over, never inside it, and never while
// another check of the same guard is showing its message: a modal box in the
// middle of a focus change would fire the check again and confuse a button
// that was being clicked.
class GuardiaFoco : public QObject {
public:
    // Returns true when the field may be left; otherwise it has already told
    // the user why (and may have changed the field).
    using Comprobacion = std::function<bool()>;

    explicit GuardiaFoco(QObject *padre);

    void AlPerderFoco(QWidget *campo, const QFocusEvent &evento, Comprobacion comprobar);

    // The check of the number boxes that may not be left saying exactly
    // "0": the error "Error.", and the text stays.
    void AlPerderFocoSinCero(QLineEdit *campo, const QFocusEvent &evento);

    static bool LoHizoElUsuario(const QFocusEvent &evento);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void Comprobar(const QPointer<QWidget> &campo, const Comprobacion &comprobar, unsigned tanda);

    bool m_comprobando = false;
    // The field a failed check put the focus back into, and its check: a
    // window that comes back active with the focus elsewhere (moved while a
    // message was up) has it checked again.
    QPointer<QWidget> m_devuelto;
    Comprobacion m_comprobarDevuelto;
    // A failed check cancels those that were queued behind it: the focus is
    // going back to the first field.
    unsigned m_tanda = 0;
};
