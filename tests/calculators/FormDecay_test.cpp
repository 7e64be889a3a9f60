#include "calculators/FormDecay.h"
#include "platform/Fecha.h"
#include "tests/support/Ventana.h"
#include "widgets/Flechas.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Not today: the window must take its date from the seam.
const QDate kHoy(2001, 2, 3);

const QString kHora = QStringLiteral("Error: Introducir la hora");
const QString kFaltaPeriodo =
    QStringLiteral("Error: Debe seleccionar un radionúclido o introducir un período de semidesintegración.");
const QString kMaximo = QStringLiteral("Error: Valor máximo 999999.");
const QString kRevise = QStringLiteral("Orvella: Revise los tiempos introducidos.");

class HoyFijo {
public:
    HoyFijo() : m_anterior(InstalarHoy([] { return kHoy; })) {}
    ~HoyFijo() { InstalarHoy(m_anterior); }

private:
    ProveedorFecha m_anterior;
};

// The date is fixed before the window is made.
class Decay : public ::testing::Test, public HoyFijo, public Abierta<FormDecay> {
public:
    QComboBox *Lista(const char *nombre) { return control<QComboBox>(QString::fromLatin1(nombre)); }
    QDateEdit *Fecha(const char *nombre) { return control<QDateEdit>(QString::fromLatin1(nombre)); }

    // A click on an entry of the open list, as the user chooses it.
    void Elegir(const char *lista, const QString &entrada)
    {
        QComboBox *combo = Lista(lista);
        const QModelIndex indice = combo->model()->index(combo->findText(entrada), 0);
        ASSERT_TRUE(indice.isValid()) << entrada.toStdString();
        combo->showPopup();
        Procesar();
        combo->view()->scrollTo(indice);
        QTest::mouseClick(combo->view()->viewport(), Qt::LeftButton, {}, combo->view()->visualRect(indice).center());
        ASSERT_FALSE(combo->view()->isVisible());
        // The window system gives the activation back to the window when the
        // list closes; the offscreen platform leaves it with the closed list.
        ventana.activateWindow();
        Procesar();
        ASSERT_EQ(QApplication::activeWindow(), &ventana);
    }

    void Flecha(int n, bool arriba)
    {
        auto *flechas = control<Flechas>(QStringLiteral("UpDown") + QString::number(n));
        QTest::mouseClick(arriba ? flechas->Arriba() : flechas->Abajo(), Qt::LeftButton);
    }

    // Boxes and lists set as "TextHora1=3 ComboTiempo=", as a paste would,
    // without a trigger.
    void Poner(const QString &valores)
    {
        for (const QString &par : valores.split(u' ', Qt::SkipEmptyParts)) {
            QWidget *c = control(par.section(u'=', 0, 0));
            if (auto *lista = qobject_cast<QComboBox *>(c))
                lista->setEditText(par.section(u'=', 1));
            else
                static_cast<QLineEdit *>(c)->setText(par.section(u'=', 1));
        }
    }

    // The interval as the frame reads: its visible labels.
    QString Intervalo()
    {
        QStringList partes;
        for (const char *nombre : {"LabelDias", "Label41", "LabelHoras", "Label44", "LabelMin", "Label45"})
            if (control(QString::fromLatin1(nombre))->isVisible())
                partes << texto(QString::fromLatin1(nombre));
        return partes.join(u' ');
    }

    QString Resultado() { return textos({"LabelAct2", "LabelUnidades"}); }

    // "Error: text" or "Orvella: text", in order; errors carry the error icon.
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
};

} // namespace

TEST_F(Decay, AlAbrir)
{
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Decaimiento radiactivo") + QString(43, u' ') + "Orvella");
    EXPECT_EQ(Fecha("DTPicker1")->date(), kHoy);
    EXPECT_EQ(Fecha("DTPicker2")->date(), kHoy);
    EXPECT_EQ(textos({"TextHora1", "TextMin1", "TextHora2", "TextMin2", "TextAct1", "TextPeriodo", "Horas"}),
              QStringLiteral("12|0|18|0|10||0"));
    EXPECT_EQ(textos({"ComboUnidades", "ComboRadionucl", "ComboTiempo", "Label45", "Label10", "Label5"}),
              QStringLiteral("mCi|Radionúclido|horas|min.|1/2|Actividad  ="));
    EXPECT_EQ(Lista("ComboRadionucl")->count(), 48);
    EXPECT_FALSE(control(QStringLiteral("Horas"))->isVisible());
    // Nothing is calculated until something asks for it.
    EXPECT_EQ(Resultado(), QStringLiteral("|"));
    EXPECT_TRUE(mensajes.mensajes.empty());
}

