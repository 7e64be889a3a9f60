#include "calculators/FormDisoluciones.h"
#include "tests/support/Ventana.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

// A message with the title "Error" and the error icon.
QString E(const char *texto)
{
    return QStringLiteral("Error (x): ") + QString::fromUtf8(texto);
}

const QString kMayor = E("La concentración de la disolución deseada no puede ser mayor que la de partida.");

class Disoluciones : public ::testing::Test, public Abierta<FormDisoluciones> {
protected:
    QString Resultado() const { return textos({"LabelResultado", "UnidadResul", "LabelResultado2", "UnidadResul2"}); }
    QTextEdit *Formula() const { return control<QTextEdit>(QStringLiteral("RTBFormula")); }
    QString Foco() const { return ventana.focusWidget() ? ventana.focusWidget()->objectName() : QString(); }
    bool Modo(const char *opcion) const { return control<QRadioButton>(QString::fromLatin1(opcion))->isChecked(); }

    // The mode, then "formula|molar mass|concentration|unit|volume|unit|
    // density or stock concentration|stock unit".
    void Datos(const char *modo, const char *datos)
    {
        clic(QString::fromLatin1(modo));
        Procesar();
        mensajes.mensajes.clear();
        const QStringList d = QString::fromUtf8(datos).split(u'|');
        Formula()->setPlainText(d[0]);
        const char *cajas[] = {
            "TextPm",          "TextConcFinal",
            "ComboConcFinal",  "TextVolumen",
            "ComboVolumen",    std::string_view(modo) == "OptionLiquido" ? "TextDensidad" : "TextConcInicial",
            "ComboConcInicial"};
        for (int n = 0; n < 7; ++n) {
            if (auto *lista = ventana.findChild<QComboBox *>(QString::fromLatin1(cajas[n])))
                lista->setCurrentText(d[n + 1]);
            else
                caja(QString::fromLatin1(cajas[n]))->setText(d[n + 1]);
        }
    }
};

} // namespace

TEST_F(Disoluciones, AlAbrir)
{
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));
    EXPECT_TRUE(Modo("OptionSolido"));
    EXPECT_EQ(textos({"TextPm", "TextDensidad", "TextConcInicial", "TextConcFinal", "TextVolumen", "OptionLiquido"}),
              QStringLiteral("|1,00|1|1|500|Líquido   densidad"));
    const std::pair<const char *, const char *> listas[] = {
        {"ComboConcInicial", "*M mM uM g/l mg/l ug/l"},
        {"ComboConcFinal", "*M mM uM % g/l mg/l ug/l"},
        {"ComboVolumen", "l *ml ul"},
    };
    for (const auto &[nombre, esperado] : listas) {
        auto *lista = control<QComboBox>(QString::fromLatin1(nombre));
        QStringList entradas;
        for (int n = 0; n < lista->count(); ++n)
            entradas << (n == lista->currentIndex() ? QStringLiteral("*") : QString()) + lista->itemText(n);
        EXPECT_EQ(entradas.join(u' '), QString::fromLatin1(esperado));
        EXPECT_TRUE(lista->isEditable());
        EXPECT_EQ(lista->font().family(), QStringLiteral("Times New Roman"));
    }
}

