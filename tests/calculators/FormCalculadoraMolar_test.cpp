#include "calculators/FormCalculadoraMolar.h"
#include "tests/support/Ventana.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class CalculadoraMolar : public ::testing::Test, public Abierta<FormCalculadoraMolar> {
protected:
    template <typename T = QWidget> T *C(const QString &nombre) { return control<T>(nombre); }
    QLineEdit *Caja(const QString &nombre) { return caja(nombre); }
    QLineEdit *Fila(const char *columna, int n) { return Caja(QString::fromLatin1(columna) + QString::number(n)); }
    QTextEdit *Formula() { return C<QTextEdit>(QStringLiteral("BoxFormulaEmp")); }
    QString Masa() { return C<QLabel>(QStringLiteral("LbMasaMolecular"))->text(); }
    QPushButton *Boton(const QString &nombre) { return C<QPushButton>(nombre); }

    // "O 88,8093" for every visible row of the percent composition.
    QStringList Porcentajes()
    {
        QStringList filas;
        for (int n = 1; n <= 10; ++n) {
            const QString fila = QString::number(n);
            if (C<QLabel>(QStringLiteral("LP") + fila)->isVisible())
                filas << C<QLabel>(QStringLiteral("Atomo") + fila)->text() + u' ' +
                             C<QLabel>(QStringLiteral("Porcentaje") + fila)->text();
        }
        return filas;
    }

    void Escribir(QWidget *campo, const QString &texto)
    {
        campo->setFocus();
        QTest::keyClicks(campo, texto);
    }

    void Calcular(const QString &formula, const QString &moles = {}, const QString &gramos = {})
    {
        Formula()->setPlainText(formula);
        Caja(QStringLiteral("BoxMoles"))->setText(moles);
        Caja(QStringLiteral("BoxGramos"))->setText(gramos);
        Boton(QStringLiteral("cbCalcular"))->click();
    }

    void Empirica(std::initializer_list<std::pair<const char *, const char *>> filas)
    {
        int n = 1;
        for (const auto &[elemento, porcentaje] : filas) {
            Fila("Elemento", n)->setText(QString::fromUtf8(elemento));
            Fila("Porcent", n)->setText(QString::fromUtf8(porcentaje));
            ++n;
        }
        Boton(QStringLiteral("CalcInd"))->click();
    }

    QStringList Indices()
    {
        QStringList indices;
        for (int n = 1; n <= 10; ++n)
            indices << Fila("Indice", n)->text();
        return indices;
    }

    FormCalculadoraMolar &v = ventana;
    RegistroMensajes &registro = mensajes;
};

const QString kOrvella = QStringLiteral("Orvella");
const QString kError = QStringLiteral("Error");

} // namespace

