#include "calculators/FormDecay.h"
#include "tests/support/Ventana.h"
#include "widgets/Fecha.h"
#include "widgets/Flechas.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Not today: the window must take its date from the seam.
const QDate kHoy(2001, 2, 3);

const char *const kFaltaPeriodo = "Debe seleccionar un radionúclido o introducir un período de semidesintegración.";
const char *const kMaximo = "Valor máximo 999999.";

class HoyFijo {
public:
    HoyFijo() : m_anterior(InstalarHoy([] { return kHoy; })) {}
    ~HoyFijo() { InstalarHoy(m_anterior); }
    HoyFijo(const HoyFijo &) = delete;
    HoyFijo &operator=(const HoyFijo &) = delete;

private:
    ProveedorFecha m_anterior;
};

// The date is fixed before the window is made.
class Decay : public ::testing::Test, public HoyFijo, public Abierta<FormDecay> {
public:
    QComboBox *Lista(const char *nombre) { return control<QComboBox>(QString::fromLatin1(nombre)); }
    QDateEdit *Fecha(const char *nombre) { return control<QDateEdit>(QString::fromLatin1(nombre)); }

    // A click on an entry of the open list, as the user chooses it.
    void Elegir(const char *lista, const char *entrada)
    {
        QComboBox *combo = Lista(lista);
        const int i = combo->findText(QString::fromUtf8(entrada));
        ASSERT_GE(i, 0) << entrada;
        combo->showPopup();
        QAbstractItemView *vista = combo->view();
        const QModelIndex indice = vista->model()->index(i, 0);
        vista->scrollTo(indice);
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(indice).center());
        Procesar();
        ASSERT_FALSE(vista->isVisible());
        // The window system gives the activation back to the window when the
        // list closes; the offscreen platform leaves it with the closed list.
        if (QApplication::activeWindow() != &ventana)
            QApplication::setActiveWindow(&ventana);
    }

    void Flecha(int n, bool arriba)
    {
        auto *flechas = control<Flechas>(QStringLiteral("UpDown") + QString::number(n));
        QTest::mouseClick(arriba ? flechas->Arriba() : flechas->Abajo(), Qt::LeftButton);
    }

    // Boxes set as "TextHora1=3 TextMin1=0", without a trigger.
    void Poner(const char *valores)
    {
        for (const QString &par : QString::fromUtf8(valores).split(u' ', Qt::SkipEmptyParts))
            caja(par.section(u'=', 0, 0))->setText(par.section(u'=', 1));
    }

    // The interval as the frame reads: its visible labels.
    QString Intervalo()
    {
        QStringList partes;
        for (const char *nombre : {"LabelDias", "Label41", "LabelHoras", "Label44", "LabelMin", "Label45"}) {
            auto *etiqueta = control<QLabel>(QString::fromLatin1(nombre));
            if (etiqueta->isVisible())
                partes << etiqueta->text();
        }
        return partes.join(u' ');
    }

    QString Resultado() { return textos({"LabelAct2", "LabelUnidades"}); }

    // "Error: text" or "Orvella: text" for each message, in order; the
    // icon must go with the title.
    QStringList Mensajes()
    {
        QStringList lista;
        for (const MensajeMostrado &m : mensajes.mensajes) {
            EXPECT_EQ(m.icono, m.titulo == u"Error" ? Icono::Error : Icono::Ninguno) << m.texto.toStdString();
            lista << m.titulo + QStringLiteral(": ") + m.texto;
        }
        mensajes.mensajes.clear();
        return lista;
    }

    static QString Error(const char *texto) { return QStringLiteral("Error: ") + QString::fromUtf8(texto); }
    static QString Aviso(const char *texto) { return QStringLiteral("Orvella: ") + QString::fromUtf8(texto); }

    QWidget *Foco() const { return QApplication::focusWidget(); }
};

} // namespace