TEST_F(Disoluciones, PanelDeAyuda)
{
    auto *panel = control<QTextEdit>(QStringLiteral("RichTextBox1"));
    clic(QStringLiteral("Información"));
    EXPECT_TRUE(panel->isVisible());
    // Justified text, centred bold formulas, the density sentence smaller.
    QStringList bloques;
    for (QTextBlock b = panel->document()->begin(); b.isValid(); b = b.next()) {
        const QTextCharFormat letra = b.begin().fragment().charFormat();
        bloques << QString::number(b.blockFormat().alignment() & (Qt::AlignHCenter | Qt::AlignJustify), 16) +
                       (letra.fontWeight() == QFont::Bold ? " bold" : "") +
                       (letra.fontPointSize() > 0 && letra.fontPointSize() < 10 ? " small " : " ") + b.text().left(12);
    }
    EXPECT_EQ(bloques, QStringList({"8 La concentra", "8 El porcentaj", "4 bold Porcentaje e", "8 small En Orvella s",
                                    "8 La molaridad", "4 bold Molaridad  =", "8 También suel"}));
    const QString texto = panel->toPlainText();
    EXPECT_TRUE(texto.contains(QStringLiteral("\nPorcentaje en masa  =  masa de soluto x 100 / masa de disolución\n")));
    EXPECT_TRUE(texto.contains(QStringLiteral("\nMolaridad  =  moles de soluto / litros de disolución\n")));
    EXPECT_TRUE(texto.endsWith(QStringLiteral(": g/l, mg/l, \u03BCg/l, etc.")));
    clic(QStringLiteral("Información"));
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(Disoluciones, CalcularDisol)
{
    struct Caso {
        const char *modo;
        const char *datos;
        const char *resultado;
        QStringList mensajes;
        const char *foco = nullptr;
    };
    const char *S = "OptionSolido";
    const char *L = "OptionLiquido";
    const char *D = "OptionDisol";
    const Caso casos[] = {
        {S, "NaCl||1|M|500|ml||M", "29,221|g||", {}},
        {S, "|100|10|%|500|ml||M", "50|g||", {}},
        {S, "|2000|1|M|500|ml||M", "1000|g||", {}},
        {S, "|3000|1|M|500|ml||M", "1,5|kg||", {}},
        {S, "|1|0,9|g/l|1|l||M", "0,9|g||", {}},
        {S, "|1|500|mg/l|1|l||M", "500|mg||", {}},
        {S, "|1|500|ug/l|1000|ml||M", "500|ug||", {}},
        {L, "|100|1|M|500|ml|0,8|M", "50|g|62,5|ml", {}},
        // A density of 0 that is not the text "0": the mass, no volume.
        {L, "|100|1|M|500|ml|0,0|M", "50|g||", {}},
        {L, "|100|1|M|500|ml|,|M", "|||", {E("Introduzca la densidad de la disolución de partida.")}, "TextDensidad"},
        {D, "|100|0,1|M|500|ml|1|M", "50|ml||", {}},
        {D, "|100|2|M|500|ml|1|M", "|||", {kMayor}, "TextConcInicial"},
        {D, "|100|0,5|g/l|100|ml|1000|mg/l", "50|ml||", {}},
        {D, "|100|10|%|500|ml|1|M", "500|ml||", {}},
        // Reported, and the volume still shown.
        {D, "|100|10|%|500|ml|0,1|M", "5|l||", {kMayor}, "TextConcInicial"},
        // Dividing by a stock of 0, or by a molar mass of 0: no result.
        {D, "|100|1|M|500|ml|0,0|M", "|||", {}},
        {D, "|0|1|g/l|500|ml|1|M", "|||", {}},
        {D,
         "|100|1|M|500|ml|,|M",
         "|||",
         {E("Introduzca la concentración de la disolución de partida.")},
         "TextConcInicial"},
        {D, "|100|1|M|500|ml|1|m", "|||", {E("Selecione unidad para la disolución de partida.")}, "ComboConcInicial"},
        {S, "||1|M|500|ml||M", "|||", {E("Introduzca la fórmula molecular o la masa molecular.")}, "RTBFormula"},
        // Empty boxes are asked for before any box is read as a number.
        {S, "|x||M||ml||M", "|||", {E("Introduzca la concentración de la dsolución deseada.")}, "TextConcFinal"},
        {S, "|x|1|M||ml||M", "|||", {E("Introduzca el volumen.")}, "TextVolumen"},
        {S, "|x|,|M|500|ml||M", "|||", {E("Introduzca la masa molecular.")}, "TextPm"},
        {S,
         "|100|,|M|1,2,3|ml||M",
         "|||",
         {E("Introduzca la concentración de la disolución deseada.")},
         "TextConcFinal"},
        {S, "|100|1|M|1,2,3|ml||M", "|||", {E("Valor no válido.")}, "TextVolumen"},
        // A refused formula gives a molar mass of 0 and the run goes on.
        {S, "2H2O||1|M|500|ml||M", "0|ug||", {E("Introduzca la fórmula molecular correcta.")}, "RTBFormula"},
        {S, "H2 O||1|M|500|ml||M", "0|ug||", {"Orvella: Introduzca la fórmula molecular correcta."}, "RTBFormula"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.modo) + " " + c.datos);
        Datos(c.modo, c.datos);
        clic(QStringLiteral("cbCalcular"));
        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado));
        EXPECT_EQ(mensajes.vistos(), c.mensajes);
        if (c.foco != nullptr) {
            EXPECT_EQ(Foco(), QString::fromLatin1(c.foco));
        }
    }
    EXPECT_EQ(texto(QStringLiteral("TextPm")), QStringLiteral("0"));
}

