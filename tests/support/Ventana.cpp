#include "tests/support/Ventana.h"

#include "shell/Ventanas.h"
#include "widgets/Controles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>

void Procesar()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void CerrarVentanas()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget *> Abiertas(const QString &clase)
{
    QList<QWidget *> lista;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == clase && w->isVisible())
            lista << w;
    return lista;
}

void Disparar(QTimer *reloj)
{
    ASSERT_NE(reloj, nullptr);
    ASSERT_TRUE(QMetaObject::invokeMethod(reloj, "timeout"));
}

Manejo::Manejo(QWidget *ventana) : m_ventana(ventana) {}

void Manejo::Activar()
{
    ASSERT_NE(m_ventana, nullptr);
    m_ventana->show();
    m_ventana->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_ventana));
}

void Manejo::teclear(const QString &nombre, const QString &teclas)
{
    QWidget *c = control(nombre);
    if (c == nullptr)
        return;
    c->setFocus();
    for (const QChar letra : teclas) {
        if (letra.unicode() < 0x80) {
            QTest::keyClick(c, static_cast<char>(letra.unicode()));
            continue;
        }
        // keyClick would take the character for a key code it cannot map.
        const QString texto(letra);
        QTest::sendKeyEvent(QTest::Press, c, Qt::Key_unknown, texto, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, c, Qt::Key_unknown, texto, Qt::NoModifier);
    }
}

void Manejo::tecla(const QString &nombre, Qt::Key tecla, Qt::KeyboardModifiers modificadores)
{
    if (QWidget *c = control(nombre)) {
        c->setFocus();
        QTest::keyClick(c, tecla, modificadores);
    }
}

void Manejo::clic(const QString &nombre)
{
    if (QWidget *c = control(nombre))
        QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
}

QString Manejo::texto(const QString &nombre) const
{
    return TextoDe(control(nombre));
}

QString Manejo::textos(std::initializer_list<const char *> nombres) const
{
    QStringList lista;
    for (const char *n : nombres)
        lista << texto(QString::fromUtf8(n));
    return lista.join(u'|');
}

DeLaLista::DeLaLista(const QString &clase) : Manejo(AbrirVentana(clase))
{
    Activar();
}

DeLaLista::~DeLaLista()
{
    CerrarVentanas();
}

CerradorDeCajas::CerradorDeCajas()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool CerradorDeCajas::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::Show) {
        if (auto *caja = qobject_cast<QMessageBox *>(objeto))
            Cerrar(caja);
    }
    return false;
}

// Looked at and closed from its own loop, once it is really up and has taken
// its size. As a user would, the box on top first: one shown over it (a
// check that ran inside its loop) is closed before it.
void CerradorDeCajas::Cerrar(QMessageBox *caja)
{
    QMetaObject::invokeMethod(
        caja,
        [this, caja] {
            if (caja->isModal() && QApplication::activeModalWidget() != caja)
                return Cerrar(caja);
            if (alMostrar)
                alMostrar(caja);
            caja->accept();
            ++m_cerradas;
            // The window manager gives the activation back to the window
            // under the box; the bare test platform does not.
            if (QWidget *debajo = caja->parentWidget())
                debajo->window()->activateWindow();
        },
        Qt::QueuedConnection);
}