TEST_F(Decay, AlAbrir)
{
    EXPECT_EQ(ventana.objectName(), QStringLiteral("FormDecay"));
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Decaimiento radiactivo") + QString(43, u' ') + "Orvella");
    for (const char *selector : {"DTPicker1", "DTPicker2"}) {
        EXPECT_EQ(Fecha(selector)->date(), kHoy) << selector;
        EXPECT_TRUE(Fecha(selector)->calendarPopup()) << selector;
    }
    EXPECT_EQ(textos({"TextHora1", "TextMin1", "TextHora2", "TextMin2", "TextAct1", "TextPeriodo", "Horas"}),
              QStringLiteral("12|0|18|0|10||0"));
    EXPECT_EQ(textos({"Label1", "Label2", "Label6", "Label7", "Label3", "Label8", "Label4", "Label9", "Label10",
                      "Label11", "Frame1", "Label41", "Label44", "Label45", "Label5"}),
              QStringLiteral("Fecha|Fecha|h|min|h|min|Actividad|T|1/2|=|Intervalo de tiempo|días|horas|min.|"
                             "Actividad  ="));
    EXPECT_EQ(textos({"ComboUnidades", "ComboRadionucl", "ComboTiempo"}), QStringLiteral("mCi|Radionúclido|horas"));
    EXPECT_EQ(Lista("ComboUnidades")->currentIndex(), 0);
    EXPECT_EQ(Lista("ComboRadionucl")->currentIndex(), -1);
    for (const char *lista : {"ComboUnidades", "ComboRadionucl", "ComboTiempo"})
        EXPECT_TRUE(Lista(lista)->isEditable()) << lista;

    QStringList unidades;
    for (int i = 0; i < Lista("ComboUnidades")->count(); ++i)
        unidades << Lista("ComboUnidades")->itemText(i);
    EXPECT_EQ(unidades.join(u' '), QStringLiteral("mCi Ci uCi nCi GBq MBq kBq Bq"));
    QStringList tiempos;
    for (int i = 0; i < Lista("ComboTiempo")->count(); ++i)
        tiempos << Lista("ComboTiempo")->itemText(i);
    EXPECT_EQ(tiempos.join(u' '), QStringLiteral("min. horas días años"));
    QComboBox *nuclidos = Lista("ComboRadionucl");
    ASSERT_EQ(nuclidos->count(), 48);
    EXPECT_EQ(nuclidos->itemText(0), QStringLiteral("Ac-227"));
    EXPECT_EQ(nuclidos->itemText(27), QStringLiteral("In-113m"));
    EXPECT_EQ(nuclidos->itemText(47), QStringLiteral("Y-90"));

    for (int n = 1; n <= FormDecay::kFlechas; ++n)
        EXPECT_NE(ventana.findChild<Flechas *>(QStringLiteral("UpDown") + QString::number(n)), nullptr) << n;
    EXPECT_FALSE(control(QStringLiteral("Horas"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("RichTextBox1"))->isVisible());
    EXPECT_TRUE(control<QLabel>(QStringLiteral("LabelAct2"))->font().bold());
    EXPECT_FALSE(control<QLabel>(QStringLiteral("Image1"))->pixmap().isNull());
    // Nothing is calculated until something asks for it.
    EXPECT_EQ(Resultado(), QStringLiteral("|"));
    EXPECT_TRUE(mensajes.mensajes.empty());
}

TEST_F(Decay, ElIntervaloEntreLosDosInstantes)
{
    struct Caso {
        int dias;
        const char *tiempos;
        const char *intervalo;
        const char *horas;
    };
    const Caso casos[] = {
        {0, "TextHora1=12 TextMin1=0 TextHora2=18 TextMin2=0", "6 horas", "6"},
        {1, "TextHora1=12 TextMin1=0 TextHora2=12 TextMin2=1", "1 día 1 min", "24,0166666666667"},
        {3, "TextHora1=12 TextMin1=0 TextHora2=5 TextMin2=0", "2 días 17 horas", "65"},
        {0, "TextHora1=12 TextMin1=0 TextHora2=13 TextMin2=0", "1 hora", "1"},
        {0, "TextHora1=12 TextMin1=0 TextHora2=12 TextMin2=0", "", "0"},
        {-1, "TextHora1=12 TextMin1=0 TextHora2=12 TextMin2=0", "-1 días", "-24"},
        {0, "TextHora1=12,5 TextMin1=0 TextHora2=12 TextMin2=0", "-30 min", "-0,5"},
        {0, "TextHora1=0 TextMin1=0 TextHora2=24 TextMin2=2,5", "1 día 2 min", "24,0416666666667"},
        {0, "TextHora1=0 TextMin1= TextHora2=1 TextMin2=", "1 hora", "1"},
    };
    Elegir("ComboRadionucl", "Hg-197");
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.tiempos);
        Poner(c.tiempos);
        Fecha("DTPicker2")->setDate(kHoy.addDays(c.dias));
        Elegir("ComboRadionucl", "Hg-197");
        EXPECT_EQ(Intervalo(), QString::fromUtf8(c.intervalo));
        EXPECT_EQ(texto(QStringLiteral("Horas")), QString::fromUtf8(c.horas));
        EXPECT_EQ(Mensajes(), QStringList());
    }
    // The last case left both minutes empty: they read 0 now.
    EXPECT_EQ(textos({"TextMin1", "TextMin2"}), QStringLiteral("0|0"));
}

