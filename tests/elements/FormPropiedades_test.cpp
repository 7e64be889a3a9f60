#include "elements/FormPropiedades.h"

#include "core/elementos.h"
#include "tests/support/Ventana.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>

namespace {

QString Q(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

struct CasoPropiedad {
    const char *propiedad;
    const char *minimo, *maximo;
    const char *celda, *lectura;
};

// Each property colours and names every cell, and the legend gives the
// ends of its scale.
TEST(FormPropiedades, CadaPropiedad)
{
    Abierta<FormPropiedades> v;
    const CasoPropiedad casos[] = {
        {"Electronegatividad", "0,7", "3,98", "CeldaFe", "Hierro: 1,83"},
        {"Radio covalente", "32 pm", "225 pm", "CeldaFe", "Hierro: 125"},
        {"Energía de ionización", "3,894 eV", "24,587 eV", "CeldaFe", "Hierro: 7,902"},
        {"Afinidad electrónica", "-0,07 eV", "3,613 eV", "CeldaN", "Nitrógeno: -0,07"},
        {"Punto de fusión", "1 K", "3825 K", "CeldaHg", "Mercurio: 234"},
        {"Punto de ebullición", "4 K", "5870 K", "CeldaOg", "Oganesón: sin dato"},
        {"Densidad", "8,24E-05 g/cm³", "22,57 g/cm³", "CeldaN", "Nitrógeno: 1,145 g/l"},
        {"Año de descubrimiento", "Antigüedad", "2004", "CeldaCo", "Cobalto: 1737"},
        {"Estado de la materia", "", "", "CeldaBr", "Bromo: Líquido"},
    };
    auto *combo = v.control<QComboBox>(QStringLiteral("ComboPropiedad"));
    ASSERT_EQ(combo->count(), 9);
    for (const CasoPropiedad &c : casos) {
        const int indice = combo->findText(QString::fromUtf8(c.propiedad));
        ASSERT_GE(indice, 0) << c.propiedad;
        combo->setCurrentIndex(indice);
        EXPECT_EQ(v.texto(QStringLiteral("LabelMinimo")), QString::fromUtf8(c.minimo)) << c.propiedad;
        EXPECT_EQ(v.texto(QStringLiteral("LabelMaximo")), QString::fromUtf8(c.maximo)) << c.propiedad;
        EXPECT_EQ(v.control<QLabel>(QString::fromLatin1(c.celda))->accessibleName(), QString::fromUtf8(c.lectura))
            << c.propiedad;
        for (const Calculos::Elemento &e : Calculos::TablaElementos) {
            auto *celda = v.control<QLabel>(QStringLiteral("Celda") + Q(e.simbolo));
            ASSERT_NE(celda, nullptr);
            EXPECT_TRUE(celda->accessibleName().startsWith(Q(e.nombre) + QStringLiteral(": ")))
                << c.propiedad << " " << e.z;
            EXPECT_TRUE(celda->autoFillBackground());
        }
    }
}

// At 300 K mercury and bromine are liquid; the slider runs from 0 to 6000 K
// and shows the temperature in kelvin and degrees Celsius.
TEST(FormPropiedades, EstadoSegunLaTemperatura)
{
    Abierta<FormPropiedades> v;
    auto *combo = v.control<QComboBox>(QStringLiteral("ComboPropiedad"));
    auto *temperatura = v.control<QSlider>(QStringLiteral("SliderTemperatura"));
    EXPECT_FALSE(temperatura->isVisible());
    combo->setCurrentIndex(combo->findText(QStringLiteral("Estado de la materia")));
    EXPECT_TRUE(temperatura->isVisible());
    EXPECT_FALSE(v.control<QSlider>(QStringLiteral("SliderAno"))->isVisible());
    EXPECT_EQ(temperatura->minimum(), 0);
    EXPECT_EQ(temperatura->maximum(), 6000);
    struct Caso {
        int kelvin;
        const char *rotulo;
        const char *hg, *br, *fe, *o;
    };
    const Caso casos[] = {
        {300, "300 K (27 °C)", "Líquido", "Líquido", "Sólido", "Gas"},
        {0, "0 K (-273 °C)", "Sólido", "Sólido", "Sólido", "Sólido"},
        {234, "234 K (-39 °C)", "Sólido", "Sólido", "Sólido", "Gas"},
        {2000, "2000 K (1727 °C)", "Gas", "Gas", "Líquido", "Gas"},
        {6000, "6000 K (5727 °C)", "Gas", "Gas", "Gas", "Gas"},
    };
    for (const Caso &c : casos) {
        temperatura->setValue(c.kelvin);
        EXPECT_EQ(v.texto(QStringLiteral("LabelTemperatura")), QString::fromUtf8(c.rotulo));
        const std::pair<const char *, const char *> celdas[] = {
            {"CeldaHg", c.hg}, {"CeldaBr", c.br}, {"CeldaFe", c.fe}, {"CeldaO", c.o}};
        for (const auto &[celda, estado] : celdas)
            EXPECT_TRUE(v.texto(QString::fromLatin1(celda)).endsWith(QString::fromUtf8(estado)))
                << c.kelvin << " " << celda << " " << v.texto(QString::fromLatin1(celda)).toStdString();
    }
}

// The year slider leaves blank every element not yet known; antiquity's
// elements are always there.
TEST(FormPropiedades, FiltroDelAno)
{
    Abierta<FormPropiedades> v;
    auto *combo = v.control<QComboBox>(QStringLiteral("ComboPropiedad"));
    combo->setCurrentIndex(combo->findText(QStringLiteral("Año de descubrimiento")));
    auto *ano = v.control<QSlider>(QStringLiteral("SliderAno"));
    EXPECT_TRUE(ano->isVisible());
    EXPECT_EQ(ano->value(), ano->maximum());
    const auto enBlanco = [&v] {
        int n = 0;
        for (const Calculos::Elemento &e : Calculos::TablaElementos)
            n += v.texto(QStringLiteral("Celda") + Q(e.simbolo)).isEmpty() ? 1 : 0;
        return n;
    };
    EXPECT_EQ(enBlanco(), 0);
    ano->setValue(ano->minimum());
    EXPECT_EQ(enBlanco(), 118 - 12); // the twelve known since antiquity
    EXPECT_EQ(v.texto(QStringLiteral("CeldaFe")), QStringLiteral("Fe\nAntigüedad"));
    ano->setValue(1736);
    EXPECT_EQ(v.texto(QStringLiteral("CeldaCo")), QString());
    EXPECT_EQ(v.control<QLabel>(QStringLiteral("CeldaCo"))->accessibleName(),
              QStringLiteral("Cobalto: aún no descubierto"));
    ano->setValue(1737);
    EXPECT_EQ(v.texto(QStringLiteral("CeldaCo")), QStringLiteral("Co\n1737"));
    EXPECT_EQ(v.texto(QStringLiteral("LabelAno")), QStringLiteral("1737"));
}

// A cell opens the element's card, or brings the open one to it; from the
// keyboard too.
TEST(FormPropiedades, UnaCeldaAbreLaFicha)
{
    DeLaLista v(QStringLiteral("FormPropiedades"));
    QTest::mouseClick(v.control<QLabel>(QStringLiteral("CeldaFe")), Qt::LeftButton);
    Procesar();
    ASSERT_EQ(Abiertas(QStringLiteral("FormFicha")).size(), 1);
    QWidget *ficha = Abiertas(QStringLiteral("FormFicha")).front();
    EXPECT_EQ(TextoDe(ficha->findChild<QLabel *>(QStringLiteral("LabelNombre"))), QStringLiteral("Hierro"));
    v.Activar();
    v.tecla(QStringLiteral("CeldaCu"), Qt::Key_Space);
    Procesar();
    ASSERT_EQ(Abiertas(QStringLiteral("FormFicha")).size(), 1);
    EXPECT_EQ(Abiertas(QStringLiteral("FormFicha")).front(), ficha);
    EXPECT_EQ(TextoDe(ficha->findChild<QLabel *>(QStringLiteral("LabelNombre"))), QStringLiteral("Cobre"));
}

} // namespace