TEST_F(CalculadoraMolar, VentanaAlAbrir)
{
    EXPECT_EQ(v.objectName(), QStringLiteral("FormCalculadoraMolar"));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Calculadora molar                            Orvella"));

    QStringList nombres = {"Label1", "Label2",          "Label3",   "Label4",       "Label5",     "Label6",
                           "Label7", "BoxFormulaEmp",   "BoxMoles", "BoxGramos",    "cbCalcular", "cbBorrar",
                           "Frame1", "LbMasaMolecular", "Frame2",   "RichTextBox1", "CalcInd"};
    nombres << QStringLiteral("Información");
    for (const char *fila : {"LP", "Atomo", "I", "Porcentaje", "Elemento", "Porcent", "Indice"})
        for (int n = 1; n <= 10; ++n)
            nombres << QString::fromLatin1(fila) + QString::number(n);
    for (const QString &nombre : nombres)
        EXPECT_EQ(v.findChildren<QWidget *>(nombre).size(), 1) << nombre.toStdString();

    EXPECT_EQ(Masa(), QString());
    EXPECT_FALSE(C(QStringLiteral("RichTextBox1"))->isVisible());
    EXPECT_TRUE(Porcentajes().isEmpty());
    EXPECT_FALSE(C(QStringLiteral("I1"))->isVisible());
    EXPECT_EQ(Formula()->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(Formula()->font().pointSizeF(), 12);
    EXPECT_EQ(C<QGroupBox>(QStringLiteral("Frame1"))->title(), QStringLiteral("Cálculo de fórmula empírica"));
    EXPECT_EQ(C<QGroupBox>(QStringLiteral("Frame2"))->title(), QStringLiteral("Composición porcentual"));
    EXPECT_EQ(Boton(QStringLiteral("CalcInd"))->text(), QStringLiteral("Calcular"));
    EXPECT_EQ(Boton(QStringLiteral("Información"))->toolTip(), QStringLiteral("Información"));
}

TEST_F(CalculadoraMolar, PanelDeInformacion)
{
    auto *panel = C<QTextEdit>(QStringLiteral("RichTextBox1"));
    EXPECT_EQ(panel->document()->blockCount(), 3);
    EXPECT_TRUE(panel->toPlainText().contains(QStringLiteral("Mg(PH2O5)2")));
    EXPECT_TRUE(panel->toPlainText().contains(QStringLiteral("MgP2H4O10")));
    EXPECT_TRUE(panel->toHtml().contains(QStringLiteral("vertical-align:sub")));

    Boton(QStringLiteral("Información"))->click();
    EXPECT_TRUE(panel->isVisible());
    Boton(QStringLiteral("Información"))->click();
    EXPECT_FALSE(panel->isVisible());

    // The calculation hides it first, even when it then refuses the amounts.
    Boton(QStringLiteral("Información"))->click();
    Calcular(QStringLiteral("H2O"), QStringLiteral(","));
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(CalculadoraMolar, CalcularMolar)
{
    struct Caso {
        const char *formula;
        const char *moles;
        const char *gramos;
        const char *masa;
        const char *molesDespues;
        const char *gramosDespues;
        const char *mensaje; // nullptr: none
        QStringList filas;
    };
    const char *valores = "Valores no válidos.";
    const Caso casos[] = {
        {"H2O", "", "", "18,015", "", "", nullptr, {"O 88,8093", "H 11,1896"}},
        {"H2O", "2", "", "18,015", "2", "36,03", nullptr, {"O 88,8093", "H 11,1896"}},
        // Moles written back from the rounded grams.
        {"H2O", "0,0001", "", "18,015", "0", "0,002", nullptr, {"O 88,8093", "H 11,1896"}},
        {"H2O", "0,0005", "", "18,015", "0", "0,009", nullptr, {"O 88,8093", "H 11,1896"}},
        // The displayed mass, not 18,0148, multiplies.
        {"H2O", "1000", "", "18,015", "1000", "18015", nullptr, {"O 88,8093", "H 11,1896"}},
        {"NaCl", "", "29,221", "58,442", "0,5", "29,221", nullptr, {"Cl 60,6636", "Na 39,3364"}},
        {"  H2O  ", "", "", "18,015", "", "", nullptr, {"O 88,8093", "H 11,1896"}},
        {"C6H12O6", "1", "", "180,155", "1", "180,155", nullptr, {"O 53,2841", "H 6,7136", "C 40,0022"}},
        // 2 x 44,956 + 3 x 15,999: scandium at its atomic weight.
        {"Sc2O3", "2", "", "137,909", "2", "275,818", nullptr, {"O 34,8034", "Sc 65,1966"}},
        {"H2O", ",", "", "", ",", "", valores, {}},
        {"H2O", "1", "2", "", "1", "2", valores, {}},
        {"H2O", "1,2,3", "", "", "1,2,3", "", valores, {}},
        {"H2O", "", "x", "", "", "x", valores, {}},
        // A refused formula shows 0; grams follow from it, moles stay.
        {"2H2O", "1", "", "0", "1", "0", "La fórmula no puede empezar por un número", {}},
        {"Ca(OH)2", "", "", "0", "", "", "Fórmula incorrecta.", {}},
        {"Og", "", "3", "0", "", "3", "Fórmula incorrecta.", {}},
        {"", "2", "", "", "2", "", nullptr, {}},
        // Too large to multiply: the grams stay empty rather than show "inf".
        {"H2O", "1E+308", "", "18,015", "1E+308", "", nullptr, {"O 88,8093", "H 11,1896"}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.formula) + " / " + c.moles + " / " + c.gramos);
        registro.mensajes.clear();
        Boton(QStringLiteral("cbBorrar"))->click();
        Calcular(QString::fromUtf8(c.formula), QString::fromUtf8(c.moles), QString::fromUtf8(c.gramos));
        EXPECT_EQ(Masa(), QString::fromUtf8(c.masa));
        EXPECT_EQ(Caja(QStringLiteral("BoxMoles"))->text(), QString::fromUtf8(c.molesDespues));
        EXPECT_EQ(Caja(QStringLiteral("BoxGramos"))->text(), QString::fromUtf8(c.gramosDespues));
        EXPECT_EQ(Porcentajes(), c.filas);
        if (c.mensaje == nullptr) {
            EXPECT_TRUE(registro.mensajes.empty()) << registro.textos().join(u'|').toStdString();
        } else {
            ASSERT_EQ(registro.mensajes.size(), 1U) << registro.textos().join(u'|').toStdString();
            const MensajeMostrado &m = registro.mensajes[0];
            EXPECT_EQ(m.texto, QString::fromUtf8(c.mensaje));
            const bool aviso = c.mensaje == valores;
            EXPECT_EQ(m.titulo, aviso ? kOrvella : kError);
            EXPECT_EQ(m.icono, aviso ? Icono::Ninguno : Icono::Error);
            if (!aviso) {
                EXPECT_TRUE(Formula()->hasFocus());
            }
        }
        // Refused amounts change nothing, not even the button.
        EXPECT_EQ(Boton(QStringLiteral("cbCalcular"))->isEnabled(), c.mensaje == valores);
    }
}

TEST_F(CalculadoraMolar, TrasCalcularAmbasCantidadesQuedanHabilitadas)
{
    Formula()->setPlainText(QStringLiteral("H2O"));
    Escribir(Caja(QStringLiteral("BoxMoles")), QStringLiteral("2"));
    ASSERT_FALSE(Caja(QStringLiteral("BoxGramos"))->isEnabled());
    Boton(QStringLiteral("cbCalcular"))->click();
    EXPECT_EQ(Caja(QStringLiteral("BoxGramos"))->text(), QStringLiteral("36,03"));
    EXPECT_TRUE(Caja(QStringLiteral("BoxGramos"))->isEnabled());
    EXPECT_TRUE(Caja(QStringLiteral("BoxMoles"))->isEnabled());
    EXPECT_TRUE(Formula()->hasFocus());
    EXPECT_FALSE(Boton(QStringLiteral("cbCalcular"))->isEnabled());

    // An empty formula: nothing computed, the focus waits in the formula box.
    Boton(QStringLiteral("cbBorrar"))->click();
    Escribir(Caja(QStringLiteral("BoxGramos")), QStringLiteral("5"));
    Boton(QStringLiteral("cbCalcular"))->click();
    EXPECT_TRUE(Formula()->hasFocus());
    EXPECT_EQ(Caja(QStringLiteral("BoxMoles"))->text(), QString());
    EXPECT_TRUE(registro.mensajes.empty());
}

TEST_F(CalculadoraMolar, ComposicionPorcentual)
{
    Calcular(QStringLiteral("CH3COOH"));
    EXPECT_EQ(Porcentajes(), QStringList({"H 1,6784", "O 26,6419", "O 26,6419", "C 20,001", "H 5,0351", "C 20,001"}));

    // Eleven groups: the ten found first from the right.
    Boton(QStringLiteral("cbBorrar"))->click();
    Calcular(QStringLiteral("HHeLiBeBCNOFNeNa"));
    QStringList simbolos;
    for (const QString &fila : Porcentajes())
        simbolos << fila.section(u' ', 0, 0);
    EXPECT_EQ(simbolos, QStringList({"Na", "Ne", "F", "O", "N", "C", "B", "Be", "Li", "He"}));

    // A shorter formula pasted over a longer one leaves no rows behind.
    QApplication::clipboard()->setText(QStringLiteral("H2O"));
    Formula()->setFocus();
    QTest::keyClick(Formula(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Formula(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Formula()->toPlainText(), QStringLiteral("H2O"));
    Boton(QStringLiteral("cbCalcular"))->click();
    EXPECT_EQ(Porcentajes(), QStringList({"O 88,8093", "H 11,1896"}));
    EXPECT_EQ(C<QLabel>(QStringLiteral("Porcentaje3"))->text(), QString());
}

TEST_F(CalculadoraMolar, TeclasQueBorranLosResultados)
{
    struct Caso {
        const char *nombre;
        std::function<void(QWidget *)> pulsar;
        bool borra;
        bool habilita; // the calculate button comes back
    };
    const auto tecla = [](Qt::Key k) { return [k](QWidget *w) { QTest::keyClick(w, k); }; };
    const auto texto = [](Qt::Key k, const char *t) {
        return [k, t](QWidget *w) { QTest::sendKeyEvent(QTest::Click, w, k, QString::fromUtf8(t), Qt::NoModifier); };
    };
    const Caso casos[] = {
        {"Backspace", tecla(Qt::Key_Backspace), true, true},
        {"a", texto(Qt::Key_A, "a"), true, true},
        {"Z", texto(Qt::Key_Z, "Z"), true, true},
        {"7", texto(Qt::Key_7, "7"), true, true},
        {"ñ", texto(Qt::Key_Ntilde, "ñ"), true, true},
        {"Ñ", texto(Qt::Key_Ntilde, "Ñ"), true, true},
        {"(", texto(Qt::Key_ParenLeft, "("), false, true},
        {"+", texto(Qt::Key_Plus, "+"), false, true},
        {"é", texto(Qt::Key_Eacute, "é"), false, true},
        {"left arrow", tecla(Qt::Key_Left), false, false},
        {"Delete", tecla(Qt::Key_Delete), false, false},
        // A shortcut may change the formula (paste): the button comes back.
        {"Ctrl+C", [](QWidget *w) { QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier); }, false, true},
        {"Tab", tecla(Qt::Key_Tab), false, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Boton(QStringLiteral("cbBorrar"))->click();
        Formula()->setPlainText(QStringLiteral("H2O"));
        Formula()->moveCursor(QTextCursor::End);
        Escribir(Caja(QStringLiteral("BoxMoles")), QStringLiteral("2"));
        Boton(QStringLiteral("cbCalcular"))->click();
        ASSERT_EQ(Masa(), QStringLiteral("18,015"));

        c.pulsar(Formula());
        EXPECT_EQ(Masa().isEmpty(), c.borra);
        EXPECT_EQ(Caja(QStringLiteral("BoxMoles"))->text().isEmpty(), c.borra);
        EXPECT_EQ(Caja(QStringLiteral("BoxGramos"))->text().isEmpty(), c.borra);
        EXPECT_EQ(Porcentajes().isEmpty(), c.borra);
        EXPECT_EQ(Boton(QStringLiteral("cbCalcular"))->isEnabled(), c.habilita);
    }
}

TEST_F(CalculadoraMolar, CifrasPequenasYSimbolosGrandes)
{
    Formula()->setFocus();
    QTest::keyClicks(Formula(), QStringLiteral("H2O(C12"));
    QTest::sendKeyEvent(QTest::Click, Formula(), Qt::Key_Ntilde, QStringLiteral("ñ"), Qt::NoModifier);
    ASSERT_EQ(Formula()->toPlainText(), QStringLiteral("H2O(C12ñ"));

    // Each character is typed in the size its own key set; "(" keeps the
    // size in force.
    const qreal esperado[] = {14, 8, 14, 14, 14, 8, 8, 14};
    QTextCursor cursor(Formula()->document());
    for (int i = 0; i < 8; ++i) {
        cursor.setPosition(i + 1);
        EXPECT_EQ(cursor.charFormat().fontPointSize(), esperado[i]) << "character " << i;
    }
}

TEST_F(CalculadoraMolar, EnterVaciaLaFormula)
{
    for (const auto &[tecla, modificador] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier},
          std::pair{Qt::Key_Return, Qt::ShiftModifier}}) {
        Formula()->setFocus();
        QTest::keyClicks(Formula(), QStringLiteral("H2O"));
        Boton(QStringLiteral("cbCalcular"))->setEnabled(false);
        QTest::keyClick(Formula(), tecla, modificador);
        EXPECT_EQ(Formula()->toPlainText(), QString());
        EXPECT_EQ(Formula()->document()->blockCount(), 1);
        EXPECT_TRUE(Boton(QStringLiteral("cbCalcular"))->isEnabled());
    }
    // What is typed next starts afresh.
    QTest::keyClicks(Formula(), QStringLiteral("N2"));
    EXPECT_EQ(Formula()->toPlainText(), QStringLiteral("N2"));
}

TEST_F(CalculadoraMolar, EspacioCalculaYEntra)
{
    Escribir(Formula(), QStringLiteral("H2O"));
    Formula()->moveCursor(QTextCursor::Start);
    Formula()->moveCursor(QTextCursor::NextCharacter);
    QTest::keyClick(Formula(), Qt::Key_Space);
    EXPECT_EQ(Masa(), QStringLiteral("18,015"));
    EXPECT_EQ(Porcentajes(), QStringList({"O 88,8093", "H 11,1896"}));
    EXPECT_EQ(Formula()->toPlainText(), QStringLiteral("H 2O"));
    EXPECT_EQ(Formula()->textCursor().position(), 2);
    EXPECT_FALSE(Boton(QStringLiteral("cbCalcular"))->isEnabled());
    EXPECT_TRUE(registro.mensajes.empty());

    // A refused formula: the message, and the space still goes in.
    Boton(QStringLiteral("cbBorrar"))->click();
    Escribir(Formula(), QStringLiteral("2H"));
    QTest::keyClick(Formula(), Qt::Key_Space);
    EXPECT_EQ(registro.textos(), QStringList({"La fórmula no puede empezar por un número"}));
    EXPECT_EQ(Formula()->toPlainText(), QStringLiteral("2H "));
    EXPECT_EQ(Masa(), QStringLiteral("0"));
}

TEST_F(CalculadoraMolar, MolesYGramosSeExcluyen)
{
    struct Caso {
        const char *campo;
        const char *otro;
        const char *tecleado;
        const char *queda;
    };
    const Caso casos[] = {
        {"BoxMoles", "BoxGramos", "1.5", "1,5"},
        {"BoxMoles", "BoxGramos", "a2-b", "2"},
        {"BoxGramos", "BoxMoles", "2,5x", "2,5"},
        {"BoxGramos", "BoxMoles", ".", ","},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.tecleado);
        Boton(QStringLiteral("cbBorrar"))->click();
        QLineEdit *campo = Caja(QString::fromLatin1(c.campo));
        QLineEdit *otro = Caja(QString::fromLatin1(c.otro));
        otro->setText(QStringLiteral("7"));
        Boton(QStringLiteral("cbCalcular"))->setEnabled(false);
        Escribir(campo, QString::fromLatin1(c.tecleado));
        EXPECT_EQ(campo->text(), QString::fromLatin1(c.queda));
        EXPECT_EQ(otro->text(), QString());
        EXPECT_FALSE(otro->isEnabled());
        EXPECT_TRUE(Boton(QStringLiteral("cbCalcular"))->isEnabled());
    }
    EXPECT_TRUE(registro.mensajes.empty());

    // Moving through the boxes is not typing.
    Boton(QStringLiteral("cbBorrar"))->click();
    Caja(QStringLiteral("BoxGramos"))->setText(QStringLiteral("7"));
    Caja(QStringLiteral("BoxMoles"))->setFocus();
    QTest::keyClick(Caja(QStringLiteral("BoxMoles")), Qt::Key_Tab);
    QTest::keyClick(Caja(QStringLiteral("BoxMoles")), Qt::Key_Right);
    EXPECT_EQ(Caja(QStringLiteral("BoxGramos"))->text(), QStringLiteral("7"));
    EXPECT_TRUE(Caja(QStringLiteral("BoxGramos"))->isEnabled());
}

