#include "puzzle/FormFinTabla.h"

#include "platform/Archivos.h"
#include "platform/Sonido.h"
#include "puzzle/Trofeo.h"
#include "puzzle/VentanaPuzle.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"

#include <QApplication>
#include <QLabel>

namespace {

constexpr int kMargen = 24;

} // namespace

FormFinTabla::FormFinTabla(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormFinTabla"));
    setWindowTitle(QStringLiteral("      ¡Felicidades!"));
    setModal(true);
    Colorear(this, QColor(0, 128, 128), Qt::white);

    const QImage trofeo = DibujarTrofeo(devicePixelRatioF());
    const QSize lado = trofeo.deviceIndependentSize().toSize();
    ui.Image1 = Crear<QLabel>(this, QStringLiteral("Image1"), {QPoint(kMargen, kMargen), lado});
    ui.Image1->setPixmap(QPixmap::fromImage(trofeo));
    Nombrar(ui.Image1, QStringLiteral("Trofeo"), QStringLiteral("Una copa dorada: has completado la tabla"));
    setFixedSize(lado.width() + 2 * kMargen, lado.height() + 2 * kMargen);

    ReproducirSonido(ArchivoDelPrograma(QStringLiteral("tada.wav")), this, [this] { FinDelSonido(); });
}

void FormFinTabla::setVisible(bool visible)
{
    m_mostrar = visible;
    if (!visible || !m_sonando)
        QDialog::setVisible(visible);
}

void FormFinTabla::FinDelSonido()
{
    m_sonando = false;
    for (QWidget *ventana : QApplication::topLevelWidgets()) {
        if (auto *puzle = qobject_cast<VentanaPuzle *>(ventana))
            puzle->DetenerCronometro();
    }
    if (m_mostrar)
        QDialog::setVisible(true);
}
