#include "elements/FormPropiedades.h"

#include "core/numeros.h"
#include "elements/FormFicha.h"
#include "elements/propiedades.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/Lanzador.h"
#include "widgets/TextosNumericos.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QSlider>

namespace {

constexpr int kCelda = 50; // wide
constexpr int kAltoCelda = 38;
constexpr int kIzquierda = 10;
constexpr int kArriba = 84;
constexpr int kHuecoF = 12; // between the main body and the f-block rows
constexpr int kAncho = kIzquierda * 2 + 18 * kCelda;
constexpr int kAbajoTabla = kArriba + 9 * kAltoCelda + kHuecoF;
constexpr int kAlto = kAbajoTabla + 56;
constexpr int kAmbienteK = 298; // where the temperature slider starts: 25 °C

QColor Color(Calculos::ColorRgb c)
{
    return {c.r, c.g, c.b};
}

Calculos::Propiedad PropiedadEn(int indice)
{
    const auto i = static_cast<std::size_t>(std::clamp(indice, 0, static_cast<int>(Calculos::kPropiedades.size()) - 1));
    return Calculos::kPropiedades[i];
}

QRect ZonaCelda(const Calculos::Elemento &e)
{
    if (e.columnaF == 0)
        return {kIzquierda + (e.grupo - 1) * kCelda, kArriba + (e.periodo - 1) * kAltoCelda, kCelda, kAltoCelda};
    // The f-block rows hang below, from the third column.
    return {kIzquierda + (e.columnaF + 1) * kCelda, kArriba + (e.periodo + 1) * kAltoCelda + kHuecoF, kCelda,
            kAltoCelda};
}

} // namespace

FormPropiedades::FormPropiedades(QWidget *parent) : QWidget(parent, Qt::Window)
{
    PrepararVentana(this, Titulo(QStringLiteral("Propiedades periódicas"), 10), Fuente(QStringLiteral("Arial"), 10),
                    {kAncho, kAlto});
    crearControles();
    crearCeldas();
    conectar();
    Pintar();
}

void FormPropiedades::crearControles()
{
    auto *rotulo =
        CrearEtiqueta(this, QStringLiteral("RotuloPropiedad"), QStringLiteral("Propiedad:"), {kIzquierda, 14, 70, 24});
    ui.ComboPropiedad = Crear<QComboBox>(this, QStringLiteral("ComboPropiedad"), {kIzquierda + 74, 14, 200, 24});
    for (Calculos::Propiedad p : Calculos::kPropiedades)
        ui.ComboPropiedad->addItem(QString::fromUtf8(Calculos::NombrePropiedad(p)));
    NombrarPorRotulo(ui.ComboPropiedad, rotulo, QStringLiteral("Propiedad"));

    ui.SliderTemperatura = Crear<QSlider>(this, QStringLiteral("SliderTemperatura"), {kIzquierda + 300, 16, 360, 22});
    ui.SliderTemperatura->setOrientation(Qt::Horizontal);
    ui.SliderTemperatura->setRange(0, static_cast<int>(Calculos::kTemperaturaMaxima));
    ui.SliderTemperatura->setPageStep(100);
    ui.SliderTemperatura->setValue(kAmbienteK);
    ui.LabelTemperatura = CrearEtiqueta(this, QStringLiteral("LabelTemperatura"), {}, {kIzquierda + 670, 14, 230, 24});
    Nombrar(ui.SliderTemperatura, QStringLiteral("Temperatura en kelvin"));
    NombrarResultado(ui.LabelTemperatura, QStringLiteral("Temperatura"));

    const Calculos::Escala anos = Calculos::AnosDeDescubrimiento();
    ui.SliderAno = Crear<QSlider>(this, QStringLiteral("SliderAno"), {kIzquierda + 300, 16, 360, 22});
    ui.SliderAno->setOrientation(Qt::Horizontal);
    // One step before the first dated discovery shows what antiquity knew.
    ui.SliderAno->setRange(static_cast<int>(anos.minimo) - 1, static_cast<int>(anos.maximo));
    ui.SliderAno->setPageStep(10);
    ui.SliderAno->setValue(ui.SliderAno->maximum());
    ui.LabelAno = CrearEtiqueta(this, QStringLiteral("LabelAno"), {}, {kIzquierda + 670, 14, 230, 24});
    Nombrar(ui.SliderAno, QStringLiteral("Año"));
    NombrarResultado(ui.LabelAno, QStringLiteral("Año"));

    ui.LabelMinimo = CrearEtiqueta(this, QStringLiteral("LabelMinimo"), {}, {kIzquierda, 48, 110, 24});
    ui.LabelMinimo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.Leyenda = CrearEtiqueta(this, QStringLiteral("Leyenda"), {}, {kIzquierda + 116, 50, 300, 20});
    ui.LabelMaximo = CrearEtiqueta(this, QStringLiteral("LabelMaximo"), {}, {kIzquierda + 422, 48, 110, 24});
    ui.LabelSinDato = CrearEtiqueta(this, QStringLiteral("LabelSinDato"), QString::fromUtf8(Calculos::kSinDatoTexto),
                                    {kIzquierda + 560, 50, 80, 20});
    ui.LabelSinDato->setAlignment(Qt::AlignCenter);
    Colorear(ui.LabelSinDato, Color(Calculos::kGrisSinDato), Qt::black);
    NombrarResultado(ui.LabelMinimo, QStringLiteral("Mínimo"));
    NombrarResultado(ui.LabelMaximo, QStringLiteral("Máximo"));
    Nombrar(ui.LabelSinDato, QStringLiteral("Gris: sin dato"));
}