TEST_F(CalculadoraMolar, BorrarLimpiaTodaLaVentana)
{
    Escribir(Formula(), QStringLiteral("H2O"));
    Escribir(Caja(QStringLiteral("BoxGramos")), QStringLiteral("9"));
    Boton(QStringLiteral("cbCalcular"))->click();
    Empirica({{"Fe", "69,94"}, {"O", "30,06"}});
    ASSERT_EQ(Indices().mid(0, 2), QStringList({"2", "3"}));
    Caja(QStringLiteral("BoxMoles"))->setEnabled(false);
    Boton(QStringLiteral("Información"))->click();

    Boton(QStringLiteral("cbBorrar"))->click();
    EXPECT_EQ(Formula()->toPlainText(), QString());
    EXPECT_EQ(Masa(), QString());
    EXPECT_TRUE(Porcentajes().isEmpty());
    EXPECT_EQ(C<QLabel>(QStringLiteral("Porcentaje1"))->text(), QString());
    for (const char *nombre : {"BoxMoles", "BoxGramos"}) {
        EXPECT_EQ(Caja(QString::fromLatin1(nombre))->text(), QString());
        EXPECT_TRUE(Caja(QString::fromLatin1(nombre))->isEnabled());
    }
    for (const char *columna : {"Elemento", "Porcent", "Indice"})
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(Fila(columna, n)->text(), QString()) << columna << n;
    EXPECT_FALSE(C(QStringLiteral("RichTextBox1"))->isVisible());
    EXPECT_TRUE(Boton(QStringLiteral("cbCalcular"))->isEnabled());
    EXPECT_TRUE(Formula()->hasFocus());
    EXPECT_EQ(Formula()->currentCharFormat().fontPointSize(), 12);
}

