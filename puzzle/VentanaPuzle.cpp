#include "puzzle/VentanaPuzle.h"

#include "platform/Ajustes.h"
#include "platform/Azar.h"
#include "puzzle/FormFinTabla.h"
#include "puzzle/marcas.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/Mensajes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

// Where the clock's labels and the start button stand, left to right.
constexpr QRect kMinutos{190, 126, 40, 30};
constexpr QRect kMin{232, 126, 38, 30};
constexpr QRect kSegundos{272, 126, 40, 30};
constexpr QRect kS{314, 126, 22, 30};
constexpr QRect kInicio{344, 122, 42, 38};

const QColor kTextoVentana(0, 0, 96);

QString Clave(std::string_view seccion)
{
    return QString::fromStdString(Calculos::ClaveAjustes(seccion));
}

QLabel *Letrero(QWidget *padre, const char *nombre, const char *texto, const QRect &zona, const QFont &fuente,
                Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter)
{
    QLabel *etiqueta = CrearEtiqueta(padre, QString::fromUtf8(nombre), QString::fromUtf8(texto), zona);
    etiqueta->setFont(fuente);
    etiqueta->setAlignment(alineacion);
    return etiqueta;
}

// A stopwatch: the start button's picture.
QIcon IconoCronometro()
{
    QPixmap imagen(28, 28);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(11.5, 1, 5, 4), 1, 1);
    p.drawRoundedRect(QRectF(20, 5, 4, 3), 1, 1);
    p.setPen(QPen(QColor(40, 40, 50), 1.5));
    p.setBrush(QColor(60, 170, 90));
    p.drawEllipse(QRectF(3, 5.5, 22, 22));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.5, 9, 15, 15));
    p.setPen(QPen(QColor(200, 30, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 16.5), QPointF(14, 10.5));
    p.setPen(QPen(QColor(40, 40, 50), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 16.5), QPointF(18, 18.5));
    return QIcon(imagen);
}

QPushButton *BotonZ(QWidget *padre, const char *nombre, const char *consejo, bool tachado)
{
    auto *boton = Crear<QPushButton>(padre, QString::fromUtf8(nombre), {14, 14, 44, 36});
    boton->setText(QStringLiteral("Z"));
    QFont fuente = Fuente(QStringLiteral("Arial"), 14, true);
    fuente.setStrikeOut(tachado);
    boton->setFont(fuente);
    boton->setToolTip(QString::fromUtf8(consejo));
    Nombrar(boton, boton->toolTip());
    return boton;
}

// The labels that head the groups 1..18.
constexpr std::array<int, 18> kLabelDeGrupo{2, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23};

} // namespace

QString TextoEntero(int n)
{
    return QString::fromStdString(Calculos::TextoEntero(n));
}

QLabel *CrearCelda(QWidget *padre, std::string_view nombre, const QString &texto, const Calculos::Rectangulo &zona,
                   const QColor &fondo)
{
    QLabel *celda = CrearEtiqueta(padre, QString::fromUtf8(nombre), texto, {zona.x, zona.y, zona.ancho, zona.alto});
    celda->setFont(Fuente(QStringLiteral("Arial"), 14.25));
    celda->setAlignment(Qt::AlignCenter);
    celda->setFrameStyle(QFrame::Box | QFrame::Plain);
    celda->setLineWidth(1);
    Colorear(celda, fondo, Qt::black);
    return celda;
}

VentanaPuzle::VentanaPuzle(const DefinicionPuzle &definicion, QWidget *parent)
    : QWidget(parent, Qt::Window), m_partida(definicion.tablero, Calculos::AzarConSemilla(SemillaAzar()))
{
    setWindowTitle(Titulo(QString::fromUtf8(definicion.titulo), definicion.blancos));
    setFont(Fuente(QStringLiteral("Arial"), 9));
    setFixedSize(definicion.tamano);
    Colorear(this, definicion.fondo, kTextoVentana);
    crearControles(definicion);
    conectar();

    // The game was dealt with the window; the label then shows its first
    // element. Both changes count for the start button.
    EscribirLabel1(QString());
    EscribirLabel1(QString::fromStdString(m_partida.simboloPedido()));
}