void FormPropiedades::crearCeldas()
{
    const QFont letra = Fuente(QStringLiteral("Arial"), 7);
    for (const Calculos::Elemento &e : Calculos::TablaElementos) {
        QLabel *celda = CrearEtiqueta(this, QStringLiteral("Celda") + QString::fromUtf8(e.simbolo), {}, ZonaCelda(e));
        celda->setFont(letra);
        celda->setAlignment(Qt::AlignCenter);
        celda->setFrameShape(QFrame::Box);
        celda->setFrameShadow(QFrame::Plain);
        ui.Celdas[static_cast<std::size_t>(e.z - 1)] = celda;
    }
    HacerPulsables(ui.Celdas);
    m_orden = {ui.ComboPropiedad, ui.SliderTemperatura, ui.SliderAno};
    const std::vector<QWidget *> celdas = EnOrdenDeLectura<QLabel>(ui.Celdas);
    m_orden.insert(m_orden.end(), celdas.begin(), celdas.end());
}

void FormPropiedades::conectar()
{
    connect(ui.ComboPropiedad, &QComboBox::currentIndexChanged, this, &FormPropiedades::ComboPropiedad_Click);
    connect(ui.SliderTemperatura, &QSlider::valueChanged, this, &FormPropiedades::SliderTemperatura_Change);
    connect(ui.SliderAno, &QSlider::valueChanged, this, &FormPropiedades::SliderAno_Change);
    for (QLabel *celda : ui.Celdas)
        celda->installEventFilter(this);
}

bool FormPropiedades::eventFilter(QObject *objeto, QEvent *evento)
{
    const auto it = std::find(ui.Celdas.begin(), ui.Celdas.end(), objeto);
    if (it == ui.Celdas.end())
        return QWidget::eventFilter(objeto, evento);
    if (evento->type() == QEvent::MouseButtonRelease) {
        Celda_Click(static_cast<int>(it - ui.Celdas.begin()) + 1);
        return true;
    }
    return evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonDblClick;
}

bool FormPropiedades::focusNextPrevChild(bool next)
{
    return MoverFoco(m_orden, next);
}

void FormPropiedades::ComboPropiedad_Click()
{
    Pintar();
}

void FormPropiedades::SliderTemperatura_Change(int)
{
    Pintar();
}

void FormPropiedades::SliderAno_Change(int)
{
    Pintar();
}

