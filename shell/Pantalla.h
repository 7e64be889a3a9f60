#pragma once

#include <string_view>

struct xcb_connection_t;

// What start-up checks before Qt opens the display: a missing or unreachable
// one gets one line from us instead of Qt's abort.
enum class ComprobacionPantalla {
    Ninguna,     // a platform or display chosen for Qt, or a Wayland session: Qt decides
    X11,         // Qt will open DISPLAY through xcb: try it first
    SinPantalla, // nothing to open at all
};

struct EntornoPantalla {
    std::string_view plataforma; // QT_QPA_PLATFORM
    std::string_view display;    // DISPLAY
    std::string_view wayland;    // WAYLAND_DISPLAY
    bool argumentosDePlataforma; // -platform or -display on the command line
};

ComprobacionPantalla QueComprobar(const EntornoPantalla &entorno);

EntornoPantalla EntornoDelProceso(int argc, char **argv);

// The display this process would give Qt, checked by connecting to it (its
// authorisation included). The connection stays open until soltar(), to be
// called once Qt has opened its own: an X server closing one connection
// takes some 20 ms to accept the next, about half of the time to the splash.
class PantallaComprobada {
public:
    PantallaComprobada(int argc, char **argv);
    ~PantallaComprobada();
    PantallaComprobada(const PantallaComprobada &) = delete;
    PantallaComprobada &operator=(const PantallaComprobada &) = delete;

    // False where Qt would abort for want of a display.
    bool hay() const { return m_hay; }
    void soltar();

private:
    bool m_hay = false;
    xcb_connection_t *m_conexion = nullptr;
};

inline constexpr std::string_view kSinPantalla =
    "orvella: no display found; run it under X11 or Wayland, or try: xvfb-run -a orvella\n";
