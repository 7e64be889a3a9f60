#include "calculators/FormEcCuadratica.h"

#include "calculators/ecuacion_cuadratica.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/FiltroTeclas.h"
#include "widgets/Mensajes.h"
#include "widgets/Teclas.h"
#include "widgets/TextosNumericos.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kAncho = 440;
constexpr int kAlto = 244;

const char *const kAyuda = R"(
<p>En los problemas de equilibrio químico aparece a menudo una ecuación cuadrática de la forma
ax<sup>2</sup> + bx + c = 0, que se resuelve mediante la expresión:</p>
<p align="center">x = (−b ± (b<sup>2</sup> − 4ac)<sup>1/2</sup>) / 2a</p>
<p>Una ecuación así tiene siempre dos soluciones para x, reales o imaginarias.</p>
)";

struct Fila {
    const char *rotulo;
    const char *texto;
    const char *caja;
    int y;
};

constexpr Fila kCoeficientes[] = {
    {"Label4", "a =", "Texta", 84},
    {"Label6", "b =", "Textb", 128},
    {"Label5", "c =", "Textc", 172},
};

struct Vacio {
    QLineEdit *caja;
    const char *mensaje;
};

} // namespace

FormEcCuadratica::FormEcCuadratica(QWidget *parent) : VentanaCalculadora(parent)
{
    PrepararVentana(this, Titulo(QStringLiteral("Ecuación cuadrática"), 22), Fuente(QStringLiteral("Arial"), 10),
                    {kAncho, kAlto});

    crearControles();
    conectar();
    RetirarResultado();
}

void FormEcCuadratica::crearControles()
{
    crearEcuacion();
    std::array<QLineEdit *, 3> cajas{};
    for (std::size_t i = 0; i < cajas.size(); ++i) {
        const Fila &f = kCoeficientes[i];
        QLabel *rotulo =
            CrearEtiqueta(this, QString::fromLatin1(f.rotulo), QString::fromLatin1(f.texto), {30, f.y + 3, 30, 20});
        cajas[i] = Crear<QLineEdit>(this, QString::fromLatin1(f.caja), {64, f.y, 120, 26});
        NombrarPorRotulo(cajas[i], rotulo, QStringLiteral("Coeficiente ") + TextoDeRotulo(rotulo->text()));
    }
    ui.Texta = cajas[0];
    ui.Textb = cajas[1];
    ui.Textc = cajas[2];

    const QFont letra = Fuente(QStringLiteral("Arial"), 12);
    const auto resultado = [this, &letra](const char *nombre, const char *texto, const QRect &zona) {
        QLabel *etiqueta = CrearEtiqueta(this, QString::fromLatin1(nombre), QString::fromLatin1(texto), zona);
        etiqueta->setFont(letra);
        return etiqueta;
    };
    ui.Label1 = resultado("Label1", "x  =", {230, 84, 40, 26});
    ui.Resultado1 = resultado("Resultado1", "", {274, 84, 150, 26});
    ui.Label8 = resultado("Label8", "y", {250, 128, 20, 26});
    ui.Label7 = resultado("Label7", "x  =", {230, 172, 40, 26});
    ui.Resultado2 = resultado("Resultado2", "", {274, 172, 150, 26});
    NombrarResultado(ui.Resultado1, QStringLiteral("Primera solución"));
    NombrarResultado(ui.Resultado2, QStringLiteral("Segunda solución"));

    CrearBotones("Calcular", "Borrar", {kAncho - 52, 12});
    CrearAyuda(kAyuda, {16, 66, kAncho - 32, kAlto - 78}, Fuente(QStringLiteral("Times New Roman"), 12));
}