// The interval frame and the result; empty minutes read 0.
TEST_F(Decay, CalcularDecay)
{
    const std::tuple<const char *, const char *, const char *, const char *> casos[] = {
        {"Hg-197", "ComboRadionucl=Hg-197 TextHora2=5 dias=3", "2 días 17 horas", "5|mCi"},
        {"half-life 0", "TextPeriodo=0 ComboTiempo=horas", "6 horas", "|"},
        {"ten half-lives", "TextPeriodo=65 ComboTiempo=horas TextHora2=14 dias=27", "27 días 2 horas", "9,766|uCi"},
        {"half-life 0,0", "TextPeriodo=0,0 ComboTiempo=horas TextHora2=12 TextMin2=1 dias=1", "1 día 1 min", "|"},
        {"no decay, becquerels", "TextPeriodo=65 ComboTiempo=horas TextAct1=2000 ComboUnidades=Bq TextHora2=12", "",
         "2|kBq"},
        {"half-life not a number", "TextPeriodo=, ComboTiempo=horas TextMin1= TextMin2= TextHora2=13", "1 hora", "|"},
        {"overflow", "TextPeriodo=1 ComboTiempo=horas TextAct1=999999 TextHora2=12 dias=-1000", "-1000 días", "|"},
    };
    for (const auto &[nombre, estado, intervalo, resultado] : casos) {
        SCOPED_TRACE(nombre);
        QString datos = QString::fromUtf8(estado);
        const int dias = datos.section(QStringLiteral("dias="), 1).toInt();
        datos = datos.section(QStringLiteral(" dias="), 0, 0);
        Poner(QStringLiteral("TextHora1=12 TextMin1=0 TextHora2=18 TextMin2=0 TextAct1=10 TextPeriodo= "
                             "ComboUnidades=mCi ComboRadionucl=Radionúclido ") +
              datos);
        Fecha("DTPicker2")->setDate(kHoy.addDays(dias));
        Mensajes();
        // A nuclide is chosen from its list; a typed half-life by choosing its unit.
        const char *lista = datos.contains(QStringLiteral("ComboRadionucl")) ? "ComboRadionucl" : "ComboTiempo";
        Elegir(lista, Lista(lista)->currentText());
        EXPECT_EQ(Intervalo(), QString::fromUtf8(intervalo));
        EXPECT_FALSE(texto(QStringLiteral("TextMin1")).isEmpty() || texto(QStringLiteral("TextMin2")).isEmpty());
        EXPECT_EQ(Resultado(), QString::fromUtf8(resultado));
        EXPECT_EQ(Mensajes(), QStringList());
    }
}