void VentanaPuzle::crearControles(const DefinicionPuzle &definicion)
{
    ui.Label1 = Letrero(this, "Label1", "", {190, 14, 196, 100},
                        Fuente(QStringLiteral("Arial"), 48, definicion.label1Negrita), Qt::AlignCenter);
    Colorear(ui.Label1, definicion.label1Fondo, definicion.label1Texto);
    ui.Label1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.Label1->setLineWidth(2);
    NombrarResultado(ui.Label1, QStringLiteral("Elemento pedido"));

    crearCronometro();
    Letrero(this, definicion.nombres.unidadSegundos, "s", kS, Fuente(QStringLiteral("Arial"), 12));

    const QFont numero = Fuente(QStringLiteral("Arial"), 20, true);
    ui.LabelFallos = Letrero(this, "LabelFallos", "0", {996, 16, 84, 40}, numero, Qt::AlignRight | Qt::AlignVCenter);
    ui.PalabraFallos = Letrero(this, definicion.nombres.palabraFallos, "fallos", {1086, 16, 96, 40},
                               Fuente(QStringLiteral("Arial"), 14));
    NombrarResultado(ui.LabelFallos, QStringLiteral("Fallos"));
    ui.List1 = Crear<QListWidget>(this, QStringLiteral("List1"), {1098, 90, 78, 335});
    ui.List1->setFont(Fuente(QStringLiteral("Arial"), 12));
    Nombrar(ui.List1, QStringLiteral("Elementos fallados"), QStringLiteral("El elemento pedido en cada fallo"));

    ui.Command_Z = BotonZ(this, "Command_Z", "Mostrar los números atómicos", false);
    ui.Command_No_Z = BotonZ(this, "Command_No_Z", "Ocultar los números atómicos", true);
    ui.Command_No_Z->hide();

    crearGrupos();
    crearMarco(definicion.nombres);
}

void VentanaPuzle::crearGrupos()
{
    const QFont fuente = Fuente(QStringLiteral("Arial Narrow"), 12, true);
    for (int grupo = 1; grupo <= 18; ++grupo) {
        const Calculos::Rectangulo r = Calculos::PosicionNumeroGrupo(grupo);
        const QString nombre = QStringLiteral("Label%1").arg(kLabelDeGrupo[static_cast<std::size_t>(grupo - 1)]);
        QLabel *numero = CrearEtiqueta(this, nombre, TextoEntero(grupo), {r.x, r.y, r.ancho, r.alto});
        numero->setFont(fuente);
        numero->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        Nombrar(numero, QStringLiteral("Grupo ") + numero->text());
    }
}

void VentanaPuzle::crearCronometro()
{
    const QFont numero = Fuente(QStringLiteral("Arial"), 16, true);
    const QFont unidad = Fuente(QStringLiteral("Arial"), 12);
    const Qt::Alignment derecha = Qt::AlignRight | Qt::AlignVCenter;
    ui.LabelMinutos = Letrero(this, "LabelMinutos", "0", kMinutos, numero, derecha);
    Letrero(this, "Labelmin", "min", kMin, unidad);
    ui.LabelSegundos = Letrero(this, "LabelSegundos", "0", kSegundos, numero, derecha);
    NombrarResultado(ui.LabelMinutos, QStringLiteral("Cronómetro, minutos"));
    NombrarResultado(ui.LabelSegundos, QStringLiteral("Cronómetro, segundos"));

    ui.CommandStart = Crear<QPushButton>(this, QStringLiteral("CommandStart"), kInicio);
    ui.CommandStart->setIcon(IconoCronometro());
    ui.CommandStart->setIconSize(QSize(28, 28));
    ui.CommandStart->setToolTip(QStringLiteral("Activar cronómetro"));
    Nombrar(ui.CommandStart, ui.CommandStart->toolTip());

    // Interval 0: it does not tick until the start button gives it one.
    ui.Timer1 = Crear<QTimer>(this, QStringLiteral("Timer1"));
    ui.Timer1->setInterval(0);
}

