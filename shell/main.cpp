#include "platform/Idioma.h"
#include "platform/Procesador.h"
#include "shell/Dibujos.h"
#include "shell/Pantalla.h"
#include "shell/Ventanas.h"
#include "widgets/Estilo.h"
#include "widgets/IconoAplicacion.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// The density Qt is asked for before it can say (QT_SCALE_FACTOR); 1 when
// unknown, which the splash checks once Qt has started.
qreal DensidadPedida()
{
    bool valida = false;
    const qreal escala = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&valida);
    return valida && escala > 0 ? escala : 1.0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a display, or with one that does not answer, Qt would abort
    // with a long message: say it in one line.
    PantallaComprobada pantalla(argc, argv);
    if (!pantalla.hay()) {
        std::fwrite(kSinPantalla.data(), 1, kSinPantalla.size(), stderr);
        return EXIT_FAILURE;
    }
    // The splash's picture is drawn while Qt starts.
    AdelantarOndas(DensidadPedida());
    QApplication app(argc, argv);
    pantalla.soltar();
    LimpiarRegistrosVectoriales();
    InstalarEstilo();
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setOrganizationName(QStringLiteral("Orvella"));
    InstalarIdioma();

    // The splash is the only start-up window; it opens the periodic table.
    AbrirVentana(QStringLiteral("FormPresentacion"));
    // The icon is drawn once the splash is on its way (a frameless splash
    // shows none); every window has it from then on.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(IconoAplicacion()); });
    return app.exec();
}
