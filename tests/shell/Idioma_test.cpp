// Run on a machine set up in no language at all (LANG=C): what Qt itself
// writes must still read in Spanish, as the program starts (tests/support/
// main_qt.cpp calls InstalarIdioma as shell/main.cpp does).

#include "tests/support/Ventana.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QLocale>
#include <QMenu>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// "&Copiar\tControl+C" -> "Copiar".
QString SinAtajo(QString texto)
{
    return texto.section(u'\t', 0, 0).remove(u'&');
}

} // namespace

TEST(Idioma, LaCajaDeMensajeDiceAceptar)
{
    // Otherwise none of these checks would prove anything.
    ASSERT_EQ(QLocale::system().language(), QLocale::C);
    QString boton;
    CerradorDeCajas cerrador;
    cerrador.alMostrar = [&boton](QMessageBox *caja) { boton = SinAtajo(caja->button(QMessageBox::Ok)->text()); };
    MostrarAviso(nullptr, QStringLiteral("Datos no válidos"));
    EXPECT_EQ(boton, QStringLiteral("Aceptar"));
}

TEST(Idioma, ElMenuDeUnaCajaDeTexto)
{
    DeLaLista molar(QStringLiteral("FormCalculadoraMolar"));
    QLineEdit *caja = molar.caja(QStringLiteral("BoxMoles"));
    ASSERT_NE(caja, nullptr);
    caja->setText(QStringLiteral("2"));
    caja->selectAll();
    // A right click: the box opens its menu without waiting for it.
    QContextMenuEvent clic(QContextMenuEvent::Mouse, caja->rect().center(), caja->mapToGlobal(caja->rect().center()));
    QApplication::sendEvent(caja, &clic);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList entradas;
    for (const QAction *accion : menu->actions())
        if (!accion->isSeparator())
            entradas << SinAtajo(accion->text());
    menu->close();
    for (const char *espanol : {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Seleccionar todo"})
        EXPECT_TRUE(entradas.contains(QString::fromUtf8(espanol)))
            << espanol << " in " << entradas.join(u'|').toStdString();
}

TEST(Idioma, ElCalendarioDeLasFechasYSusCifras)
{
    DeLaLista decay(QStringLiteral("FormDecay"));
    auto *fecha = decay.control<QDateEdit>(QStringLiteral("DTPicker1"));
    ASSERT_NE(fecha, nullptr);
    fecha->setDate(QDate(2026, 12, 9));
    // The date itself keeps its figures.
    EXPECT_EQ(fecha->text(), QStringLiteral("09/12/2026"));

    QCalendarWidget *calendario = fecha->calendarWidget();
    ASSERT_NE(calendario, nullptr);
    auto *mes = calendario->findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton"));
    ASSERT_NE(mes, nullptr);
    EXPECT_EQ(mes->text(), QStringLiteral("diciembre"));

    // The row of day names above the days, the week from Monday.
    auto *dias = calendario->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(dias, nullptr);
    QStringList nombres;
    for (int columna = 0; columna < dias->model()->columnCount(); ++columna) {
        const QString nombre = dias->model()->index(0, columna).data().toString();
        if (!nombre.isEmpty())
            nombres << nombre;
    }
    EXPECT_EQ(nombres.join(u' '), QStringLiteral("lun mar mié jue vie sáb dom"));
}
