#include "shell/Pantalla.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

TEST(Pantalla, QueSeComprueba)
{
    using enum ComprobacionPantalla;
    struct Caso {
        const char *nombre;
        EntornoPantalla entorno;
        ComprobacionPantalla esperada;
    };
    const Caso casos[] = {
        {"nothing set", {"", "", "", false}, SinPantalla},
        {"an X11 display", {"", ":0", "", false}, X11},
        {"a remote X11 display", {"", "host:10.0", "", false}, X11},
        {"xcb asked for", {"xcb", ":0", "", false}, X11},
        {"xcb asked for without a display", {"xcb", "", "", false}, X11},
        {"offscreen, as the tests run", {"offscreen", ":9999", "", false}, Ninguna},
        {"offscreen without any display", {"offscreen", "", "", false}, Ninguna},
        {"xcb with options: the user's choice", {"xcb:display=:1", "", "", false}, Ninguna},
        {"a Wayland session", {"", "", "wayland-0", false}, Ninguna},
        {"Wayland beside X11", {"", ":0", "wayland-0", false}, Ninguna},
        {"-platform on the command line", {"", "", "", true}, Ninguna},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(QueComprobar(c.entorno), c.esperada) << c.nombre;
}

TEST(Pantalla, ArgumentosDePlataforma)
{
    struct Caso {
        std::vector<const char *> argumentos;
        bool esperado;
    };
    const Caso casos[] = {
        {{"orvella"}, false},
        {{"orvella", "-platform", "offscreen"}, true},
        {{"orvella", "-display", ":1"}, true},
        {{"orvella", "--platform", "xcb"}, true},
        {{"orvella", "-platformtheme", "gtk3"}, false},
        {{"orvella", "platform"}, false},
    };
    for (const Caso &c : casos) {
        std::vector<char *> argv;
        for (const char *a : c.argumentos)
            argv.push_back(const_cast<char *>(a));
        EXPECT_EQ(EntornoDelProceso(static_cast<int>(argv.size()), argv.data()).argumentosDePlataforma, c.esperado)
            << c.argumentos.size() << " arguments, " << c.argumentos.back();
    }
}

TEST(Pantalla, UnDisplaySinServidorNoHay)
{
    struct Caso {
        const char *plataforma; // nullptr: unset
        const char *display;
        bool hay;
    };
    const Caso casos[] = {
        {nullptr, ":9999", false}, {nullptr, "nonsense", false}, {nullptr, nullptr, false},
        {"xcb", ":9999", false},   {"offscreen", ":9999", true}, {"offscreen", nullptr, true},
    };
    char programa[] = "orvella";
    char *argv[] = {programa, nullptr};
    ASSERT_EQ(unsetenv("WAYLAND_DISPLAY"), 0);
    for (const Caso &c : casos) {
        ASSERT_EQ(c.plataforma ? setenv("QT_QPA_PLATFORM", c.plataforma, 1) : unsetenv("QT_QPA_PLATFORM"), 0);
        ASSERT_EQ(c.display ? setenv("DISPLAY", c.display, 1) : unsetenv("DISPLAY"), 0);
        PantallaComprobada pantalla(1, argv);
        EXPECT_EQ(pantalla.hay(), c.hay) << (c.plataforma ? c.plataforma : "-") << " " << (c.display ? c.display : "-");
        pantalla.soltar();
        pantalla.soltar(); // twice is harmless
    }
}