TEST_F(Disoluciones, TeclasEnLasCajas)
{
    // Enter in each box takes the old result away, then computes in the mode
    // that box gives.
    const std::pair<const char *, const char *> casos[] = {
        {"TextPm", "50|g||"},           {"TextConcFinal", "50|g||"},     {"TextVolumen", "50|g||"},
        {"TextDensidad", "50|g|50|ml"}, {"TextConcInicial", "500|ml||"},
    };
    for (const auto &[nombre, resultado] : casos) {
        SCOPED_TRACE(nombre);
        Datos("OptionSolido", "|100|1|M|500|ml|1|M");
        clic(QStringLiteral("cbCalcular"));
        ASSERT_EQ(Resultado(), QStringLiteral("50|g||"));
        const QString antes = caja(QString::fromLatin1(nombre))->text();
        // Refused: nothing changes but what entering the box did.
        caja(QString::fromLatin1(nombre))->setFocus();
        const QString previo = Resultado();
        teclear(QString::fromLatin1(nombre), 'a');
        EXPECT_EQ(Resultado(), previo);
        teclear(QString::fromLatin1(nombre), '7'); // an edit takes the result away
        EXPECT_EQ(Resultado(), QStringLiteral("|||"));
        tecla(QString::fromLatin1(nombre), Qt::Key_Backspace);
        tecla(QString::fromLatin1(nombre), Qt::Key_Return);
        EXPECT_EQ(Resultado(), QString::fromLatin1(resultado));
        EXPECT_EQ(texto(QString::fromLatin1(nombre)), antes);
    }

    // A key in the formula empties the molar mass, and the reverse.
    Formula()->setPlainText(QStringLiteral("NaCl"));
    caja(QStringLiteral("TextPm"))->setText(QStringLiteral("1"));
    teclear(QStringLiteral("TextPm"), "\b2.5");
    EXPECT_EQ(Formula()->toPlainText(), QString());
    EXPECT_EQ(texto(QStringLiteral("TextPm")), QStringLiteral("2,5"));
    teclear(QStringLiteral("RTBFormula"), "H2(");
    EXPECT_EQ(texto(QStringLiteral("TextPm")), QString());
    QTextCursor cursor(Formula()->document());
    cursor.setPosition(2);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 8);
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 14);
    // Enter empties the formula, leaves no line and computes nothing.
    caja(QStringLiteral("TextPm"))->setText(QStringLiteral("7"));
    tecla(QStringLiteral("RTBFormula"), Qt::Key_Return);
    EXPECT_EQ(Formula()->document()->blockCount(), 1);
    EXPECT_EQ(textos({"RTBFormula", "TextPm"}), QStringLiteral("|"));
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));
    EXPECT_TRUE(mensajes.mensajes.empty());
}