TEST_F(Decay, TiemposQueNoSirven)
{
    struct Caso {
        const char *tiempos;
        const char *mensaje;
        const char *foco; // nullptr: where it was
    };
    const char *revise = "Orvella: Revise los tiempos introducidos.";
    const Caso casos[] = {
        {"TextHora1= TextHora2=", "Error: Introducir la hora", "TextHora1"},
        {"TextHora2=", "Error: Introducir la hora", "TextHora2"},
        {"TextHora1=1,2,3", revise, nullptr},
        {"TextMin2=,", revise, nullptr},
        {"TextHora2=1E307", revise, nullptr},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.tiempos);
        Poner("TextHora1=12 TextMin1=0 TextHora2=18 TextMin2=0 TextAct1=10");
        Elegir("ComboRadionucl", "Hg-197");
        ASSERT_EQ(Intervalo(), QStringLiteral("6 horas"));
        caja(QStringLiteral("TextAct1"))->setFocus();
        Poner(c.tiempos);
        Poner("TextAct1=20");
        Elegir("ComboRadionucl", "Hg-197");
        EXPECT_EQ(Mensajes(), QStringList{QString::fromUtf8(c.mensaje)});
        EXPECT_EQ(Foco(), control(QString::fromLatin1(c.foco != nullptr ? c.foco : "TextAct1")));
        // The interval stays; the decay is still calculated, over the old 6 h.
        EXPECT_EQ(Intervalo(), QStringLiteral("6 horas"));
        EXPECT_EQ(Resultado(), QStringLiteral("18,76|mCi"));
    }
}