// The best-time frame, hidden until the game is over.
void VentanaPuzle::crearMarco(const NombresPuzle &nombres)
{
    ui.FrameMejorMarca = Crear<QGroupBox>(this, QStringLiteral("FrameMejorMarca"), {420, 8, 312, 194});
    ui.FrameMejorMarca->setTitle(QString::fromUtf8(Calculos::kHayMarca));
    Colorear(ui.FrameMejorMarca, QColor(0, 0, 64), Qt::white);
    ui.FrameMejorMarca->setFont(Fuente(QStringLiteral("Arial"), 10, true));
    ui.FrameMejorMarca->hide();

    QGroupBox *marco = ui.FrameMejorMarca;
    const QFont letra = Fuente(QStringLiteral("Arial"), 10);
    const QFont valor = Fuente(QStringLiteral("Arial"), 12, true);
    const Qt::Alignment derecha = Qt::AlignRight | Qt::AlignVCenter;
    QLabel *nombre = Letrero(marco, "LabelNombre", "Nombre:", {12, 30, 62, 24}, letra);
    ui.TextNombre = Crear<QLineEdit>(marco, QString::fromUtf8(nombres.nombreMarca), {76, 28, 222, 26});
    ui.TextNombre->setFont(letra);
    NombrarPorRotulo(ui.TextNombre, nombre);
    ui.MarcaMin = Letrero(marco, "MarcaMin", "10", {12, 64, 40, 24}, valor, derecha);
    Letrero(marco, nombres.minutosMarca, "min", {56, 64, 32, 24}, letra);
    ui.MarcaSg = Letrero(marco, "MarcaSg", "10", {92, 64, 36, 24}, valor, derecha);
    Letrero(marco, nombres.segundosMarca, "s", {132, 64, 16, 24}, letra);
    Letrero(marco, "Label24", "Fallos:", {168, 64, 54, 24}, letra);
    ui.MarcaFallos = Letrero(marco, "MarcaFallos", "13", {226, 64, 72, 24}, valor);
    NombrarResultado(ui.MarcaMin, QStringLiteral("Mejor marca, minutos"));
    NombrarResultado(ui.MarcaSg, QStringLiteral("Mejor marca, segundos"));
    NombrarResultado(ui.MarcaFallos, QStringLiteral("Mejor marca, fallos"));

    ui.CommandRegistrarMarca = Crear<QPushButton>(marco, QStringLiteral("CommandRegistrarMarca"), {12, 104, 288, 34});
    ui.CommandRegistrarMarca->setText(QStringLiteral("Registra tu marca"));
    ui.CommandBorrar = Crear<QPushButton>(marco, QStringLiteral("CommandBorrar"), {12, 146, 288, 34});
    ui.CommandBorrar->setText(QStringLiteral("Borrar marca registrada"));
    ui.CommandRegistrarMarca->setFont(letra);
    ui.CommandBorrar->setFont(letra);
}

void VentanaPuzle::conectar()
{
    connect(ui.Timer1, &QTimer::timeout, this, &VentanaPuzle::Timer1_Timer);
    connect(ui.CommandStart, &QPushButton::clicked, this, &VentanaPuzle::CommandStart_Click);
    connect(ui.Command_Z, &QPushButton::clicked, this, &VentanaPuzle::Command_Z_Click);
    connect(ui.Command_No_Z, &QPushButton::clicked, this, &VentanaPuzle::Command_No_Z_Click);
    connect(ui.CommandRegistrarMarca, &QPushButton::clicked, this, &VentanaPuzle::CommandRegistrarMarca_Click);
    connect(ui.CommandBorrar, &QPushButton::clicked, this, &VentanaPuzle::CommandBorrar_Click);
}

