#include "shell/Ventanas.h"
#include "widgets/IconoAplicacion.h"
#include "widgets/Procesador.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long message; say it in one line.
bool HayPantalla()
{
    const bool plataformaPropia = std::getenv("QT_QPA_PLATFORM") != nullptr;
    const bool x11 = std::getenv("DISPLAY") != nullptr && *std::getenv("DISPLAY") != '\0';
    const bool wayland = std::getenv("WAYLAND_DISPLAY") != nullptr && *std::getenv("WAYLAND_DISPLAY") != '\0';
    return plataformaPropia || x11 || wayland;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!HayPantalla()) {
        std::fputs("orvella: no display found; run it under X11 or Wayland, or try: xvfb-run -a orvella\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    LimpiarRegistrosVectoriales();
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setOrganizationName(QStringLiteral("Orvella"));
    QApplication::setWindowIcon(IconoAplicacion());

    // The splash is the only start-up window; it opens the periodic table.
    AbrirVentana(QStringLiteral("FormPresentacion"));
    return app.exec();
}