TEST_F(Decay, CalcularDecay)
{
    struct Caso {
        const char *nombre;
        const char *nuclido; // nullptr: the typed half-life
        const char *periodo;
        const char *tiempo;
        const char *actividad;
        const char *unidad;
        int dias;
        const char *horas;
        const char *resultado;
    };
    const Caso casos[] = {
        {"Hg-197, 2 d 17 h", "Hg-197", "", "horas", "10", "mCi", 3, "TextHora1=12 TextHora2=5", "5|mCi"},
        {"ten half-lives", nullptr, "65", "horas", "10", "mCi", 27, "TextHora1=12 TextHora2=14", "9,766|uCi"},
        {"no decay in becquerels", nullptr, "65", "horas", "2000", "Bq", 0, "TextHora1=12 TextHora2=12", "2|kBq"},
        {"Co-60 over a year", "Co-60", "", "horas", "10", "mCi", 365, "TextHora1=12 TextHora2=12", "8,768|mCi"},
        {"half-life in days", nullptr, "5,272", "días", "10", "mCi", 0, "TextHora1=12 TextHora2=18", "9,677|mCi"},
        {"backwards in time", nullptr, "6", "horas", "10", "Ci", 0, "TextHora1=18 TextHora2=12", "20|Ci"},
        {"half-life 0", nullptr, "0", "horas", "10", "mCi", 0, "TextHora1=12 TextHora2=18", "|"},
        {"half-life 0,", nullptr, "0,", "horas", "10", "mCi", 0, "TextHora1=12 TextHora2=18", "|"},
        {"half-life 0,0", nullptr, "0,0", "horas", "10", "mCi", 0, "TextHora1=12 TextHora2=18", "|"},
        {"minutes that round to no hours", nullptr, "0,01", "min.", "10", "mCi", 0, "TextHora1=12 TextHora2=18", "|"},
        {"half-life not a number", nullptr, ",", "horas", "10", "mCi", 0, "TextHora1=12 TextHora2=18", "|"},
        {"activity not a number", nullptr, "6", "horas", ",", "mCi", 0, "TextHora1=12 TextHora2=18", "|"},
        {"the exponential overflows", nullptr, "1", "horas", "999999", "mCi", -1000, "TextHora1=12 TextHora2=12", "|"},
        {"decays to nothing", nullptr, "0,001", "horas", "10", "mCi", 1000, "TextHora1=12 TextHora2=12", "0|pCi"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Poner("TextMin1=0 TextMin2=0");
        Poner(c.horas);
        Fecha("DTPicker2")->setDate(kHoy.addDays(c.dias));
        Mensajes();
        caja(QStringLiteral("TextPeriodo"))->setText(QString::fromUtf8(c.periodo));
        caja(QStringLiteral("TextAct1"))->setText(QString::fromUtf8(c.actividad));
        Lista("ComboUnidades")->setCurrentIndex(Lista("ComboUnidades")->findText(QString::fromUtf8(c.unidad)));
        if (c.nuclido != nullptr) {
            Elegir("ComboRadionucl", c.nuclido);
        } else {
            Lista("ComboTiempo")->setCurrentIndex(Lista("ComboTiempo")->findText(QString::fromUtf8(c.tiempo)));
            Elegir("ComboTiempo", c.tiempo);
        }
        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado));
        EXPECT_EQ(Mensajes(), QStringList());
    }
}