void VentanaPuzle::ConectarCeldas(std::span<QLabel *const> celdas)
{
    m_celdas.assign(celdas.begin(), celdas.end());
    for (QLabel *celda : m_celdas)
        celda->installEventFilter(this);
    HacerPulsables(celdas);

    // The buttons over the board, the record frame when it shows, the board
    // by rows, and the list of misses beside it. The start button keeps the
    // focus the window opens with.
    m_orden = {ui.Command_Z,  ui.Command_No_Z,          ui.CommandStart,
               ui.TextNombre, ui.CommandRegistrarMarca, ui.CommandBorrar};
    const std::vector<QWidget *> tablero = EnOrdenDeLectura(celdas);
    m_orden.insert(m_orden.end(), tablero.begin(), tablero.end());
    m_orden.push_back(ui.List1);
}

bool VentanaPuzle::focusNextPrevChild(bool next)
{
    return MoverFoco(m_orden, next);
}

void VentanaPuzle::NombrarCelda(QLabel *celda, int z, Calculos::MuestraCelda muestra) const
{
    Nombrar(celda, QString::fromStdString(Calculos::LecturaCelda(m_partida.tablero(), z, muestra)));
}

// A click on a cell: the left button let go over it.
bool VentanaPuzle::eventFilter(QObject *objeto, QEvent *evento)
{
    const auto it = std::find(m_celdas.begin(), m_celdas.end(), objeto);
    if (it == m_celdas.end())
        return QWidget::eventFilter(objeto, evento);
    if (evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonDblClick)
        return true;
    if (evento->type() == QEvent::MouseButtonRelease) {
        const auto *raton = static_cast<QMouseEvent *>(evento);
        if (raton->button() == Qt::LeftButton && (*it)->rect().contains(raton->position().toPoint()))
            Celda_Click(static_cast<std::size_t>(it - m_celdas.begin()));
        return true;
    }
    return false;
}

Calculos::Jugada VentanaPuzle::Jugar(std::string_view simbolo)
{
    const Calculos::Jugada jugada = m_partida.Pulsar(simbolo);
    if (jugada == Calculos::Jugada::Fallo)
        Fallo();
    return jugada;
}

void VentanaPuzle::Colocado(Calculos::Jugada jugada)
{
    if (jugada == Calculos::Jugada::Acierto) {
        EscribirLabel1(QString::fromStdString(m_partida.simboloPedido()));
    } else if (jugada == Calculos::Jugada::Completado) {
        // Label1 keeps the last element. The time is the one at the last
        // element, not after the fanfare; the window keeps drawing while it
        // plays, and the completion window shows when it has ended.
        DetenerCronometro();
        auto *fin = new FormFinTabla(this);
        fin->setAttribute(Qt::WA_DeleteOnClose);
        connect(fin, &QDialog::finished, this, &VentanaPuzle::Registro);
        fin->show();
    }
}

void VentanaPuzle::Fallo()
{
    MostrarError(this, QStringLiteral("Posición incorrecta."));
    ui.LabelFallos->setText(TextoEntero(m_partida.fallos()));
    LabelFallos_Change();
    ui.List1->addItem(ui.Label1->text());
}

void VentanaPuzle::EscribirLabel1(const QString &texto)
{
    ui.Label1->setText(texto);
    Label1_Change();
}

void VentanaPuzle::Label1_Change()
{
    if (m_partida.CambioDeLabel1())
        ui.CommandStart->setEnabled(false);
}

void VentanaPuzle::LabelFallos_Change()
{
    ui.CommandStart->setEnabled(false);
    ui.PalabraFallos->setText(QString::fromUtf8(Calculos::PalabraFallos(m_partida.fallos())));
}

void VentanaPuzle::Timer1_Timer()
{
    if (const auto lectura = m_partida.Tic()) {
        ui.LabelMinutos->setText(QString::fromStdString(lectura->minutos));
        ui.LabelSegundos->setText(QString::fromStdString(lectura->segundos));
    }
}

void VentanaPuzle::CommandStart_Click()
{
    ui.Timer1->setInterval(kIntervaloCronometro);
    if (m_cronometroHabilitado && !ui.Timer1->isActive())
        ui.Timer1->start();
}