// What each message leaves: the focus where it says, and the result as it
// was, except that a failed interval still lets the decay be calculated
// over the interval from before.
TEST_F(Decay, AvisosYFoco)
{
    const std::tuple<const char *, QString, const char *, const char *> casos[] = {
        {"TextHora1= TextHora2=", kHora, "TextHora1", "10,318|mCi"},
        {"TextHora2=", kHora, "TextHora2", "10,318|mCi"},
        {"TextHora1=1,2,3", kRevise, "TextAct1", "10,318|mCi"},
        {"TextHora2=1E307", kRevise, "TextAct1", "10,318|mCi"}, // no finite interval
        {"ComboRadionucl=Radionúclido TextPeriodo=", kFaltaPeriodo, "TextPeriodo", "9,38|mCi"},
        {"ComboTiempo= ComboUnidades=", "Error: Seleccione la unidad de tiempo para el periodo de semidesintegración.",
         "ComboTiempo", "9,38|mCi"},
        {"ComboUnidades=", "Error: Seleccione la unidad de actividad.", "ComboUnidades", "9,38|mCi"},
        // A unit that is not in the list: not ranged, the unit label left alone.
        {"TextAct1=1999 ComboUnidades=mci", {}, "TextAct1", "1876,042|mCi"},
    };
    for (const auto &[estado, mensaje, foco, resultado] : casos) {
        SCOPED_TRACE(estado);
        Poner(QStringLiteral("TextHora1=12 TextHora2=18 TextAct1=10 ComboTiempo=horas ComboUnidades=mCi"));
        Elegir("ComboRadionucl", QStringLiteral("Hg-197"));
        ASSERT_EQ(Resultado(), QStringLiteral("9,38|mCi"));
        caja(QStringLiteral("TextAct1"))->setFocus();
        Poner(QString::fromUtf8(estado));
        Flecha(3, true);
        EXPECT_EQ(Mensajes(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        EXPECT_EQ(QApplication::focusWidget(), control(QString::fromLatin1(foco)));
        EXPECT_EQ(Intervalo(), QStringLiteral("6 horas"));
        EXPECT_EQ(Resultado(), QString::fromUtf8(resultado));
    }
}

// Every trigger runs the interval and then the decay, even when the interval
// stopped at its message.
TEST_F(Decay, CadaDisparadorRecalculaTodo)
{
    const QStringList ambos{kHora, kFaltaPeriodo};
    const auto salir = [](Decay &d, const char *nombre) {
        d.tecla(QString::fromLatin1(nombre), Qt::Key_Tab);
        Procesar();
    };
    const std::tuple<const char *, std::function<void(Decay &)>, QStringList> casos[] = {
        {"first date", [](Decay &d) { d.Fecha("DTPicker1")->setDate(kHoy.addDays(-1)); }, ambos},
        {"second date", [](Decay &d) { d.Fecha("DTPicker2")->setDate(kHoy.addDays(1)); }, ambos},
        {"time unit", [](Decay &d) { d.Elegir("ComboTiempo", QStringLiteral("días")); }, ambos},
        {"nuclide", [](Decay &d) { d.Elegir("ComboRadionucl", QStringLiteral("Hg-197")); }, {kHora}},
        {"activity unit, no half-life", [](Decay &d) { d.Elegir("ComboUnidades", QStringLiteral("Bq")); }, {}},
        {"activity spinner", [](Decay &d) { d.Flecha(3, true); }, ambos},
        {"hour spinner", [](Decay &d) { d.Flecha(1, false); }, ambos},
        {"typing the activity", [](Decay &d) { d.teclear(QStringLiteral("TextAct1"), "5"); }, ambos},
        {"leaving the activity", [salir](Decay &d) { salir(d, "TextAct1"); }, ambos},
        {"typing the first hour", [](Decay &d) { d.teclear(QStringLiteral("TextHora1"), "3"); }, ambos},
        {"typing a minute", [](Decay &d) { d.teclear(QStringLiteral("TextMin2"), "3"); }, ambos},
        {"leaving a minute empty",
         [salir](Decay &d) {
             d.Poner("TextMin1=");
             salir(d, "TextMin1");
         },
         ambos},
        {"leaving an hour", [salir](Decay &d) { salir(d, "TextHora1"); }, {}},
        {"typing a half-life", [](Decay &d) { d.teclear(QStringLiteral("TextPeriodo"), "5"); }, {kHora}},
    };
    for (const auto &[nombre, disparar, esperados] : casos) {
        SCOPED_TRACE(nombre);
        Poner("TextHora1=12 TextMin1=0 TextHora2= TextMin2=0 TextPeriodo= ComboRadionucl=Radionúclido");
        Mensajes();
        disparar(*this);
        EXPECT_EQ(Mensajes(), esperados);
    }
}

TEST_F(Decay, ElNuclidoSeSueltaAlElegirUnidadOTeclearUnPeriodo)
{
    Elegir("ComboRadionucl", QStringLiteral("Co-60"));
    EXPECT_EQ(textos({"TextPeriodo", "ComboTiempo", "LabelAct2"}), QStringLiteral("5,272|años|9,999"));
    Elegir("ComboTiempo", QStringLiteral("días"));
    EXPECT_EQ(textos({"ComboRadionucl", "TextPeriodo", "LabelAct2"}), QStringLiteral("Radionúclido|5,272|9,677"));

    Elegir("ComboRadionucl", QStringLiteral("Fe-59"));
    teclear(QStringLiteral("TextPeriodo"), "1");
    EXPECT_EQ(textos({"ComboRadionucl", "TextPeriodo", "ComboTiempo"}), QStringLiteral("Radionúclido|44,61|días"));
    EXPECT_EQ(Mensajes(), QStringList());

    // Deleting from the half-life is typing it too: the nuclide does not
    // write its own back.
    Elegir("ComboRadionucl", QStringLiteral("Fe-59"));
    caja(QStringLiteral("TextPeriodo"))->setCursorPosition(0);
    tecla(QStringLiteral("TextPeriodo"), Qt::Key_Delete);
    EXPECT_EQ(textos({"ComboRadionucl", "TextPeriodo", "ComboTiempo"}), QStringLiteral("Radionúclido|4,6|días"));
}

TEST_F(Decay, Teclas)
{
    const std::tuple<const char *, const char *, const char *, QStringList, const char *> casos[] = {
        {"TextAct1", "1000000", "100000", {kMaximo}, "93,802|Ci"},
        {"TextAct1", "1.5a\r", "1,5", {}, "1,407|mCi"},
        {"TextAct1", "", "", {}, "|"},
        {"TextPeriodo", "1000000", "100000", {kMaximo}, "10|mCi"},
        {"TextPeriodo", "0", "0", {}, "|"},
        {"TextPeriodo", ",", ",", {}, "|"},
        {"TextHora2", "1.5a", "15", {}, "9,685|mCi"}, // whole numbers: the dot goes
    };
    for (const auto &[nombre, tecleado, queda, avisos, resultado] : casos) {
        SCOPED_TRACE(std::string(nombre) + " " + tecleado);
        Poner("TextAct1=10 TextHora2=18");
        Elegir("ComboRadionucl", QStringLiteral("Hg-197"));
        caja(QString::fromLatin1(nombre))->end(false);
        while (!texto(QString::fromLatin1(nombre)).isEmpty())
            tecla(QString::fromLatin1(nombre), Qt::Key_Backspace);
        teclear(QString::fromLatin1(nombre), tecleado);
        Procesar(); // the limit's message shows once the edit is over
        EXPECT_EQ(texto(QString::fromLatin1(nombre)), QString::fromUtf8(queda));
        EXPECT_EQ(Mensajes(), avisos);
        EXPECT_EQ(Resultado(), QString::fromUtf8(resultado));
    }
    // Left empty, a box reads 0.
    for (const char *nombre : {"TextHora1", "TextMin1", "TextHora2", "TextMin2", "TextAct1"}) {
        caja(QString::fromLatin1(nombre))->clear();
        tecla(QString::fromLatin1(nombre), Qt::Key_Tab);
        Procesar();
        EXPECT_EQ(texto(QString::fromLatin1(nombre)), QStringLiteral("0")) << nombre;
    }
}

TEST_F(Decay, UnaTeclaMantenidaOUnPegadoNoPasanDelMaximo)
{
    // The excess goes, the last typed first, down to the first value within it.
    for (const char *nombre : {"TextAct1", "TextPeriodo"}) {
        SCOPED_TRACE(nombre);
        Poner(QStringLiteral("TextAct1=10"));
        Elegir("ComboRadionucl", QStringLiteral("Hg-197"));
        QLineEdit *c = caja(QString::fromLatin1(nombre));
        c->setText(QStringLiteral("99999"));
        c->setFocus();
        // Held down: one press, then the keyboard's repeats, then one release.
        QTest::keyPress(c, Qt::Key_9);
        for (int i = 0; i < 3; ++i) {
            QKeyEvent suelta(QEvent::KeyRelease, Qt::Key_9, Qt::NoModifier, QStringLiteral("9"), true);
            QCoreApplication::sendEvent(c, &suelta);
            QKeyEvent otra(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9"), true);
            QCoreApplication::sendEvent(c, &otra);
        }
        QTest::keyRelease(c, Qt::Key_9);
        Procesar();
        EXPECT_EQ(c->text(), QStringLiteral("999999"));
        EXPECT_EQ(Mensajes(), QStringList{kMaximo});

        c->clear();
        QApplication::clipboard()->setText(QStringLiteral("12345678"));
        tecla(QString::fromLatin1(nombre), Qt::Key_V, Qt::ControlModifier);
        Procesar();
        EXPECT_EQ(c->text(), QStringLiteral("123456"));
        EXPECT_EQ(Mensajes(), QStringList{kMaximo});
    }
}

TEST_F(Decay, Flechas)
{
    // Each spinner on its box; "" after: nothing written, nothing recalculated.
    const std::tuple<int, bool, const char *, const char *, QStringList> casos[] = {
        {1, false, "TextHora1=0", "TextHora1=23", {}},
        {5, true, "TextHora2=18", "TextHora2=19", {}},
        {2, false, "TextHora1=3 TextMin1=0", "TextHora1=2 TextMin1=59", {}},
        {2, false, "TextHora1=0 TextMin1=0", "", {}},
        {4, true, "TextHora2=23 TextMin2=59", "TextHora2=24 TextMin2=0", {}},
        {6, false, "TextHora1=3 TextMin1=5", "TextHora1=2 TextMin1=55", {}},
        {9, true, "TextHora2=18 TextMin2=55", "TextHora2=19 TextMin2=5", {}},
        {3, true, "TextAct1=999999", "", {kMaximo}},
        {8, true, "TextAct1=999989", "TextAct1=999999", {}},
        {7, false, "TextAct1=150,5", "TextAct1=50,5", {}},
    };
    Elegir("ComboRadionucl", QStringLiteral("Hg-197"));
    for (const auto &[n, arriba, antes, despues, avisos] : casos) {
        SCOPED_TRACE(std::to_string(n) + (arriba ? " up " : " down ") + antes);
        Poner(QStringLiteral("TextHora1=12 TextMin1=0 TextHora2=18 TextMin2=0 TextAct1=10 ") + antes);
        Poner("Horas=99"); // only a recalculation writes the interval back
        Flecha(n, arriba);
        const QString esperado = QString::fromUtf8(*despues != '\0' ? despues : antes);
        QStringList cajas;
        for (const QString &par : esperado.split(u' '))
            cajas << par.section(u'=', 0, 0) + u'=' + texto(par.section(u'=', 0, 0));
        EXPECT_EQ(cajas.join(u' '), esperado);
        EXPECT_EQ(texto(QStringLiteral("Horas")) != u"99", *despues != '\0');
        EXPECT_EQ(Mensajes(), avisos);
    }
}

TEST_F(Decay, Informacion)
{
    auto *panel = control<QTextEdit>(QStringLiteral("RichTextBox1"));
    for (const char *frase : {"A = A0 e−λt = A0 e−0,693 t / T1/2", "donde  A = actividad en el instante t",
                              "T1/2  =  período de semidesintegración", "para T1/2  se cumple que A = A0 / 2."})
        EXPECT_TRUE(panel->toPlainText().contains(QString::fromUtf8(frase))) << frase;
    EXPECT_TRUE(panel->toHtml().contains(QStringLiteral("vertical-align:super")));
    EXPECT_FALSE(panel->isVisible());
    clic(QStringLiteral("Información"));
    EXPECT_TRUE(panel->isVisible());
}

// With a nuclide chosen, Ctrl+A in the half-life selects it all, so what
// is typed next replaces it and gives up the nuclide.
TEST_F(Decay, SeleccionarTodoElPeriodoDeUnNuclido)
{
    Elegir("ComboRadionucl", QStringLiteral("Hg-197"));
    const QString periodo = texto(QStringLiteral("TextPeriodo"));
    ASSERT_FALSE(periodo.isEmpty());
    QLineEdit *caja = this->caja(QStringLiteral("TextPeriodo"));
    caja->setFocus();
    QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
    EXPECT_EQ(caja->selectedText(), periodo);
    teclear(QStringLiteral("TextPeriodo"), "1");
    EXPECT_EQ(texto(QStringLiteral("TextPeriodo")), QStringLiteral("1"));
    EXPECT_EQ(texto(QStringLiteral("ComboRadionucl")), QStringLiteral("Radionúclido"));
}