TEST_F(Decay, DatosQueFaltan)
{
    struct Caso {
        const char *nombre;
        const char *tiempo;   // the time unit box's text
        const char *unidades; // the activity unit box's text
        const char *mensaje;
        const char *foco;
    };
    const Caso casos[] = {
        {"no half-life", "horas", "mCi", kFaltaPeriodo, "TextPeriodo"},
        {"no time unit", "", "mCi", "Seleccione la unidad de tiempo para el periodo de semidesintegración.",
         "ComboTiempo"},
        {"no time unit, no activity unit", "", "",
         "Seleccione la unidad de tiempo para el periodo de semidesintegración.", "ComboTiempo"},
        {"no activity unit", "horas", "", "Seleccione la unidad de actividad.", "ComboUnidades"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        // A result from before stays on screen.
        Elegir("ComboRadionucl", "Hg-197");
        ASSERT_EQ(Resultado(), QStringLiteral("9,38|mCi"));
        Lista("ComboRadionucl")->setEditText(QStringLiteral("Radionúclido"));
        caja(QStringLiteral("TextPeriodo"))->setText(c.mensaje == kFaltaPeriodo ? "" : "65");
        Lista("ComboTiempo")->setEditText(QString::fromUtf8(c.tiempo));
        Lista("ComboUnidades")->setEditText(QString::fromUtf8(c.unidades));
        Flecha(1, true);
        Flecha(1, false);
        EXPECT_EQ(Mensajes(), QStringList({Error(c.mensaje), Error(c.mensaje)}));
        EXPECT_EQ(Foco(), control(QString::fromLatin1(c.foco)));
        EXPECT_EQ(Resultado(), QStringLiteral("9,38|mCi"));
        Lista("ComboTiempo")->setEditText(QStringLiteral("horas"));
        Lista("ComboUnidades")->setCurrentIndex(0);
        Lista("ComboUnidades")->setEditText(QStringLiteral("mCi"));
    }
}

// A unit typed into the list that is none of its entries: the value is shown
// as calculated and the unit label keeps what it showed.
TEST_F(Decay, UnidadQueNoEstaEnLaLista)
{
    Poner("TextAct1=2000");
    Elegir("ComboRadionucl", "Hg-197");
    ASSERT_EQ(Resultado(), QStringLiteral("1,876|Ci"));
    Lista("ComboUnidades")->setEditText(QStringLiteral("mci"));
    Flecha(3, false);
    EXPECT_EQ(Resultado(), QStringLiteral("1875,104|Ci"));
    EXPECT_EQ(Mensajes(), QStringList());
}

// Every trigger runs the interval and then the decay, even when the interval
// stopped at its message.
TEST_F(Decay, CadaDisparadorRecalculaTodo)
{
    struct Caso {
        const char *nombre;
        std::function<void(Decay &)> disparar;
        QStringList mensajes;
    };
    const QStringList ambos{Error("Introducir la hora"), Error(kFaltaPeriodo)};
    const auto tab = [](Decay &d, const char *nombre) {
        d.caja(QString::fromLatin1(nombre))->setFocus();
        QTest::keyClick(d.caja(QString::fromLatin1(nombre)), Qt::Key_Tab);
        Procesar();
    };
    const Caso casos[] = {
        {"first date", [](Decay &d) { d.Fecha("DTPicker1")->setDate(kHoy.addDays(-1)); }, ambos},
        {"second date", [](Decay &d) { d.Fecha("DTPicker2")->setDate(kHoy.addDays(1)); }, ambos},
        {"time unit", [](Decay &d) { d.Elegir("ComboTiempo", "días"); }, ambos},
        {"nuclide", [](Decay &d) { d.Elegir("ComboRadionucl", "Hg-197"); }, {Error("Introducir la hora")}},
        {"activity unit, no half-life typed", [](Decay &d) { d.Elegir("ComboUnidades", "Bq"); }, {}},
        {"activity spinner", [](Decay &d) { d.Flecha(3, true); }, ambos},
        {"hour spinner", [](Decay &d) { d.Flecha(1, false); }, ambos},
        {"typing the activity", [](Decay &d) { d.teclear(QStringLiteral("TextAct1"), "5"); }, ambos},
        {"leaving the activity", [tab](Decay &d) { tab(d, "TextAct1"); }, ambos},
        {"typing the first hour", [](Decay &d) { d.teclear(QStringLiteral("TextHora1"), "3"); }, ambos},
        {"typing a minute", [](Decay &d) { d.teclear(QStringLiteral("TextMin2"), "3"); }, ambos},
        {"leaving a minute empty",
         [tab](Decay &d) {
             d.Poner("TextMin1=");
             tab(d, "TextMin1");
         },
         ambos},
        {"leaving an hour that has one", [tab](Decay &d) { tab(d, "TextHora1"); }, {}},
        {"typing a half-life",
         [](Decay &d) { d.teclear(QStringLiteral("TextPeriodo"), "5"); },
         {Error("Introducir la hora")}},
        {"a minute spinner that changes nothing",
         [](Decay &d) {
             d.Poner("TextHora1=0 TextMin1=0");
             d.Flecha(2, false);
         },
         {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Poner("TextHora1=12 TextMin1=0 TextHora2= TextMin2=0 TextPeriodo=");
        Lista("ComboRadionucl")->setCurrentIndex(-1);
        Lista("ComboRadionucl")->setEditText(QStringLiteral("Radionúclido"));
        Mensajes();
        c.disparar(*this);
        EXPECT_EQ(Mensajes(), c.mensajes);
    }
}

TEST_F(Decay, ElNuclidoSeSueltaAlElegirOtraUnidad)
{
    Elegir("ComboRadionucl", "Co-60");
    EXPECT_EQ(textos({"TextPeriodo", "ComboTiempo"}), QStringLiteral("5,272|años"));
    EXPECT_EQ(Resultado(), QStringLiteral("9,999|mCi"));

    Elegir("ComboTiempo", "días");
    EXPECT_EQ(textos({"ComboRadionucl", "TextPeriodo", "ComboTiempo"}), QStringLiteral("Radionúclido|5,272|días"));
    EXPECT_EQ(Resultado(), QStringLiteral("9,677|mCi"));

    // Typing a half-life lets the nuclide go as well.
    Elegir("ComboRadionucl", "Fe-59");
    EXPECT_EQ(textos({"TextPeriodo", "ComboTiempo"}), QStringLiteral("44,6|días"));
    teclear(QStringLiteral("TextPeriodo"), "1");
    EXPECT_EQ(textos({"ComboRadionucl", "TextPeriodo"}), QStringLiteral("Radionúclido|44,61"));
    EXPECT_EQ(Mensajes(), QStringList());
}

TEST_F(Decay, TeclasDeLaActividadYDelPeriodo)
{
    struct Caso {
        const char *caja;
        const char *tecleado;
        const char *queda;
        QStringList mensajes;
        const char *resultado;
    };
    const Caso casos[] = {
        {"TextAct1", "1000000", "100000", {Error(kMaximo)}, "93,802|Ci"},
        {"TextAct1", "1.5", "1,5", {}, "1,407|mCi"},
        {"TextAct1", "2a-", "2", {}, "1,876|mCi"},
        {"TextAct1", "2\r", "2", {}, "1,876|mCi"},
        {"TextAct1", "", "", {}, "|"},
        {"TextPeriodo", "1000000", "100000", {Error(kMaximo)}, "10|mCi"},
        {"TextPeriodo", "6.5", "6,5", {}, "5,274|mCi"},
        {"TextPeriodo", "0", "0", {}, "|"},
        {"TextPeriodo", ",", ",", {}, "|"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.caja) + " " + c.tecleado);
        Poner("TextAct1=10 TextPeriodo=65");
        Elegir("ComboRadionucl", "Hg-197");
        ASSERT_EQ(Resultado(), QStringLiteral("9,38|mCi"));
        // Emptied key by key.
        const QString nombre = QString::fromLatin1(c.caja);
        caja(nombre)->setFocus();
        caja(nombre)->end(false);
        while (!texto(nombre).isEmpty())
            tecla(nombre, Qt::Key_Backspace);
        teclear(nombre, c.tecleado);
        EXPECT_EQ(texto(nombre), QString::fromUtf8(c.queda));
        EXPECT_EQ(Mensajes(), c.mensajes);
        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado));
    }
}

