#include "tests/support/Ventana.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>

TEST(Mensajes, ElManejadorInstaladoRecibeCadaMensaje)
{
    QWidget ventana;
    {
        RegistroMensajes registro;
        MostrarMensaje(&ventana, QStringLiteral("Valores no válidos."), QStringLiteral("Orvella"), Icono::Ninguno);
        ASSERT_EQ(registro.mensajes.size(), 1U);
        EXPECT_EQ(registro.mensajes[0].ventana, &ventana);
        EXPECT_EQ(registro.mensajes[0].texto, QStringLiteral("Valores no válidos."));
        EXPECT_EQ(registro.mensajes[0].titulo, QStringLiteral("Orvella"));
        EXPECT_EQ(registro.mensajes[0].icono, Icono::Ninguno);

        // Handlers nest: the inner one gives the outer one back.
        {
            RegistroMensajes interior;
            MostrarMensaje(nullptr, QStringLiteral("x"), QStringLiteral("y"), Icono::Error);
            EXPECT_EQ(interior.mensajes.size(), 1U);
        }
        MostrarMensaje(nullptr, QStringLiteral("z"), QStringLiteral("y"), Icono::Error);
        EXPECT_EQ(registro.mensajes.size(), 2U);
    }
    EXPECT_FALSE(InstalarManejadorMensajes({}));
}

namespace {

struct CajaVista {
    QString texto;
    QString titulo;
    QMessageBox::Icon icono;
    QWidget *padre;
    bool modal;
    int botones;
};

// Looks at the box the real seam shows, then closes it with its OK button.
std::optional<CajaVista> MostrarYMirar(QWidget *ventana, Icono icono)
{
    std::optional<CajaVista> vista;
    CerradorDeCajas cerrador;
    cerrador.alMostrar = [&vista](QMessageBox *caja) {
        vista = CajaVista{caja->text(),         caja->windowTitle(), caja->icon(),
                          caja->parentWidget(), caja->isModal(),     static_cast<int>(caja->buttons().size())};
    };
    // Returns only once the box has been closed.
    MostrarMensaje(ventana, QStringLiteral("Fórmula incorrecta."), QStringLiteral("Error"), icono);
    EXPECT_EQ(cerrador.cerradas(), 1);
    return vista;
}

} // namespace

TEST(Mensajes, SinManejadorSaleUnaCajaModalDeVerdad)
{
    QWidget ventana;
    QWidget hijo(&ventana);
    ventana.show();

    const auto error = MostrarYMirar(&hijo, Icono::Error);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->texto, QStringLiteral("Fórmula incorrecta."));
    EXPECT_EQ(error->titulo, QStringLiteral("Error"));
    EXPECT_EQ(error->icono, QMessageBox::Critical);
    EXPECT_EQ(error->padre, &ventana);
    EXPECT_TRUE(error->modal);
    EXPECT_EQ(error->botones, 1);

    const auto aviso = MostrarYMirar(&ventana, Icono::Ninguno);
    ASSERT_TRUE(aviso.has_value());
    EXPECT_EQ(aviso->icono, QMessageBox::NoIcon);
}

// The window manager's title bar holds the title, the window's icon and three
// buttons, each at least a line and a half of text wide: a box narrower than
// that shows its title cut ("O… la").
TEST(Mensajes, LaCajaMuestraSuTituloEntero)
{
    for (const char *titulo : {"Orvella", "Error", "Decaimiento radiactivo de una muestra"}) {
        int ancho = 0;
        int necesario = 0;
        CerradorDeCajas cerrador;
        cerrador.alMostrar = [&](QMessageBox *caja) {
            ancho = caja->width();
            QFont negrita = caja->font();
            negrita.setBold(true);
            const QFontMetrics medida(negrita);
            necesario = medida.horizontalAdvance(caja->windowTitle()) + 4 * medida.height() * 3 / 2;
        };
        MostrarMensaje(nullptr, QStringLiteral("Sí"), QString::fromUtf8(titulo), Icono::Ninguno);
        EXPECT_GT(necesario, 0);
        EXPECT_GE(ancho, necesario) << titulo;
    }
}