TEST_F(CalculadoraMolar, FormulaEmpirica)
{
    Empirica({{"Fe", "69,94"}, {"O", "30,06"}});
    EXPECT_EQ(Indices(), QStringList({"2", "3", "", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(registro.mensajes.empty());

    // A symbol without percentage is dropped; a percentage without symbol
    // gets no subscript and leaves its box as it was.
    Boton(QStringLiteral("cbBorrar"))->click();
    Fila("Indice", 3)->setText(QStringLiteral("9"));
    Fila("Indice", 4)->setText(QStringLiteral("8"));
    Empirica({{"C", "40"}, {"H", "6,71"}, {"N", ""}, {"", "5"}, {"O", "53,29"}});
    EXPECT_EQ(Fila("Elemento", 3)->text(), QString());
    EXPECT_EQ(Indices(), QStringList({"1", "2", "", "8", "1", "", "", "", "", ""}));
}

TEST_F(CalculadoraMolar, FormulaEmpiricaRechazada)
{
    struct Caso {
        const char *nombre;
        std::initializer_list<std::pair<const char *, const char *>> filas;
        const char *mensaje;
        bool esError; // "Error" title and icon, otherwise the application's notice
        const char *foco;
        const char *queda; // text left in the focused box
    };
    const Caso casos[] = {
        {"no first symbol",
         {{"", "50"}, {"O", "30"}, {"N", "x"}},
         "Debe cumplimentar los datos empezando por el primer elemento de la primera fila.",
         true,
         "Elemento1",
         ""},
        {"no first percentage",
         {{"Fe", ""}, {"O", "30"}},
         "Introduzca el porcentaje correspondiente",
         false,
         "Porcent1",
         ""},
        {"first percentage not a number", {{"Fe", "1,2,3"}}, "Carácter no válido.", false, "Porcent1", ""},
        {"third percentage not a number",
         {{"Fe", "70"}, {"O", "30"}, {"N", ","}, {"H", "y"}},
         "Carácter no válido.",
         false,
         "Porcent3",
         ""},
        {"zero that is not exactly \"0\"", {{"Fe", "70"}, {"O", "0,0"}}, "Error.", true, "Porcent2", "0,0"},
        {"negative percentage", {{"Fe", "-70"}, {"O", "30"}}, "Error.", true, "Porcent1", "-70"},
        {"percentages too far apart", {{"H", "1E+300"}, {"Mt", "1E-300"}}, "Error.", true, "Porcent1", "1E+300"},
        {"unknown symbol",
         {{"Fe", "70"}, {"Xx", "30"}},
         "Debe teclear el símbolo de un elemento químico.",
         true,
         "Elemento2",
         ""},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Boton(QStringLiteral("cbBorrar"))->click();
        registro.mensajes.clear();
        Empirica(c.filas);
        ASSERT_EQ(registro.mensajes.size(), 1U);
        EXPECT_EQ(registro.mensajes[0].texto, QString::fromUtf8(c.mensaje));
        EXPECT_EQ(registro.mensajes[0].titulo, c.esError ? kError : kOrvella);
        EXPECT_EQ(registro.mensajes[0].icono, c.esError ? Icono::Error : Icono::Ninguno);
        QLineEdit *foco = Caja(QString::fromLatin1(c.foco));
        EXPECT_TRUE(foco->hasFocus());
        EXPECT_EQ(foco->text(), QString::fromUtf8(c.queda));
        EXPECT_EQ(Indices().join(QString()), QString());
    }
    // Rows without a percentage were emptied before the first check.
    Boton(QStringLiteral("cbBorrar"))->click();
    Empirica({{"", "50"}, {"O", ""}});
    EXPECT_EQ(Fila("Elemento", 2)->text(), QString());
}

TEST_F(CalculadoraMolar, TeclearEnLasFilasVaciaLosSubindices)
{
    Empirica({{"Fe", "69,94"}, {"O", "30,06"}});
    ASSERT_EQ(Indices().mid(0, 2), QStringList({"2", "3"}));

    // Moving on with Tab changes no data.
    Fila("Porcent", 2)->setFocus();
    QTest::keyClick(Fila("Porcent", 2), Qt::Key_Tab);
    QTest::keyClick(Fila("Elemento", 3), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Indices().mid(0, 2), QStringList({"2", "3"}));

    QTest::keyClick(Fila("Elemento", 3), Qt::Key_N);
    EXPECT_EQ(Indices().join(QString()), QString());

    Empirica({{"Fe", "69,94"}, {"O", "30,06"}});
    QTest::keyClick(Fila("Porcent", 1), Qt::Key_Backspace);
    EXPECT_EQ(Indices().join(QString()), QString());
}

TEST_F(CalculadoraMolar, FiltrosDeLosPorcentajes)
{
    Escribir(Fila("Porcent", 3), QStringLiteral("12.5a"));
    EXPECT_EQ(Fila("Porcent", 3)->text(), QStringLiteral("12,5"));
    EXPECT_TRUE(registro.mensajes.empty());

    Escribir(Fila("Porcent", 10), QStringLiteral("1.x"));
    EXPECT_EQ(Fila("Porcent", 10)->text(), QStringLiteral("1.x"));
    EXPECT_EQ(registro.textos(),
              QStringList({"Utilice la coma para separar los decimales.", QStringLiteral("Carácter no válido.")}));
    EXPECT_TRUE(Fila("Porcent", 10)->hasFocus());
}

TEST_F(CalculadoraMolar, ComprobacionesAlSalirDeUnaFila)
{
    struct Caso {
        const char *columna;
        int fila;
        const char *texto;
        Qt::FocusReason motivo;
        const char *mensaje; // nullptr: the focus moves on
        const char *queda;
    };
    const char *simbolo = "Debe teclear el símbolo de un elemento químico.";
    const Caso casos[] = {
        {"Elemento", 1, "Xx", Qt::TabFocusReason, simbolo, ""},
        {"Elemento", 4, "fe", Qt::MouseFocusReason, simbolo, ""},
        {"Elemento", 2, "Ds", Qt::BacktabFocusReason, simbolo, ""},
        {"Elemento", 1, "Fe", Qt::TabFocusReason, nullptr, "Fe"},
        {"Elemento", 1, "", Qt::TabFocusReason, nullptr, ""},
        {"Porcent", 1, "0", Qt::TabFocusReason, "Error.", "0"},
        {"Porcent", 10, "0", Qt::MouseFocusReason, "Error.", "0"},
        {"Porcent", 1, "0,0", Qt::TabFocusReason, nullptr, "0,0"},
        {"Porcent", 1, "00", Qt::TabFocusReason, nullptr, "00"},
        // The program moving the focus, or the user switching windows, is
        // not leaving the box.
        {"Porcent", 1, "0", Qt::OtherFocusReason, nullptr, "0"},
        {"Elemento", 1, "Xx", Qt::ActiveWindowFocusReason, nullptr, "Xx"},
    };
    QLineEdit *destino = Caja(QStringLiteral("BoxMoles"));
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.columna) + std::to_string(c.fila) + " " + c.texto);
        registro.mensajes.clear();
        QLineEdit *caja = Fila(c.columna, c.fila);
        caja->setText(QString::fromUtf8(c.texto));
        caja->setFocus();
        if (c.motivo == Qt::ActiveWindowFocusReason) {
            QFocusEvent salida(QEvent::FocusOut, c.motivo);
            QApplication::sendEvent(caja, &salida);
        } else {
            destino->setFocus(c.motivo);
        }
        Procesar();
        if (c.mensaje == nullptr) {
            EXPECT_TRUE(registro.mensajes.empty());
        } else {
            ASSERT_EQ(registro.mensajes.size(), 1U);
            EXPECT_EQ(registro.mensajes[0].texto, QString::fromUtf8(c.mensaje));
            EXPECT_EQ(registro.mensajes[0].titulo, kError);
            EXPECT_EQ(registro.mensajes[0].icono, Icono::Error);
            EXPECT_TRUE(caja->hasFocus());
        }
        EXPECT_EQ(caja->text(), QString::fromUtf8(c.queda));
        caja->clear();
    }
}

