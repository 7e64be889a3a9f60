// The floor the start-up figures are measured against: a bare Qt program
// that shows 118 coloured labels, as plain as a periodic table can be.
// bench/startup.sh runs it beside orvella.

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.resize(1139, 609);
    for (int i = 0; i < 118; ++i) {
        auto *etiqueta = new QLabel(QString::number(i + 1), &ventana);
        etiqueta->setGeometry(58 + 57 * (i % 18), 90 + 48 * (i / 18), 57, 47);
        etiqueta->setAlignment(Qt::AlignCenter);
        etiqueta->setAutoFillBackground(true);
        QPalette paleta = etiqueta->palette();
        paleta.setColor(QPalette::Window, QColor::fromHsv((i * 37) % 360, 90, 255));
        etiqueta->setPalette(paleta);
    }
    ventana.show();
    return app.exec();
}
