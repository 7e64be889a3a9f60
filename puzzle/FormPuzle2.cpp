#include "puzzle/FormPuzle2.h"

#include "core/casillas.h"
#include "widgets/Controles.h"

#include <QLabel>

namespace {

const DefinicionPuzle kDefinicion{
    .tablero = Calculos::Tablero::Reducido,
    .titulo = "Puzle-Tabla periódica 75 elementos",
    .blancos = 80,
    .tamano = {1186, 440},
    .fondo = QColor(226, 240, 240),
    .label1Negrita = false,
    .label1Texto = QColor(255, 255, 128),
    .label1Fondo = QColor(0, 128, 128),
    .nombres = {.unidadSegundos = "Labelsg",
                .palabraFallos = "Label18",
                .nombreMarca = "TextNombrePuzleRedu",
                .minutosMarca = "Label4",
                .segundosMarca = "Label3"},
};

const QColor kTurquesa(0, 192, 192);

// La and Ac open their series in column 3 of the table itself.
Calculos::Rectangulo Posicion(const Calculos::Elemento &e)
{
    if (e.columnaF == 1)
        return Calculos::CasillaDelCuerpo(3, e.periodo);
    return Calculos::PosicionCasilla(e);
}

const Calculos::Elemento &ElementoReducido(std::size_t i)
{
    const int z = Calculos::NumeroReducido(static_cast<int>(i) + 1);
    return Calculos::TablaElementos[static_cast<std::size_t>(z - 1)];
}

} // namespace

FormPuzle2::FormPuzle2(QWidget *parent) : VentanaPuzle(kDefinicion, parent)
{
    setObjectName(QStringLiteral("FormPuzle2"));
    crearTablero();
    ConectarCeldas(ui.Cubiertas);
}

void FormPuzle2::crearTablero()
{
    for (std::size_t i = 0; i < ui.Simbolos.size(); ++i) {
        const Calculos::Elemento &e = ElementoReducido(i);
        const Calculos::Rectangulo zona = Posicion(e);
        ui.Simbolos[i] =
            CrearCelda(this, Calculos::NombreCelda(e.simbolo), QString::fromUtf8(e.simbolo), zona, kTurquesa);
        ui.Cubiertas[i] = CrearCelda(this, Calculos::NombreCubierta(e.simbolo), QString(), zona, kTurquesa);
        ui.Cubiertas[i]->raise();
        // Out of a screen reader's way, and unnamed, until it is uncovered:
        // it would give the answer away.
        ui.Simbolos[i]->hide();
        NombrarCelda(ui.Simbolos[i], e.z, Calculos::MuestraCelda::Nada);
        NombrarCelda(ui.Cubiertas[i], e.z, Calculos::MuestraCelda::Nada);
    }
}

void FormPuzle2::Celda_Click(std::size_t celda)
{
    const Calculos::Elemento &e = ElementoReducido(celda);
    const Calculos::Jugada jugada = Jugar(e.simbolo);
    if (jugada != Calculos::Jugada::Acierto && jugada != Calculos::Jugada::Completado)
        return;
    NombrarCelda(ui.Simbolos[celda], e.z, Calculos::MuestraCelda::Elemento);
    ui.Simbolos[celda]->show();
    ui.Cubiertas[celda]->hide();
    QFont fuente = ui.Simbolos[celda]->font();
    fuente.setPointSizeF(16);
    ui.Simbolos[celda]->setFont(fuente);
    Colocado(jugada);
}

// On the covers: placed cells have none left showing and keep their symbol.
void FormPuzle2::EscribirNumeros(bool numeros)
{
    for (std::size_t i = 0; i < ui.Cubiertas.size(); ++i) {
        const int z = ElementoReducido(i).z;
        ui.Cubiertas[i]->setText(numeros ? TextoEntero(z) : QString());
        NombrarCelda(ui.Cubiertas[i], z, numeros ? Calculos::MuestraCelda::Numero : Calculos::MuestraCelda::Nada);
    }
}
