#include "platform/Idioma.h"
#include "shell/Pantalla.h"
#include "shell/Ventanas.h"
#include "widgets/IconoAplicacion.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Without a display, or with one that does not answer, Qt would abort
    // with a long message: say it in one line.
    PantallaComprobada pantalla(argc, argv);
    if (!pantalla.hay()) {
        std::fwrite(kSinPantalla.data(), 1, kSinPantalla.size(), stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    pantalla.soltar();
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setOrganizationName(QStringLiteral("Orvella"));
    QApplication::setWindowIcon(IconoAplicacion());
    InstalarIdioma();

    // The splash is the only start-up window; it opens the periodic table.
    AbrirVentana(QStringLiteral("FormPresentacion"));
    return app.exec();
}
