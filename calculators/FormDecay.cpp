#include "calculators/FormDecay.h"

#include "platform/Fecha.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/FiltroTeclas.h"
#include "widgets/Flechas.h"
#include "widgets/GuardiaFoco.h"
#include "widgets/Mensajes.h"
#include "widgets/TextosNumericos.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <functional>
#include <tuple>
#include <utility>

using Calculos::Sentido;

namespace {

constexpr int kAncho = 640;
constexpr int kAlto = 300;

const char *const kMaximo = "Valor máximo 999999.";

const char *const kAyuda = R"(
<p>El decaimiento radiactivo responde a la siguiente expresión:</p>
<p align="center" style="font-size:15pt">A = A<sub>0</sub> e<sup>−λt</sup> = A<sub>0</sub> e<sup>−0,693 t / T</sup><span style="font-size:9pt; vertical-align:sub">1/2</span></p>
<p style="white-space:pre-wrap">donde  A = actividad en el instante t<br>A<sub>0</sub> = actividad inicial<br>λ = constante radiactiva<br>T<sub>1/2</sub>  =  período de semidesintegración</p>
<p style="white-space:pre-wrap">El período de semidesintegración representa el tiempo en que la actividad decae a la mitad de su valor inicial, es decir, para T<sub>1/2</sub>  se cumple que A = A<sub>0</sub> / 2.</p>
)";

struct Rotulo {
    const char *nombre;
    const char *texto;
    int x, y, ancho;
};

// The captions that never change.
constexpr Rotulo kRotulos[] = {
    {"Label1", "Fecha", 16, 22, 40},      {"Label6", "h", 250, 22, 14},  {"Label7", "min", 350, 22, 30},
    {"Label2", "Fecha", 16, 62, 40},      {"Label3", "h", 250, 62, 14},  {"Label8", "min", 350, 62, 30},
    {"Label4", "Actividad", 16, 132, 64}, {"Label9", "T", 154, 172, 10}, {"Label11", "=", 186, 172, 12},
};

// What a screen reader calls each control, and its caption.
constexpr LecturaControl kLecturas[] = {
    {"DTPicker1", "Fecha inicial", "Label1"},
    {"TextHora1", "Hora inicial"},
    {"TextMin1", "Minutos iniciales"},
    {"DTPicker2", "Fecha final", "Label2"},
    {"TextHora2", "Hora final"},
    {"TextMin2", "Minutos finales"},
    {"TextAct1", "Actividad inicial", "Label4"},
    {"ComboUnidades", "Unidad de la actividad"},
    {"ComboRadionucl", "Radionúclido", nullptr, "Elegir uno da su período de semidesintegración"},
    {"TextPeriodo", "Período de semidesintegración", "Label9"},
    {"ComboTiempo", "Unidad del período de semidesintegración"},
    {"Horas", "Intervalo en horas"},
    {"Image1", "Señal de radiactividad"},
};

// UpDown1..UpDown9, in that order: where each stands, what it steps and the
// keys that step it from the box: the arrow keys by one, the page keys by
// ten, with Ctrl by a hundred.
struct Flecha {
    int x, y;
    const char *consejo;
    const char *que;
    const char *caja;
    Qt::Key subir, bajar;
    bool control;
};

constexpr Flecha kSitiosFlechas[] = {
    {230, 18, "1 h", "la hora inicial", "TextHora1", Qt::Key_Up, Qt::Key_Down, false},
    {314, 18, "1 min", "los minutos iniciales", "TextMin1", Qt::Key_Up, Qt::Key_Down, false},
    {218, 128, "1", "la actividad inicial", "TextAct1", Qt::Key_Up, Qt::Key_Down, false},
    {314, 58, "1 min", "los minutos finales", "TextMin2", Qt::Key_Up, Qt::Key_Down, false},
    {230, 58, "1 h", "la hora final", "TextHora2", Qt::Key_Up, Qt::Key_Down, false},
    {330, 18, "10 min", "los minutos iniciales de diez en diez", "TextMin1", Qt::Key_PageUp, Qt::Key_PageDown, false},
    {254, 128, "100", "la actividad inicial de cien en cien", "TextAct1", Qt::Key_PageUp, Qt::Key_PageDown, true},
    {236, 128, "10", "la actividad inicial de diez en diez", "TextAct1", Qt::Key_PageUp, Qt::Key_PageDown, false},
    {330, 58, "10 min", "los minutos finales de diez en diez", "TextMin2", Qt::Key_PageUp, Qt::Key_PageDown, false},
};

