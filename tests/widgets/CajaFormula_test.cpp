#include "widgets/CajaFormula.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>
#include <QTextCursor>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using Clase = CajaFormula::ClaseTecla;

TEST(CajaFormula, ClaseDeCadaTecla)
{
    struct Caso {
        const char *texto;
        Clase clase;
    };
    const Caso casos[] = {
        {"0", Clase::Digito}, {"9", Clase::Digito}, {"A", Clase::Letra}, {"z", Clase::Letra}, {"Ñ", Clase::Letra},
        {"ñ", Clase::Letra},  {"é", Clase::Otra},   {"Ç", Clase::Otra},  {"(", Clase::Otra},  {" ", Clase::Otra},
        {"\b", Clase::Otra},  {"", Clase::Otra},    {"12", Clase::Otra}, {"٣", Clase::Otra}, // Arabic-Indic three
        {"@", Clase::Otra},   {"[", Clase::Otra},   {"`", Clase::Otra},  {"{", Clase::Otra},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(CajaFormula::Clasificar(QString::fromUtf8(c.texto)), c.clase) << c.texto;
}

TEST(CajaFormula, TamanoDeLoQueSeTecleaDespues)
{
    CajaFormula caja;
    caja.show();
    caja.setFocus();
    EXPECT_EQ(caja.font().family(), QStringLiteral("Times New Roman"));

    caja.TamanoSiguiente(CajaFormula::kTamanoSimbolo);
    QTest::keyClicks(&caja, QStringLiteral("Fe"));
    caja.TamanoSiguiente(CajaFormula::kTamanoIndice);
    QTest::keyClicks(&caja, QStringLiteral("2"));
    QTest::keyClicks(&caja, QStringLiteral("("));
    EXPECT_EQ(caja.Texto(), QStringLiteral("Fe2("));

    const qreal esperado[] = {14, 14, 8, 8};
    QTextCursor cursor(caja.document());
    for (int i = 0; i < 4; ++i) {
        cursor.setPosition(i + 1);
        EXPECT_EQ(cursor.charFormat().fontPointSize(), esperado[i]) << i;
    }

    // Emptied, it starts again at the base size.
    caja.Vaciar();
    EXPECT_EQ(caja.Texto(), QString());
    QTest::keyClicks(&caja, QStringLiteral("x"));
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), CajaFormula::kTamanoBase);
}

TEST(CajaFormula, UnaLineaQueCabeYTabuladorQueSale)
{
    QWidget ventana;
    auto *caja = new CajaFormula(&ventana);
    auto *otro = new QLineEdit(&ventana);
    auto *disposicion = new QVBoxLayout(&ventana);
    disposicion->addWidget(caja);
    disposicion->addWidget(otro);
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));

    // A line of large symbols fits without scrolling.
    QFont grande(QStringLiteral("Times New Roman"));
    grande.setPointSizeF(CajaFormula::kTamanoSimbolo);
    EXPECT_GE(caja->viewport()->height(),
              QFontMetrics(grande).lineSpacing() + 2 * static_cast<int>(caja->document()->documentMargin()));

    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_Tab);
    EXPECT_TRUE(otro->hasFocus());
    EXPECT_EQ(caja->Texto(), QString());
}
