#pragma once

#include "core/casillas.h"
#include "puzzle/puzle.h"
#include "widgets/Formulario.h"

#include <QColor>
#include <QSize>

#include <span>
#include <string_view>
#include <vector>

// The controls that the two puzzles name differently.
struct NombresPuzle {
    const char *unidadSegundos; // the "s" beside the clock's seconds
    const char *palabraFallos;  // "fallo" / "fallos" after the miss count
    const char *nombreMarca;    // the name box of the best-time frame
    const char *minutosMarca;   // the "min" of the stored time
    const char *segundosMarca;  // the "s" of the stored time
};

// What makes one puzzle window: its board, caption, size and colours.
struct DefinicionPuzle {
    Calculos::Tablero tablero;
    const char *titulo;
    int blancos;
    QSize tamano;
    QColor fondo;
    bool label1Negrita;
    QColor label1Texto;
    QColor label1Fondo;
    NombresPuzle nombres;
};

// Texts of the rules, for the controls.
QString TextoEntero(int n);

// A cell of a board: centred black text on `fondo`, with a single border.
QLabel *CrearCelda(QWidget *padre, std::string_view nombre, const QString &texto, const Calculos::Rectangulo &zona,
                   const QColor &fondo);

// A periodic-table puzzle: the element asked for, the stopwatch, the misses
// and their list, the atomic-number buttons and the best-time frame. Each
// puzzle adds its board and says what a click on a cell and the numbers do
// to it. One window holds one game, dealt when it loads.
class VentanaPuzle : public QWidget {
    Q_OBJECT

public:
    // Stops the stopwatch for good: the start button sets its interval but
    // no longer starts it.
    void DetenerCronometro();

    static constexpr int kIntervaloCronometro = 1000; // ms

protected:
    VentanaPuzle(const DefinicionPuzle &definicion, QWidget *parent);

    bool eventFilter(QObject *objeto, QEvent *evento) override;
    bool focusNextPrevChild(bool next) override;

    // The board's labels that take clicks; Celda_Click gets the index.
    // Enter or Space on a cell clicks it as well.
    void ConectarCeldas(std::span<QLabel *const> celdas);
    // A cell's name for a screen reader, after what it shows.
    void NombrarCelda(QLabel *celda, int z, Calculos::MuestraCelda muestra) const;
    virtual void Celda_Click(std::size_t celda) = 0;
    // Each cell's atomic number, or blanks.
    virtual void EscribirNumeros(bool numeros) = 0;

    // A click on the cell of `simbolo`. A miss is told and counted here; on
    // a placement the window shows the element in its cell and then calls
    // Colocado.
    Calculos::Jugada Jugar(std::string_view simbolo);
    void Colocado(Calculos::Jugada jugada);

private:
    void crearControles(const DefinicionPuzle &definicion);
    void crearGrupos();
    void crearCronometro();
    void crearMarco(const NombresPuzle &nombres);
    void conectar();

    void EscribirLabel1(const QString &texto);
    void CambiarBotonZ(QPushButton *sale, QPushButton *entra);
    void Label1_Change();
    void LabelFallos_Change();
    void Fallo();
    void Registro();

    void Timer1_Timer();
    void CommandStart_Click();
    void Command_Z_Click();
    void Command_No_Z_Click();
    void CommandRegistrarMarca_Click();
    void CommandBorrar_Click();

    struct {
        QLabel *Label1 = nullptr;
        QPushButton *CommandStart = nullptr;
        QTimer *Timer1 = nullptr;
        QLabel *LabelMinutos = nullptr;
        QLabel *LabelSegundos = nullptr;
        QLabel *LabelFallos = nullptr;
        QLabel *PalabraFallos = nullptr; // Label4 or Label18
        QListWidget *List1 = nullptr;
        QPushButton *Command_Z = nullptr;
        QPushButton *Command_No_Z = nullptr;

        QGroupBox *FrameMejorMarca = nullptr;
        QLineEdit *TextNombre = nullptr; // TextNombrePuzleFull or TextNombrePuzleRedu
        QLabel *MarcaMin = nullptr;
        QLabel *MarcaSg = nullptr;
        QLabel *MarcaFallos = nullptr;
        QPushButton *CommandRegistrarMarca = nullptr;
        QPushButton *CommandBorrar = nullptr;
    } ui;

    Calculos::Partida m_partida;
    std::vector<QLabel *> m_celdas;
    std::vector<QWidget *> m_orden; // every control, as Tab visits them
    // The stopwatch as the user knows it: on until something stops it, and
    // ticking only once the start button has given it an interval.
    bool m_cronometroHabilitado = true;
};
