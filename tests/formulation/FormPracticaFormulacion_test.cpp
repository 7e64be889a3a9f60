#include "formulation/FormPracticaFormulacion.h"
#include "formulation/nomenclatura.h"
#include "platform/Azar.h"
#include "tests/support/Ventana.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

#include <set>

namespace {

// Every game is dealt from a seed the test fixes.
struct SemillaFija {
    SemillaFija()
    {
        InstalarManejadorSemilla([] { return 20u; });
    }
    ~SemillaFija() { InstalarManejadorSemilla({}); }
};

class Practica : public ::testing::Test, public SemillaFija, public Abierta<FormPracticaFormulacion> {
protected:
    const Calculos::Compuesto &Preguntado() const
    {
        const Calculos::Compuesto *c =
            Calculos::Nombrar(texto(QStringLiteral("LabelPregunta")).toStdString()).compuesto;
        EXPECT_NE(c, nullptr) << texto(QStringLiteral("LabelPregunta")).toStdString();
        static const Calculos::Compuesto vacio{};
        return c ? *c : vacio;
    }

    bool PideFormula() const { return texto(QStringLiteral("LabelEnunciado")).contains(QStringLiteral("fórmula")); }

    QString Correcta() const
    {
        const Calculos::Compuesto &c = Preguntado();
        return QString::fromStdString(PideFormula() ? c.formula : Calculos::NombresDe(c).back());
    }

    void Responder(const QString &respuesta)
    {
        teclear(QStringLiteral("TextRespuesta"), respuesta);
        tecla(QStringLiteral("TextRespuesta"), Qt::Key_Return);
    }

    void Modo(int indice)
    {
        auto *combo = control<QComboBox>(QStringLiteral("ComboModo"));
        combo->setCurrentIndex(indice);
        emit combo->activated(indice);
    }

    void SoloClases(std::initializer_list<const char *> marcadas)
    {
        for (QCheckBox *c : ventana.findChildren<QCheckBox *>()) {
            bool marcar = false;
            for (const char *m : marcadas)
                marcar = marcar || c->objectName() == QLatin1String(m);
            if (c->isChecked() != marcar)
                clic(c->objectName());
        }
    }
};

} // namespace

// A round answered right from the keyboard: Enter checks, Enter again asks
// the next question, and no compound comes twice.
TEST_F(Practica, UnaRondaDesdeElTeclado)
{
    std::set<std::string> vistas;
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ(QApplication::focusWidget(), caja(QStringLiteral("TextRespuesta")));
        EXPECT_TRUE(vistas.insert(Preguntado().formula).second) << Preguntado().formula;
        Responder(Correcta());
        EXPECT_EQ(texto(QStringLiteral("LabelAciertos")), QString::number(i));
        EXPECT_EQ(texto(QStringLiteral("LabelSolucion")), QStringLiteral("¡Correcto!"));
        tecla(QStringLiteral("TextRespuesta"), Qt::Key_Return);
        EXPECT_TRUE(texto(QStringLiteral("TextRespuesta")).isEmpty());
    }
    EXPECT_EQ(texto(QStringLiteral("LabelFallos")), QStringLiteral("0"));
    EXPECT_TRUE(mensajes.mensajes.empty());
}

// A wrong answer counts once and shows every accepted answer.
TEST_F(Practica, UnFalloMuestraLasRespuestasAceptadas)
{
    Modo(0);
    const Calculos::Compuesto &c = Preguntado();
    Responder(QStringLiteral("nada de nada"));
    EXPECT_EQ(texto(QStringLiteral("LabelFallos")), QStringLiteral("1"));
    QStringList aceptadas;
    for (const std::string &n : Calculos::NombresDe(c))
        aceptadas << QString::fromStdString(n);
    EXPECT_EQ(texto(QStringLiteral("LabelSolucion")), QStringLiteral("Respuestas aceptadas: ") + aceptadas.join("; "));
    // Checked already: neither the button nor a right answer counts again.
    clic(QStringLiteral("Comprobar"));
    EXPECT_EQ(texto(QStringLiteral("LabelFallos")), QStringLiteral("1"));
    EXPECT_EQ(texto(QStringLiteral("LabelAciertos")), QStringLiteral("0"));
    // An empty answer is no answer.
    clic(QStringLiteral("Siguiente"));
    clic(QStringLiteral("Comprobar"));
    EXPECT_EQ(texto(QStringLiteral("LabelFallos")) + texto(QStringLiteral("LabelAciertos")), QStringLiteral("10"));
}

// Without accents or capitals the answer is right, and the right spelling
// is shown.
TEST_F(Practica, SinTildesTambienVale)
{
    Modo(0);
    const std::string nombre = Calculos::NombresDe(Preguntado()).front();
    Responder(QString::fromStdString(Calculos::NormalizarNombre(nombre)).toUpper());
    EXPECT_EQ(texto(QStringLiteral("LabelAciertos")), QStringLiteral("1"));
    const QString solucion = texto(QStringLiteral("LabelSolucion"));
    EXPECT_TRUE(solucion.startsWith(QStringLiteral("¡Correcto! Se escribe: "))) << solucion.toStdString();
}

TEST_F(Practica, ModosYClases)
{
    struct Caso {
        int modo;
        const char *enunciado;
    };
    for (const Caso c : {Caso{0, "Escriba un nombre de:"}, Caso{1, "Escriba la fórmula de:"}}) {
        Modo(c.modo);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(texto(QStringLiteral("LabelEnunciado")), QString::fromUtf8(c.enunciado));
            clic(QStringLiteral("Siguiente"));
        }
    }

    // Only hydracids: each once before any comes again.
    Modo(0);
    SoloClases({"CheckHidracidos"});
    std::set<std::string> ronda;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Preguntado().tipo, Calculos::TipoCompuesto::Hidracido);
        ronda.insert(Preguntado().formula);
        clic(QStringLiteral("Siguiente"));
    }
    EXPECT_EQ(ronda.size(), 5u);

    SoloClases({});
    EXPECT_TRUE(texto(QStringLiteral("LabelPregunta")).isEmpty());
    EXPECT_EQ(texto(QStringLiteral("LabelEnunciado")), QStringLiteral("Elija al menos una clase de compuestos."));
    Responder(QStringLiteral("agua"));
    EXPECT_EQ(texto(QStringLiteral("LabelFallos")) + texto(QStringLiteral("LabelAciertos")), QStringLiteral("00"));
}