std::string Texto(const QString &texto)
{
    return texto.toStdString();
}

// The radiation sign, at the screen's density.
QPixmap Trebol(int lado, qreal escala)
{
    QPixmap imagen = Lienzo({lado, lado}, escala);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centro(lado / 2.0, lado / 2.0);
    const auto circulo = [&](double radio) {
        return QRectF(centro - QPointF(radio, radio), QSizeF(2 * radio, 2 * radio));
    };
    const double radio = lado / 2.0 - 2;
    const double nucleo = radio * 0.17;
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(250, 205, 20));
    p.drawEllipse(circulo(radio));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    for (int k = 0; k < 3; ++k)
        p.drawPie(circulo(radio * 0.86), (60 + 120 * k) * 16, 60 * 16);
    p.setBrush(QColor(250, 205, 20));
    p.drawEllipse(circulo(nucleo * 1.5));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(circulo(nucleo));
    return imagen;
}

QComboBox *CrearLista(QWidget *padre, const QString &nombre, const QRect &zona)
{
    auto *lista = Crear<QComboBox>(padre, nombre, zona);
    lista->setEditable(true);
    // What is typed in the box is only read: it never becomes an entry.
    lista->setInsertPolicy(QComboBox::NoInsert);
    return lista;
}

template <std::size_t N> void Llenar(QComboBox *lista, const std::array<std::string_view, N> &textos)
{
    for (std::string_view t : textos)
        lista->addItem(QString::fromUtf8(t));
}

} // namespace

FormDecay::FormDecay(QWidget *parent) : VentanaCalculadora(parent)
{
    PrepararVentana(this, Titulo(QStringLiteral("Decaimiento radiactivo"), 43), Fuente(QStringLiteral("Arial"), 10),
                    {kAncho, kAlto});

    crearControles();
    conectar();
}

void FormDecay::crearControles()
{
    for (const Rotulo &r : kRotulos)
        CrearEtiqueta(this, QString::fromUtf8(r.nombre), QString::fromUtf8(r.texto), {r.x, r.y, r.ancho, 20});
    // T with 1/2 below: the half-life.
    auto *mitad = CrearEtiqueta(this, QStringLiteral("Label10"), QStringLiteral("1/2"), {164, 180, 22, 16});
    mitad->setFont(Fuente(QStringLiteral("Arial"), 7));

    crearInstantes();
    crearIntervalo();
    crearActividad();
    crearResultado();

    ui.Image1 = Crear<QLabel>(this, QStringLiteral("Image1"), {470, 138, 88, 88});
    ui.Image1->setPixmap(Trebol(88, devicePixelRatioF()));
    CrearBotones(nullptr, nullptr, {kAncho - 60, kAlto - 60});
    // Over everything above the information button.
    CrearAyuda(kAyuda, {16, 8, kAncho - 32, kAlto - 76}, Fuente(QStringLiteral("Times New Roman"), 12));
    NombrarControles(this, kLecturas);
}