void VentanaPuzle::DetenerCronometro()
{
    m_cronometroHabilitado = false;
    ui.Timer1->stop();
}

void VentanaPuzle::Command_Z_Click()
{
    CambiarBotonZ(ui.Command_Z, ui.Command_No_Z);
    EscribirNumeros(true);
}

void VentanaPuzle::Command_No_Z_Click()
{
    CambiarBotonZ(ui.Command_No_Z, ui.Command_Z);
    EscribirNumeros(false);
}

// The focus stays where the button is, on the one that takes its place.
void VentanaPuzle::CambiarBotonZ(QPushButton *sale, QPushButton *entra)
{
    entra->show();
    if (sale->hasFocus())
        entra->setFocus();
    sale->hide();
}

// The end of a game: the stored best time beside this one.
void VentanaPuzle::Registro()
{
    DetenerCronometro();
    ui.FrameMejorMarca->show();
    const Calculos::SeccionesMarca secciones = Calculos::SeccionesDe(m_partida.tablero());
    ui.TextNombre->setText(LeerAjuste(Clave(secciones.nombre)));
    ui.MarcaSg->setText(LeerAjuste(Clave(secciones.segundos)));
    ui.MarcaMin->setText(LeerAjuste(Clave(secciones.minutos)));
    ui.MarcaFallos->setText(LeerAjuste(Clave(secciones.fallos)));

    const auto comparacion =
        Calculos::CompararConMarca(ui.LabelMinutos->text().toStdString(), ui.LabelSegundos->text().toStdString(),
                                   ui.MarcaMin->text().toStdString(), ui.MarcaSg->text().toStdString());
    if (comparacion == Calculos::ComparacionMarca::SinMarca) {
        // The save button stays as it is, so a first record can always be saved.
        ui.FrameMejorMarca->setTitle(QString::fromUtf8(Calculos::kSinMarca));
        return;
    }
    ui.FrameMejorMarca->setTitle(QString::fromUtf8(Calculos::kHayMarca));
    if (comparacion == Calculos::ComparacionMarca::Mejorada) {
        MostrarAviso(this, QString::fromUtf8(Calculos::kMarcaMejorada));
        ui.CommandRegistrarMarca->show();
    } else {
        ui.CommandRegistrarMarca->hide();
    }
}

void VentanaPuzle::CommandRegistrarMarca_Click()
{
    const QString nombre = ui.TextNombre->text();
    ui.MarcaSg->setText(ui.LabelSegundos->text());
    ui.MarcaMin->setText(ui.LabelMinutos->text());
    ui.MarcaFallos->setText(ui.LabelFallos->text());

    const Calculos::SeccionesMarca secciones = Calculos::SeccionesDe(m_partida.tablero());
    GuardarAjuste(Clave(secciones.nombre), nombre);
    GuardarAjuste(Clave(secciones.segundos), ui.MarcaSg->text());
    GuardarAjuste(Clave(secciones.minutos), ui.MarcaMin->text());
    GuardarAjuste(Clave(secciones.fallos), ui.MarcaFallos->text());
    ui.FrameMejorMarca->setTitle(QString::fromUtf8(Calculos::kHayMarca));
}

void VentanaPuzle::CommandBorrar_Click()
{
    const Calculos::SeccionesMarca secciones = Calculos::SeccionesDe(m_partida.tablero());
    BorrarSeccionAjustes(QString::fromUtf8(secciones.nombre));
    ui.TextNombre->clear();
    BorrarSeccionAjustes(QString::fromUtf8(secciones.segundos));
    ui.MarcaSg->clear();
    BorrarSeccionAjustes(QString::fromUtf8(secciones.minutos));
    ui.MarcaMin->clear();
    BorrarSeccionAjustes(QString::fromUtf8(secciones.fallos));
    ui.MarcaFallos->clear();
    ui.FrameMejorMarca->setTitle(QString::fromUtf8(Calculos::TextoMarcaBorrada(m_partida.tablero())));
}