TEST_F(Disoluciones, SuprimirTambienQuitaElResultado)
{
    for (const char *nombre : {"TextVolumen", "TextPm", "RTBFormula"}) {
        SCOPED_TRACE(nombre);
        Datos("OptionSolido", "NaCl|58,442|1|M|500|ml|1|M");
        clic(QStringLiteral("cbCalcular"));
        ASSERT_EQ(Resultado(), QStringLiteral("29,221|g||"));
        tecla(QString::fromLatin1(nombre), Qt::Key_Home);
        tecla(QString::fromLatin1(nombre), Qt::Key_Delete);
        EXPECT_EQ(Resultado(), QStringLiteral("|||"));
    }
}

TEST_F(Disoluciones, TeclasEnLasListas)
{
    Datos("OptionSolido", "|100|1|M|500|ml|1|M");
    clic(QStringLiteral("cbCalcular"));
    control(QStringLiteral("ComboConcFinal"))->setFocus();
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));

    // A key computes with the list as it was, then goes in.
    control<QComboBox>(QStringLiteral("ComboVolumen"))->lineEdit()->setCursorPosition(2);
    teclear(QStringLiteral("ComboVolumen"), 'x');
    EXPECT_EQ(Resultado(), QStringLiteral("50|g||"));
    EXPECT_EQ(texto(QStringLiteral("ComboVolumen")), QStringLiteral("mlx"));
    tecla(QStringLiteral("ComboVolumen"), Qt::Key_Return);
    EXPECT_EQ(Resultado(), QStringLiteral("0|ug||"));
    // Typing an entry selects it; nothing typed is added to the list.
    control<QComboBox>(QStringLiteral("ComboVolumen"))->lineEdit()->clear();
    teclear(QStringLiteral("ComboVolumen"), "l\r");
    EXPECT_EQ(Resultado(), QStringLiteral("50|kg||"));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("ComboVolumen"))->count(), 3);
}

TEST_F(Disoluciones, ElModoSigueAlFoco)
{
    const std::pair<const char *, const char *> casos[] = {
        {"TextDensidad", "OptionLiquido"},
        {"TextConcInicial", "OptionDisol"},
        {"ComboConcInicial", "OptionDisol"},
        {"TextVolumen", "OptionSolido"},
    };
    for (const auto &[nombre, modo] : casos) {
        SCOPED_TRACE(nombre);
        Datos("OptionSolido", "|100|1|M|500|ml|1|M");
        clic(QStringLiteral("cbCalcular"));
        control(QString::fromLatin1(nombre))->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(Modo(modo));
        // A result of the mode that was left goes with it.
        EXPECT_EQ(Resultado(), Modo("OptionSolido") ? QStringLiteral("50|g||") : QStringLiteral("|||"));
    }
    // Any click on a mode takes the result away, even on the mode in force.
    clic(QStringLiteral("cbCalcular"));
    clic(QStringLiteral("OptionSolido"));
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));
}

TEST_F(Disoluciones, AlSalirDeUnaCaja)
{
    const std::array<const char *, 3> casos[] = {
        {"TextConcInicial", "", "1"},   {"TextConcInicial", "0", "1"}, {"TextConcInicial", "0,0", "0,0"},
        {"TextDensidad", "0,0", "0,0"}, {"TextDensidad", "0", "0"},
    };
    for (const auto &[nombre, antes, despues] : casos) {
        caja(QString::fromLatin1(nombre))->setText(QString::fromUtf8(antes));
        tecla(QString::fromLatin1(nombre), Qt::Key_Tab);
        Procesar();
        EXPECT_EQ(texto(QString::fromLatin1(nombre)), QString::fromUtf8(despues)) << nombre << " " << antes;
    }
    // Only the density at "0" keeps the focus.
    EXPECT_EQ(mensajes.vistos(), QStringList({"Error (x): Error."}));
    EXPECT_EQ(Foco(), QStringLiteral("TextDensidad"));
}