// The two instants: date, hour and minute, with their spinners.
void FormDecay::crearInstantes()
{
    const auto instante = [this](const char *fecha, const char *hora, const char *minutos, int y) {
        auto *selector = Crear<QDateEdit>(this, QString::fromLatin1(fecha), {60, y, 120, 26});
        selector->setCalendarPopup(true);
        selector->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        selector->setDate(Hoy());
        auto *h = Crear<QLineEdit>(this, QString::fromLatin1(hora), {194, y, 36, 26});
        auto *m = Crear<QLineEdit>(this, QString::fromLatin1(minutos), {278, y, 36, 26});
        for (QLineEdit *caja : {h, m})
            caja->setAlignment(Qt::AlignRight);
        return std::tuple{selector, h, m};
    };
    std::tie(ui.DTPicker1, ui.TextHora1, ui.TextMin1) = instante("DTPicker1", "TextHora1", "TextMin1", 18);
    std::tie(ui.DTPicker2, ui.TextHora2, ui.TextMin2) = instante("DTPicker2", "TextHora2", "TextMin2", 58);
    ui.TextHora1->setText(QStringLiteral("12"));
    ui.TextMin1->setText(QStringLiteral("0"));
    ui.TextHora2->setText(QStringLiteral("18"));
    ui.TextMin2->setText(QStringLiteral("0"));

    for (int n = 0; n < kFlechas; ++n) {
        const Flecha &f = kSitiosFlechas[n];
        ui.UpDown[n] = Crear<Flechas>(this, QStringLiteral("UpDown") + QString::number(n + 1), {f.x, f.y, 16, 26});
        ui.UpDown[n]->setToolTip(QString::fromUtf8(f.consejo));
        ui.UpDown[n]->Nombrar(QString::fromUtf8(f.que));
    }
}

// The elapsed time, in parts, and the hidden box that carries it in hours.
void FormDecay::crearIntervalo()
{
    ui.Frame1 = Crear<QGroupBox>(this, QStringLiteral("Frame1"), {392, 8, 240, 100});
    ui.Frame1->setTitle(QStringLiteral("Intervalo de tiempo"));
    const auto parte = [this](const char *valor, const char *unidad, const char *texto, int y) {
        auto *v = CrearEtiqueta(ui.Frame1, QString::fromLatin1(valor), QStringLiteral("0"), {6, y, 176, 20});
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *u = CrearEtiqueta(ui.Frame1, QString::fromLatin1(unidad), QString::fromUtf8(texto), {186, y, 50, 20});
        NombrarResultado(v, ui.Frame1->title(), u);
        return std::pair{v, u};
    };
    std::tie(ui.LabelDias, ui.Label41) = parte("LabelDias", "Label41", "días", 24);
    std::tie(ui.LabelHoras, ui.Label44) = parte("LabelHoras", "Label44", "horas", 48);
    std::tie(ui.LabelMin, ui.Label45) = parte("LabelMin", "Label45", "min.", 72);
    ui.Horas = Crear<QLineEdit>(this, QStringLiteral("Horas"), {392, 112, 80, 24});
    ui.Horas->setText(QStringLiteral("0"));
    ui.Horas->hide();
}

// The initial activity and the half-life.
void FormDecay::crearActividad()
{
    ui.TextAct1 = Crear<QLineEdit>(this, QStringLiteral("TextAct1"), {84, 128, 132, 26});
    ui.TextAct1->setText(QStringLiteral("10"));
    ui.ComboUnidades = CrearLista(this, QStringLiteral("ComboUnidades"), {278, 128, 76, 26});
    Llenar(ui.ComboUnidades, Calculos::UnidadesActividad);

    ui.ComboRadionucl = CrearLista(this, QStringLiteral("ComboRadionucl"), {16, 168, 126, 26});
    for (const Calculos::Radionuclido &r : Calculos::TablaRadionuclidos)
        ui.ComboRadionucl->addItem(QString::fromUtf8(r.nombre));
    SinRadionuclido();
    ui.TextPeriodo = Crear<QLineEdit>(this, QStringLiteral("TextPeriodo"), {202, 168, 70, 26});
    ui.ComboTiempo = CrearLista(this, QStringLiteral("ComboTiempo"), {278, 168, 76, 26});
    Llenar(ui.ComboTiempo, Calculos::UnidadesTiempo);
    ui.ComboTiempo->setCurrentIndex(ui.ComboTiempo->findText(QStringLiteral("horas")));
}

void FormDecay::crearResultado()
{
    CrearEtiqueta(this, QStringLiteral("Label5"), QStringLiteral("Actividad  ="), {16, 232, 84, 24});
    // The number right against its unit.
    ui.LabelAct2 = CrearEtiqueta(this, QStringLiteral("LabelAct2"), QString(), {104, 228, 208, 32});
    ui.LabelAct2->setFont(Fuente(QStringLiteral("Arial"), 12, true));
    ui.LabelAct2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.LabelAct2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.LabelAct2->setMargin(4);
    ui.LabelUnidades = CrearEtiqueta(this, QStringLiteral("LabelUnidades"), QString(), {318, 228, 50, 32});
    ui.LabelUnidades->setFont(Fuente(QStringLiteral("Arial"), 12));
    NombrarResultado(ui.LabelAct2, QStringLiteral("Actividad"), ui.LabelUnidades);
}