TEST_F(Decay, CajasDeTiempo)
{
    // Whole numbers: a dot is removed, not turned into a comma.
    const std::pair<const char *, const char *> casos[] = {{"1.5", "15"}, {"1,5", "1,5"}, {"2a", "2"}, {"-3", "3"}};
    for (const auto &[tecleado, queda] : casos) {
        Poner("TextHora2=");
        teclear(QStringLiteral("TextHora2"), tecleado);
        EXPECT_EQ(texto(QStringLiteral("TextHora2")), QString::fromUtf8(queda)) << tecleado;
    }
    // Left empty, a box reads 0.
    for (const char *nombre : {"TextHora1", "TextMin1", "TextHora2", "TextMin2", "TextAct1"}) {
        caja(QString::fromLatin1(nombre))->clear();
        tecla(QString::fromLatin1(nombre), Qt::Key_Tab);
        Procesar();
        EXPECT_EQ(texto(QString::fromLatin1(nombre)), QStringLiteral("0")) << nombre;
    }
}

TEST_F(Decay, Flechas)
{
    struct Caso {
        int flecha;
        bool arriba;
        const char *antes;
        const char *despues; // nullptr: nothing written, nothing recalculated
        bool maximo = false;
    };
    const Caso casos[] = {
        {1, false, "TextHora1=0", "TextHora1=23"},
        {1, true, "TextHora1=23", "TextHora1=0"},
        {1, true, "TextHora1=12,5", "TextHora1=13,5"},
        {1, false, "TextHora1=,", "TextHora1=0"},
        {5, true, "TextHora2=,", "TextHora2=1"},
        {5, true, "TextHora2=18", "TextHora2=19"},
        {2, false, "TextHora1=0 TextMin1=0", nullptr},
        {2, false, "TextHora1=3 TextMin1=0", "TextHora1=2 TextMin1=59"},
        {2, true, "TextHora1=23 TextMin1=59", "TextHora1=24 TextMin1=0"},
        {4, true, "TextHora2=18 TextMin2=59", "TextHora2=19 TextMin2=0"},
        {4, false, "TextHora2=18 TextMin2=,", "TextHora2=18 TextMin2=0"},
        {6, false, "TextHora1=3 TextMin1=5", "TextHora1=2 TextMin1=55"},
        {6, false, "TextHora1=0 TextMin1=5", nullptr},
        {6, true, "TextHora1=3 TextMin1=49", "TextHora1=3 TextMin1=59"},
        {9, true, "TextHora2=18 TextMin2=55", "TextHora2=19 TextMin2=5"},
        {9, false, "TextHora2=18 TextMin2=10", "TextHora2=18 TextMin2=0"},
        {3, true, "TextAct1=999998", "TextAct1=999999"},
        {3, true, "TextAct1=999999", nullptr, true},
        {3, false, "TextAct1=0", nullptr},
        {8, true, "TextAct1=999989", "TextAct1=999999"},
        {8, true, "TextAct1=999990", nullptr, true},
        {8, false, "TextAct1=,", nullptr},
        {7, false, "TextAct1=150", "TextAct1=50"},
        {7, false, "TextAct1=99", nullptr},
        {7, true, "TextAct1=999900", nullptr, true},
    };
    Elegir("ComboRadionucl", "Hg-197");
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::to_string(c.flecha) + (c.arriba ? " up " : " down ") + c.antes);
        Poner(c.antes);
        // Only a recalculation writes the interval back.
        Poner("Horas=99");
        Flecha(c.flecha, c.arriba);
        QStringList cajas;
        for (const QString &par : QString::fromUtf8(c.despues != nullptr ? c.despues : c.antes).split(u' '))
            cajas << par.section(u'=', 0, 0) + u'=' + texto(par.section(u'=', 0, 0));
        EXPECT_EQ(cajas.join(u' '), QString::fromUtf8(c.despues != nullptr ? c.despues : c.antes));
        EXPECT_EQ(texto(QStringLiteral("Horas")) != u"99", c.despues != nullptr);
        EXPECT_EQ(Mensajes(), c.maximo ? QStringList{Error(kMaximo)} : QStringList());
        Poner("TextHora1=12 TextMin1=0 TextHora2=18 TextMin2=0 TextAct1=10");
    }
}

TEST_F(Decay, Informacion)
{
    auto *panel = control<QTextEdit>(QStringLiteral("RichTextBox1"));
    const QString texto = panel->toPlainText();
    for (const char *frase :
         {"El decaimiento radiactivo responde a la siguiente expresión:", "A = A0 e−λt = A0 e−0,693 t / T1/2",
          "donde  A = actividad en el instante t", "A0 = actividad inicial", "λ = constante radiactiva",
          "T1/2  =  período de semidesintegración",
          "El período de semidesintegración representa el tiempo en que la actividad decae a la "
          "mitad de su valor inicial, es decir, para T1/2  se cumple que A = A0 / 2."})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(frase))) << frase;
    EXPECT_TRUE(panel->toHtml().contains(QStringLiteral("vertical-align:super")));
    EXPECT_TRUE(panel->toHtml().contains(QStringLiteral("vertical-align:sub")));

    clic(QStringLiteral("Información"));
    EXPECT_TRUE(panel->isVisible());
    clic(QStringLiteral("Información"));
    EXPECT_FALSE(panel->isVisible());
}
