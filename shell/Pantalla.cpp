#include "shell/Pantalla.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

std::string_view Variable(const char *nombre)
{
    const char *valor = std::getenv(nombre);
    return valor != nullptr ? std::string_view(valor) : std::string_view();
}

} // namespace

ComprobacionPantalla QueComprobar(const EntornoPantalla &entorno)
{
    // Qt ignores an empty QT_QPA_PLATFORM; "xcb" alone is the X11 default,
    // anything else (offscreen for the tests, options after "xcb:") is the
    // user's choice.
    if (entorno.argumentosDePlataforma || (!entorno.plataforma.empty() && entorno.plataforma != "xcb"))
        return ComprobacionPantalla::Ninguna;
    if (entorno.plataforma == "xcb")
        return ComprobacionPantalla::X11;
    if (!entorno.wayland.empty())
        return ComprobacionPantalla::Ninguna;
    return entorno.display.empty() ? ComprobacionPantalla::SinPantalla : ComprobacionPantalla::X11;
}

EntornoPantalla EntornoDelProceso(int argc, char **argv)
{
    EntornoPantalla entorno{Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"), false};
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "-platform" || a == "--platform" || a == "-display" || a == "--display")
            entorno.argumentosDePlataforma = true;
    }
    return entorno;
}

PantallaComprobada::PantallaComprobada(int argc, char **argv)
{
    switch (QueComprobar(EntornoDelProceso(argc, argv))) {
    case ComprobacionPantalla::Ninguna:
        m_hay = true;
        break;
    case ComprobacionPantalla::X11:
        // The connection Qt's xcb plugin opens a moment later: a few hundred
        // microseconds on a local server.
        m_conexion = xcb_connect(nullptr, nullptr);
        m_hay = xcb_connection_has_error(m_conexion) == 0;
        break;
    case ComprobacionPantalla::SinPantalla:
        break;
    }
}

PantallaComprobada::~PantallaComprobada()
{
    soltar();
}

void PantallaComprobada::soltar()
{
    // A connection in error is still freed by xcb_disconnect.
    if (m_conexion != nullptr)
        xcb_disconnect(m_conexion);
    m_conexion = nullptr;
}