void FormDecay::conectar()
{
    connect(ui.ComboRadionucl, &QComboBox::activated, this, &FormDecay::ComboRadionucl_Click);
    connect(ui.ComboTiempo, &QComboBox::activated, this, &FormDecay::ComboTiempo_Click);
    connect(ui.ComboUnidades, &QComboBox::activated, this, &FormDecay::ComboUnidades_Click);
    connect(ui.DTPicker1, &QDateEdit::dateChanged, this, &FormDecay::Recalcular);
    connect(ui.DTPicker2, &QDateEdit::dateChanged, this, &FormDecay::Recalcular);

    const Tope tope{Calculos::kActividadMaxima, QString::fromUtf8(kMaximo)};
    InstalarFiltro(ui.TextAct1, Calculos::TipoFiltro::Decimal, tope);
    InstalarFiltro(ui.TextPeriodo, Calculos::TipoFiltro::Decimal, tope);
    connect(ui.TextAct1, &QLineEdit::textEdited, this, &FormDecay::TextAct1_Change);
    connect(ui.TextPeriodo, &QLineEdit::textEdited, this, &FormDecay::TextPeriodo_Change);
    for (QLineEdit *caja : {ui.TextHora1, ui.TextMin1, ui.TextHora2, ui.TextMin2}) {
        InstalarFiltro(caja, Calculos::TipoFiltro::Entero);
        connect(caja, &QLineEdit::textEdited, this, [this, caja] { Tiempo_Change(caja); });
    }
    for (QLineEdit *caja : {ui.TextHora1, ui.TextMin1, ui.TextHora2, ui.TextMin2, ui.TextAct1})
        caja->installEventFilter(this);

    const auto flecha = [this](int n, std::function<void(Sentido)> paso) {
        connect(ui.UpDown[n - 1], &Flechas::subir, this, [paso] { paso(Sentido::Arriba); });
        connect(ui.UpDown[n - 1], &Flechas::bajar, this, [paso] { paso(Sentido::Abajo); });
    };
    flecha(1, [this](Sentido s) { UpDownHora_Change(ui.TextHora1, s); });
    flecha(5, [this](Sentido s) { UpDownHora_Change(ui.TextHora2, s); });
    flecha(2, [this](Sentido s) { UpDownMinuto_Change(ui.TextMin1, ui.TextHora1, false, s); });
    flecha(4, [this](Sentido s) { UpDownMinuto_Change(ui.TextMin2, ui.TextHora2, false, s); });
    flecha(6, [this](Sentido s) { UpDownMinuto_Change(ui.TextMin1, ui.TextHora1, true, s); });
    flecha(9, [this](Sentido s) { UpDownMinuto_Change(ui.TextMin2, ui.TextHora2, true, s); });
    flecha(3, [this](Sentido s) { UpDownActividad_Change(Calculos::SaltoActividad::Uno, s); });
    flecha(8, [this](Sentido s) { UpDownActividad_Change(Calculos::SaltoActividad::Diez, s); });
    flecha(7, [this](Sentido s) { UpDownActividad_Change(Calculos::SaltoActividad::Cien, s); });
    for (int n = 0; n < kFlechas; ++n) {
        const Flecha &f = kSitiosFlechas[n];
        ui.UpDown[n]->Teclas(findChild<QLineEdit *>(QString::fromLatin1(f.caja)), f.subir, f.bajar,
                             f.control ? Qt::ControlModifier : Qt::NoModifier);
    }
}

bool FormDecay::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusOut)
        Caja_LostFocus(static_cast<QLineEdit *>(objeto), static_cast<QFocusEvent *>(evento));
    return QWidget::eventFilter(objeto, evento);
}

void FormDecay::Recalcular()
{
    Intervalo();
    CalcularDecay();
}

