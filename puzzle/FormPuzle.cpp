#include "puzzle/FormPuzle.h"

#include "core/casillas.h"
#include "widgets/Controles.h"

#include <QFrame>
#include <QLabel>

namespace {

const DefinicionPuzle kDefinicion{
    .tablero = Calculos::Tablero::Completo,
    .titulo = "Puzle - Tabla periódica completa",
    .blancos = 89,
    .tamano = {1186, 590},
    .fondo = QColor(222, 230, 242),
    .label1Negrita = true,
    .label1Texto = QColor(255, 255, 0),
    .label1Fondo = QColor(0, 0, 128),
    .nombres = {.unidadSegundos = "Label3",
                .palabraFallos = "Label4",
                .nombreMarca = "TextNombrePuzleFull",
                .minutosMarca = "Label12",
                .segundosMarca = "Label18"},
};

const QColor kAmarilloPalido(255, 255, 128);
const QColor kLinea(70, 80, 120);

} // namespace

FormPuzle::FormPuzle(QWidget *parent) : VentanaPuzle(kDefinicion, parent)
{
    setObjectName(QStringLiteral("FormPuzle"));
    crearTablero();
    crearAdornos();
    ConectarCeldas(ui.Celdas);
}

void FormPuzle::crearTablero()
{
    for (const Calculos::Elemento &e : Calculos::TablaElementos) {
        QLabel *celda = CrearCelda(this, Calculos::NombreCelda(e.simbolo), QString(), Calculos::PosicionCasilla(e),
                                   kAmarilloPalido);
        NombrarCelda(celda, e.z, Calculos::MuestraCelda::Nada);
        ui.Celdas[static_cast<std::size_t>(e.z - 1)] = celda;
    }
    // The titles of the two rows below the table, left of their first cell.
    const QFont fuente = Fuente(QStringLiteral("Arial"), 10, true);
    for (const auto &[nombre, periodo] : {std::pair{"Lantánidos", 6}, std::pair{"Actínidos", 7}}) {
        const Calculos::Rectangulo r = Calculos::CasillaDeSerie(1, periodo);
        QLabel *titulo =
            CrearEtiqueta(this, QString::fromUtf8(nombre), QString::fromUtf8(nombre), {r.x - 110, r.y, 104, r.alto});
        titulo->setFont(fuente);
        titulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

// The empty place of the two rows in column 3, joined to the rows below.
void FormPuzle::crearAdornos()
{
    const Calculos::Rectangulo hueco6 = Calculos::CasillaDelCuerpo(3, 6);
    const Calculos::Rectangulo hueco7 = Calculos::CasillaDelCuerpo(3, 7);
    const Calculos::Rectangulo serie = Calculos::CasillaDeSerie(1, 6);
    const Calculos::Rectangulo ultima = Calculos::CasillaDeSerie(15, 7);
    const int izquierda = serie.x - 5;
    const int arriba = serie.y - 5;
    const int derecha = ultima.x + ultima.ancho + 5;
    const int abajo = ultima.y + ultima.alto + 5;

    auto *marco =
        Crear<QFrame>(this, QStringLiteral("Shape1"), {izquierda, arriba, derecha - izquierda, abajo - arriba});
    // Drawn over the two rows, it must let their clicks through to the cells.
    marco->setAttribute(Qt::WA_TransparentForMouseEvents);
    marco->setFrameStyle(QFrame::Box | QFrame::Plain);
    marco->setLineWidth(2);
    Colorear(marco, Qt::transparent, kLinea);

    const int x1 = hueco6.x;
    const int x2 = hueco6.x + hueco6.ancho;
    const QRect lineas[] = {
        {x1, hueco6.y, x2 - x1 + 2, 2},       // top of the place
        {x1, hueco6.y, 2, arriba - hueco6.y}, // its sides, down to the rows
        {x2, hueco6.y, 2, arriba - hueco6.y},
        {x1, hueco7.y - 1, x2 - x1 + 2, 2}, // between periods 6 and 7
    };
    int n = 5;
    for (const QRect &zona : lineas) {
        auto *linea = Crear<QFrame>(this, QStringLiteral("Line%1").arg(n++), zona);
        linea->setAttribute(Qt::WA_TransparentForMouseEvents);
        Colorear(linea, kLinea, kLinea);
    }
}

void FormPuzle::Celda_Click(std::size_t celda)
{
    const Calculos::Elemento &e = Calculos::TablaElementos[celda];
    const Calculos::Jugada jugada = Jugar(e.simbolo);
    if (jugada != Calculos::Jugada::Acierto && jugada != Calculos::Jugada::Completado)
        return;
    QLabel *etiqueta = ui.Celdas[celda];
    etiqueta->setText(QString::fromUtf8(e.simbolo));
    NombrarCelda(etiqueta, e.z, Calculos::MuestraCelda::Elemento);
    QFont fuente = etiqueta->font();
    fuente.setPointSizeF(22);
    etiqueta->setFont(fuente);
    Colocado(jugada);
}

// Over every cell, placed symbols included: from here on only new
// placements write symbols again.
void FormPuzle::EscribirNumeros(bool numeros)
{
    for (std::size_t i = 0; i < ui.Celdas.size(); ++i) {
        const int z = Calculos::TablaElementos[i].z;
        ui.Celdas[i]->setText(numeros ? TextoEntero(z) : QString());
        NombrarCelda(ui.Celdas[i], z, numeros ? Calculos::MuestraCelda::Numero : Calculos::MuestraCelda::Nada);
    }
}
