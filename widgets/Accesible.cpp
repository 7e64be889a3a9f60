#include "widgets/Accesible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The labels the program reads in its own way: the results, named after
// what they show, and the labels that act as buttons.
struct Lectura {
    QString nombre; // results only
    QPointer<const QLabel> unidad;
    bool pulsable = false;
};

QHash<const QObject *, Lectura> &Lecturas()
{
    static QHash<const QObject *, Lectura> lecturas;
    return lecturas;
}

// The press and release of the left button in the middle of the label, as
// the window's own handlers know them.
void Raton(QLabel *etiqueta, QEvent::Type tipo)
{
    const QPointF centro = QRectF(etiqueta->rect()).center();
    QMouseEvent evento(tipo, centro, etiqueta->mapToGlobal(centro), Qt::LeftButton,
                       tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(etiqueta, &evento);
}

void Pulsar(QLabel *etiqueta)
{
    Raton(etiqueta, QEvent::MouseButtonPress);
    Raton(etiqueta, QEvent::MouseButtonRelease);
}

// Looks its label up each time: a result may be renamed after it was read.
class EtiquetaLeida : public QAccessibleWidget {
public:
    EtiquetaLeida(QLabel *etiqueta, bool pulsable)
        : QAccessibleWidget(etiqueta, pulsable ? QAccessible::Button : QAccessible::StaticText), m_pulsable(pulsable)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || m_pulsable)
            return QAccessibleWidget::text(t);
        const Lectura lectura = Lecturas().value(object());
        const auto *etiqueta = qobject_cast<const QLabel *>(widget());
        QString valor = etiqueta == nullptr ? QString() : etiqueta->text().simplified();
        if (lectura.unidad != nullptr && !lectura.unidad->isHidden() && !valor.isEmpty())
            valor = (valor + u' ' + lectura.unidad->text()).simplified();
        return valor.isEmpty() ? lectura.nombre : lectura.nombre + QStringLiteral(": ") + valor;
    }

    QAccessible::State state() const override
    {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.focusable = estado.focusable || m_pulsable;
        return estado;
    }

    QStringList actionNames() const override
    {
        QStringList acciones = QAccessibleWidget::actionNames();
        if (m_pulsable)
            acciones.prepend(pressAction());
        return acciones;
    }

    void doAction(const QString &accion) override
    {
        auto *etiqueta = qobject_cast<QLabel *>(widget());
        if (m_pulsable && etiqueta != nullptr && accion == pressAction())
            Pulsar(etiqueta);
        else
            QAccessibleWidget::doAction(accion);
    }

private:
    bool m_pulsable;
};

QAccessibleInterface *Fabrica(const QString &, QObject *objeto)
{
    auto *etiqueta = qobject_cast<QLabel *>(objeto);
    const auto it = Lecturas().constFind(objeto);
    if (etiqueta == nullptr || it == Lecturas().constEnd())
        return nullptr;
    return new EtiquetaLeida(etiqueta, it->pulsable);
}

// Asked before Qt's own interfaces, which stay for every other object.
void Registrar(QLabel *etiqueta, const Lectura &lectura)
{
    static const bool instalada = [] {
        QAccessible::installFactory(Fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
    if (!Lecturas().contains(etiqueta))
        QObject::connect(etiqueta, &QObject::destroyed, [etiqueta] { Lecturas().remove(etiqueta); });
    Lecturas().insert(etiqueta, lectura);
    // Qt makes a label's usual interface as soon as it has a text, and keeps
    // it: that one goes, so that the next look-up finds ours.
    QAccessibleInterface *hecha = QAccessible::queryAccessibleInterface(etiqueta);
    if (hecha != nullptr && dynamic_cast<EtiquetaLeida *>(hecha) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(hecha));
}

bool EsTeclaDePulsar(const QKeyEvent *tecla)
{
    const bool sinModificadores = (tecla->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return sinModificadores &&
           (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter || tecla->key() == Qt::Key_Space);
}

// Makes the keyboard press the labels it watches and marks the one with the
// focus.
class Pulsador : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        // A label being destroyed is no longer one.
        auto *etiqueta = qobject_cast<QLabel *>(objeto);
        if (etiqueta == nullptr)
            return false;
        switch (evento->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return Tecla(etiqueta, static_cast<QKeyEvent *>(evento));
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            etiqueta->update();
            return false;
        case QEvent::Paint:
            if (!etiqueta->hasFocus())
                return false;
            static_cast<QObject *>(etiqueta)->event(evento);
            MarcarFoco(etiqueta);
            return true;
        default:
            return false;
        }
    }

private:
    // A label is released only where it was pressed: the focus may have
    // moved in between.
    bool Tecla(QLabel *etiqueta, const QKeyEvent *tecla)
    {
        if (!EsTeclaDePulsar(tecla))
            return false;
        if (tecla->isAutoRepeat())
            return true;
        if (tecla->type() == QEvent::KeyPress) {
            m_pulsada = etiqueta;
            Raton(etiqueta, QEvent::MouseButtonPress);
        } else if (m_pulsada == etiqueta) {
            m_pulsada = nullptr;
            Raton(etiqueta, QEvent::MouseButtonRelease);
        }
        return true;
    }

    static void MarcarFoco(QLabel *etiqueta)
    {
        QPainter p(etiqueta);
        p.setPen(QPen(Qt::black, 2, Qt::DotLine));
        p.drawRect(QRectF(etiqueta->rect()).adjusted(4, 4, -4, -4));
    }

    QPointer<QLabel> m_pulsada;
};

} // namespace