void FormDecay::Intervalo()
{
    for (QLineEdit *hora : {ui.TextHora1, ui.TextHora2}) {
        if (hora->text().isEmpty()) {
            MostrarError(this, QStringLiteral("Introducir la hora"));
            hora->setFocus();
            return;
        }
    }
    for (QLineEdit *minutos : {ui.TextMin1, ui.TextMin2})
        if (minutos->text().isEmpty())
            minutos->setText(QStringLiteral("0"));

    const auto h1 = LeerNumero(ui.TextHora1);
    const auto m1 = LeerNumero(ui.TextMin1);
    const auto h2 = LeerNumero(ui.TextHora2);
    const auto m2 = LeerNumero(ui.TextMin2);
    std::optional<Calculos::IntervaloTiempo> intervalo;
    if (h1 && m1 && h2 && m2) {
        const auto dias = static_cast<double>(ui.DTPicker1->date().daysTo(ui.DTPicker2->date()));
        // Times so large that the interval is no number are as wrong as letters.
        intervalo = Calculos::CalcularIntervalo(dias, *h1, *m1, *h2, *m2);
    }
    if (!intervalo) {
        MostrarAviso(this, QStringLiteral("Revise los tiempos introducidos."));
        return;
    }
    MostrarParte(ui.LabelDias, ui.Label41, intervalo->dias);
    MostrarParte(ui.LabelHoras, ui.Label44, intervalo->horas);
    MostrarParte(ui.LabelMin, ui.Label45, intervalo->minutos);
    EscribirNumero(ui.Horas, intervalo->horasTotales);
}

void FormDecay::MostrarParte(QLabel *valor, QLabel *unidad, const Calculos::ParteIntervalo &parte)
{
    valor->setText(TextoDeNumero(parte.valor));
    valor->setVisible(parte.visible);
    unidad->setVisible(parte.visible);
    if (parte.visible)
        unidad->setText(QString::fromUtf8(parte.unidad));
}

void FormDecay::CalcularDecay()
{
    if (Calculos::EsPeriodoCero(Texto(ui.TextPeriodo->text()))) {
        VaciarResultado();
        return;
    }
    if (ui.ComboTiempo->currentText().isEmpty()) {
        MostrarError(this, QStringLiteral("Seleccione la unidad de tiempo para el periodo de semidesintegración."));
        ui.ComboTiempo->setFocus();
        return;
    }
    if (ui.ComboUnidades->currentText().isEmpty()) {
        MostrarError(this, QStringLiteral("Seleccione la unidad de actividad."));
        ui.ComboUnidades->setFocus();
        return;
    }
    const auto horas = LeerNumero(ui.Horas);
    const auto a0 = LeerNumero(ui.TextAct1);
    if (!horas || !a0) {
        VaciarResultado();
        return;
    }
    const auto periodo = PeriodoSemidesintegracion();
    if (!periodo || Calculos::EsPeriodoCero(Texto(ui.TextPeriodo->text())))
        return;

    const int unidad = Calculos::PosicionUnidadActividad(Texto(ui.ComboUnidades->currentText()));
    MostrarActividad(Calculos::CalcularActividad(*a0, *horas, *periodo, unidad));
}

// Nothing to show (a half-life of 0 typed as "0,0", an overflow) gets no
// message either: the result is simply left empty. A unit that is not in the
// list leaves the unit label as it was.
void FormDecay::MostrarActividad(const std::optional<Calculos::ActividadMostrada> &actividad)
{
    if (!actividad) {
        VaciarResultado();
        return;
    }
    if (!actividad->unidad.empty())
        ui.LabelUnidades->setText(QString::fromUtf8(actividad->unidad));
    ui.LabelAct2->setText(TextoDeNumero(actividad->valor));
}