TEST_F(CalculadoraMolar, SalirConTabYUnaCajaDeMensajesReal)
{
    // The real modal box takes the focus from the row and gives it back; that
    // must not count as leaving the box again.
    InstalarManejadorMensajes({});
    CerradorDeCajas cerrador;

    Fila("Porcent", 2)->setText(QStringLiteral("0"));
    Fila("Porcent", 2)->setFocus();
    QTest::keyClick(Fila("Porcent", 2), Qt::Key_Tab);
    // The check runs once the focus has moved; its box is closed as soon as
    // it shows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return cerrador.cerradas() == 1; }));
    const int cajas = cerrador.cerradas();
    EXPECT_EQ(cajas, 1);
    // Back in the window, the focus is in the row that was refused.
    EXPECT_EQ(v.focusWidget(), Fila("Porcent", 2));
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    Procesar();
    EXPECT_TRUE(Fila("Porcent", 2)->hasFocus());
    EXPECT_EQ(cerrador.cerradas(), 1);
}

TEST(CalculadoraMolarCierre, UnaComprobacionPendienteNoSobreviveALaVentana)
{
    DeLaLista m(QStringLiteral("FormCalculadoraMolar"));
    RegistroMensajes &registro = m.mensajes;
    QWidget *v = m.ventana();
    auto *caja = m.caja(QStringLiteral("Elemento1"));
    caja->setText(QStringLiteral("Xx"));
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_Tab);
    delete v;
    Procesar();
    EXPECT_TRUE(registro.mensajes.empty());
}