// The equation, with its exponent in a smaller letter over the blanks left
// for it after "ax".
void FormEcCuadratica::crearEcuacion()
{
    const QFont letra = Fuente(QStringLiteral("Times New Roman"), 18);
    const QFont exponente = Fuente(QStringLiteral("Times New Roman"), 11);
    const QFontMetrics medida(letra);
    const QFontMetrics medidaExponente(exponente);
    const QPoint origen(24, 20);

    ui.Label2 = CrearEtiqueta(
        this, QStringLiteral("Label2"), QStringLiteral("ax   + bx + c = 0"),
        {origen, QSize(medida.horizontalAdvance(QStringLiteral("ax   + bx + c = 0")) + 4, medida.height())});
    ui.Label2->setFont(letra);
    ui.Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // As it is said, with its exponent.
    Nombrar(ui.Label2, QStringLiteral("a x al cuadrado más b x más c igual a 0"));

    // Its baseline half an x-height above the equation's.
    const int base = origen.y() + medida.ascent() - medida.xHeight() * 6 / 10;
    // The exponent's own leading blank is drawn over the end of the "x".
    const int x = origen.x() + medida.horizontalAdvance(QStringLiteral("ax")) -
                  medidaExponente.horizontalAdvance(QLatin1Char(' ')) + 1;
    const QPoint sitio(x, base - medidaExponente.ascent());
    ui.Label3 = CrearEtiqueta(
        this, QStringLiteral("Label3"), QStringLiteral(" 2"),
        {sitio, QSize(medidaExponente.horizontalAdvance(QStringLiteral(" 2")) + 2, medidaExponente.height())});
    ui.Label3->setFont(exponente);
    ui.Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FormEcCuadratica::conectar()
{
    for (QLineEdit *caja : {ui.Texta, ui.Textb, ui.Textc}) {
        InstalarFiltro(caja, Calculos::TipoFiltro::DecimalConSigno);
        connect(caja, &QLineEdit::textEdited, this, &FormEcCuadratica::RetirarResultado);
        caja->installEventFilter(this);
    }
}

bool FormEcCuadratica::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyPress) {
        for (QLineEdit *caja : {ui.Texta, ui.Textb, ui.Textc})
            if (objeto == caja)
                return Coeficiente_KeyPress(static_cast<QKeyEvent *>(evento));
    }
    return QWidget::eventFilter(objeto, evento);
}

void FormEcCuadratica::CalcularEc()
{
    OcultarAyuda();
    const Vacio vacios[] = {
        {ui.Texta, "Introduzca el valor del primer coeficiente."},
        {ui.Textb, "Introduzca el valor del segundo coeficiente."},
        {ui.Textc, "Introduzca el valor del tercer coeficiente."},
    };
    for (const Vacio &v : vacios) {
        if (v.caja->text().isEmpty()) {
            MostrarAviso(this, QString::fromUtf8(v.mensaje));
            v.caja->setFocus();
            return;
        }
    }
    const auto a = LeerNumero(ui.Texta);
    const auto b = LeerNumero(ui.Textb);
    const auto c = LeerNumero(ui.Textc);
    if (!a || !b || !c) {
        MostrarAviso(this, QStringLiteral("Asegurese de introducir valores numéricos."));
        return;
    }
    const Calculos::SolucionCuadratica s = Calculos::ResolverCuadratica(*a, *b, *c);
    switch (s.caso) {
    case Calculos::CasoCuadratica::SinSolucionReal:
        MostrarAviso(this, QStringLiteral("Esta ecuación no posee soluciones reales."));
        break;
    case Calculos::CasoCuadratica::DatosNoValidos:
    case Calculos::CasoCuadratica::FueraDeRango: // a root beyond any number is no answer either
        MostrarAviso(this, QStringLiteral("Datos no válidos"));
        break;
    case Calculos::CasoCuadratica::UnaRaiz:
        MostrarRaices(s.raiz1, std::nullopt);
        break;
    case Calculos::CasoCuadratica::DosRaices:
        MostrarRaices(s.raiz1, s.raiz2);
        break;
    }
}

void FormEcCuadratica::MostrarRaices(double x1, std::optional<double> x2)
{
    ui.Resultado1->setText(TextoDeNumero(x1));
    ui.Label1->show();
    ui.Resultado1->show();
    ui.Resultado2->setText(x2 ? TextoDeNumero(*x2) : QString());
    for (QWidget *segunda :
         {static_cast<QWidget *>(ui.Label8), static_cast<QWidget *>(ui.Label7), static_cast<QWidget *>(ui.Resultado2)})
        segunda->setVisible(x2.has_value());
}

void FormEcCuadratica::RetirarResultado()
{
    ui.Label1->hide();
    ui.Label8->hide();
    ui.Label7->hide();
    ui.Resultado1->clear();
    ui.Resultado2->clear();
}

// Every edit of a coefficient withdraws the result; Enter calculates.
bool FormEcCuadratica::Coeficiente_KeyPress(QKeyEvent *evento)
{
    if (!EsEnter(evento))
        return false;
    RetirarResultado();
    CalcularEc();
    return true;
}

void FormEcCuadratica::Calcular_Click()
{
    CalcularEc();
}

void FormEcCuadratica::Borrar_Click()
{
    OcultarAyuda();
    RetirarResultado();
    for (QLineEdit *caja : {ui.Texta, ui.Textb, ui.Textc})
        caja->clear();
    ui.Texta->setFocus();
}