// The chosen nuclide's half-life, which it also puts on screen, or the typed
// one in hours. Nothing when the calculation stops here, having said why or
// emptied the result.
std::optional<double> FormDecay::PeriodoSemidesintegracion()
{
    if (const Calculos::Radionuclido *r = Calculos::BuscarRadionuclido(Texto(ui.ComboRadionucl->currentText()))) {
        ui.TextPeriodo->setText(QString::fromUtf8(r->periodo));
        ui.ComboTiempo->setCurrentIndex(ui.ComboTiempo->findText(QString::fromUtf8(r->unidad)));
        return r->horas;
    }
    if (ui.TextPeriodo->text().isEmpty()) {
        MostrarError(this,
                     QStringLiteral("Debe seleccionar un radionúclido o introducir un período de semidesintegración."));
        ui.TextPeriodo->setFocus();
        return std::nullopt;
    }
    const auto horas = Calculos::PeriodoEnHoras(Texto(ui.TextPeriodo->text()), Texto(ui.ComboTiempo->currentText()));
    if (!horas)
        VaciarResultado();
    return horas;
}

void FormDecay::VaciarResultado()
{
    ui.LabelAct2->clear();
    ui.LabelUnidades->clear();
}

void FormDecay::SinRadionuclido()
{
    ui.ComboRadionucl->setCurrentIndex(-1);
    ui.ComboRadionucl->setEditText(QString::fromUtf8(Calculos::kSinRadionuclido));
}

// Past the maximum the box has already been cut back, with its message.
void FormDecay::TextAct1_Change()
{
    if (ui.TextAct1->text().isEmpty())
        VaciarResultado();
    if (EsTextoNumerico(ui.TextAct1->text()))
        Recalcular();
}

// A typed half-life replaces the nuclide's.
void FormDecay::TextPeriodo_Change()
{
    SinRadionuclido();
    if (EsTextoNumerico(ui.TextPeriodo->text()))
        Recalcular();
    else
        VaciarResultado();
}

// Any of the four time boxes follows the typing, as the first hour always did.
void FormDecay::Tiempo_Change(QLineEdit *caja)
{
    if (EsTextoNumerico(caja->text()))
        Recalcular();
}

// A box left empty reads 0. Only the user leaving it counts: a message box
// taking the focus must not start another calculation.
void FormDecay::Caja_LostFocus(QLineEdit *caja, QFocusEvent *evento)
{
    Guardia()->AlPerderFoco(caja, *evento, [this, caja] {
        const bool vacia = caja->text().isEmpty();
        if (vacia)
            caja->setText(QStringLiteral("0"));
        // The activity recalculates whenever it is left; the times only when
        // they were empty.
        if (vacia || caja == ui.TextAct1)
            Recalcular();
        return true;
    });
}

void FormDecay::ComboRadionucl_Click()
{
    Recalcular();
}

// The half-life on screen is read again in the unit chosen, as typed.
void FormDecay::ComboTiempo_Click()
{
    SinRadionuclido();
    Recalcular();
}

void FormDecay::ComboUnidades_Click()
{
    if (!ui.TextPeriodo->text().isEmpty())
        Recalcular();
}

void FormDecay::UpDownHora_Change(QLineEdit *hora, Sentido sentido)
{
    AplicarPaso(Calculos::PasoHora(LeerNumero(hora), sentido), hora, nullptr);
}

void FormDecay::UpDownMinuto_Change(QLineEdit *minutos, QLineEdit *hora, bool diez, Sentido sentido)
{
    const auto m = LeerNumero(minutos);
    const auto h = LeerNumero(hora);
    AplicarPaso(diez ? Calculos::PasoDiezMinutos(m, h, sentido) : Calculos::PasoMinuto(m, h, sentido), minutos, hora);
}

void FormDecay::UpDownActividad_Change(Calculos::SaltoActividad salto, Sentido sentido)
{
    AplicarPaso(Calculos::PasoActividad(LeerNumero(ui.TextAct1), salto, sentido), ui.TextAct1, nullptr);
}

void FormDecay::AplicarPaso(const Calculos::Paso &paso, QLineEdit *caja, QLineEdit *hora)
{
    switch (paso.efecto) {
    case Calculos::EfectoPaso::Escribe:
        EscribirNumero(caja, paso.valor);
        if (paso.hora && hora != nullptr)
            EscribirNumero(hora, *paso.hora);
        Recalcular();
        break;
    case Calculos::EfectoPaso::MaximoSuperado:
        MostrarError(this, QString::fromUtf8(kMaximo));
        break;
    case Calculos::EfectoPaso::SinCambio:
        break;
    }
}