void FormPropiedades::Celda_Click(int z)
{
    QWidget *ventana = Lanzador::Abrir(QStringLiteral("FormFicha"), [] { return new FormFicha; });
    if (auto *ficha = qobject_cast<FormFicha *>(ventana))
        ficha->Mostrar(z);
}

void FormPropiedades::Pintar()
{
    const Calculos::Propiedad p = PropiedadEn(ui.ComboPropiedad->currentIndex());
    const bool estado = p == Calculos::Propiedad::Estado;
    const bool ano = p == Calculos::Propiedad::Descubrimiento;
    ui.SliderTemperatura->setVisible(estado);
    ui.LabelTemperatura->setVisible(estado);
    ui.SliderAno->setVisible(ano);
    ui.LabelAno->setVisible(ano);

    const int kelvin = ui.SliderTemperatura->value();
    ui.LabelTemperatura->setText(TextoDeNumero(kelvin) + QStringLiteral(" K (") +
                                 TextoDeNumero(Calculos::Redondear(kelvin - Calculos::kCeroCelsius, 0)) +
                                 QStringLiteral(" °C)"));
    ui.LabelAno->setText(TextoDeNumero(ui.SliderAno->value()));

    for (const Calculos::Elemento &e : Calculos::TablaElementos) {
        const Calculos::Celda c = Calculos::CeldaDe(p, e.z, kelvin, ui.SliderAno->value());
        QLabel *celda = ui.Celdas[static_cast<std::size_t>(e.z - 1)];
        celda->setText(c.enBlanco ? QString()
                                  : QString::fromUtf8(e.simbolo) + QStringLiteral("\n") + QString::fromUtf8(c.valor));
        Colorear(celda, Color(c.fondo), Color(Calculos::ColorTexto(c.fondo)));
        Nombrar(celda, QString::fromUtf8(c.lectura));
    }
    PintarLeyenda();
}

void FormPropiedades::PintarLeyenda()
{
    const Calculos::Propiedad p = PropiedadEn(ui.ComboPropiedad->currentIndex());
    const QSize tamano = ui.Leyenda->size();
    QPixmap dibujo = Lienzo(tamano, devicePixelRatioF());
    QPainter pintor(&dibujo);
    if (p == Calculos::Propiedad::Estado) {
        // Three blocks, each named in its own colour.
        const Calculos::Estado estados[] = {Calculos::Estado::Solido, Calculos::Estado::Liquido, Calculos::Estado::Gas};
        const int ancho = tamano.width() / 3;
        for (int i = 0; i < 3; ++i) {
            const QRect zona(i * ancho, 0, ancho, tamano.height());
            const Calculos::ColorRgb fondo = Calculos::ColorEstado(estados[i]);
            pintor.fillRect(zona, Color(fondo));
            pintor.setPen(Color(Calculos::ColorTexto(fondo)));
            pintor.drawText(zona, Qt::AlignCenter, QString::fromUtf8(Calculos::NombreEstado(estados[i])));
        }
        ui.LabelMinimo->clear();
        ui.LabelMaximo->clear();
        Nombrar(ui.Leyenda, QStringLiteral("Escala: sólido, líquido y gas"));
    } else {
        for (int x = 0; x < tamano.width(); ++x)
            pintor.fillRect(QRect(x, 0, 1, tamano.height()),
                            Color(Calculos::ColorEscala(x / static_cast<double>(tamano.width() - 1))));
        const Calculos::Escala e = Calculos::EscalaDe(p);
        QString minimo = QString::fromUtf8(Calculos::TextoExtremo(p, e.minimo));
        if (p == Calculos::Propiedad::Descubrimiento)
            minimo = QStringLiteral("Antigüedad");
        ui.LabelMinimo->setText(minimo);
        ui.LabelMaximo->setText(QString::fromUtf8(Calculos::TextoExtremo(p, e.maximo)));
        Nombrar(ui.Leyenda, QStringLiteral("Escala: de ") + minimo + QStringLiteral(" a ") + ui.LabelMaximo->text());
    }
    pintor.end();
    ui.Leyenda->setPixmap(dibujo);
}