void Nombrar(QWidget *control, const QString &nombre, const QString &descripcion)
{
    control->setAccessibleName(nombre);
    if (!descripcion.isEmpty())
        control->setAccessibleDescription(descripcion);
    // On Linux a list is announced by its entry: its name reaches the screen
    // reader as its description, and through the box one types in.
    if (auto *lista = qobject_cast<QComboBox *>(control)) {
        if (descripcion.isEmpty())
            lista->setAccessibleDescription(nombre);
        if (lista->lineEdit() != nullptr)
            lista->lineEdit()->setAccessibleName(nombre);
    }
}

void NombrarControles(QWidget *ventana, std::span<const LecturaControl> lecturas)
{
    for (const LecturaControl &l : lecturas) {
        auto *control = ventana->findChild<QWidget *>(QString::fromUtf8(l.control));
        Q_ASSERT(control != nullptr);
        const QString nombre = QString::fromUtf8(l.nombre);
        if (auto *rotulo = l.rotulo == nullptr ? nullptr : ventana->findChild<QLabel *>(QString::fromUtf8(l.rotulo)))
            NombrarPorRotulo(control, rotulo, nombre);
        else
            Nombrar(control, nombre);
        if (l.descripcion != nullptr)
            control->setAccessibleDescription(QString::fromUtf8(l.descripcion));
    }
}

QString TextoDeRotulo(const QString &rotulo)
{
    static const QRegularExpression final(QStringLiteral("[\\s:=]+$"));
    return rotulo.simplified().remove(final);
}

void NombrarPorRotulo(QWidget *campo, QLabel *rotulo, const QString &nombre)
{
    rotulo->setBuddy(campo);
    Nombrar(campo, nombre.isEmpty() ? TextoDeRotulo(rotulo->text()) : nombre);
}

void NombrarResultado(QLabel *resultado, const QString &nombre, const QLabel *unidad)
{
    Registrar(resultado, {nombre, unidad, false});
    // Read again by whoever is listening, as when the text changes.
    QAccessibleEvent cambio(resultado, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&cambio);
}

void HacerPulsables(std::span<QLabel *const> etiquetas)
{
    if (etiquetas.empty())
        return;
    auto *pulsador = new Pulsador(etiquetas.front()->parentWidget());
    for (QLabel *etiqueta : etiquetas) {
        Registrar(etiqueta, {{}, {}, true});
        etiqueta->installEventFilter(pulsador);
    }
}

bool MoverFoco(std::span<QWidget *const> orden, bool adelante)
{
    const std::size_t n = orden.size();
    const auto actual = std::find(orden.begin(), orden.end(), QApplication::focusWidget());
    // From outside the list, the first step lands on either end.
    std::size_t i = actual != orden.end() ? static_cast<std::size_t>(actual - orden.begin()) : adelante ? n - 1 : 0;
    for (std::size_t paso = 0; paso < n; ++paso) {
        i = adelante ? (i + 1) % n : (i + n - 1) % n;
        if (orden[i]->isVisible() && orden[i]->isEnabled()) {
            orden[i]->setFocus(adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void OrdenDeTabulacion(std::span<QWidget *const> controles)
{
    for (std::size_t n = 1; n < controles.size(); ++n)
        QWidget::setTabOrder(controles[n - 1], controles[n]);
}
