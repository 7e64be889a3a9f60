#pragma once

#include "core/elementos.h"
#include "widgets/Lanzador.h"

#include <QMainWindow>

#include <array>
#include <span>
#include <vector>

class QAction;
class QFrame;
class QLabel;

// The periodic table: 118 tiles, the information panel that shows the last
// tile released, and the menu that opens every other window.
class FormPrincipal : public QMainWindow {
    Q_OBJECT

public:
    // Alone, the window builds its whole menu, but only "Cerrar" does
    // anything; each entry that one of `ventanas` names opens that window.
    explicit FormPrincipal(QWidget *parent = nullptr);
    explicit FormPrincipal(std::span<const FichaVentana> ventanas, QWidget *parent = nullptr);

    // Client area, without the menu bar.
    static constexpr int kAncho = 1139;
    static constexpr int kAlto = 609;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    bool focusNextPrevChild(bool next) override;

private:
    void crearControles();
    void crearPanel();
    void crearMenu();
    void conectar(std::span<const FichaVentana> ventanas);

    void Form_Paint();
    void Casilla_MouseDown(QLabel *casilla);
    void Casilla_MouseUp(QLabel *casilla);
    int IndiceCasilla(const QObject *objeto) const;

    struct {
        QWidget *Fondo = nullptr;
        std::array<QLabel *, Calculos::kNumeroElementos> Casillas{}; // index Z - 1
        QLabel *Lantanidos = nullptr;
        QLabel *Actinidos = nullptr;
        std::array<QLabel *, 18> Grupos{}; // index group - 1
        QFrame *Picture1 = nullptr;
        QLabel *Label1 = nullptr;
        QLabel *Label2 = nullptr;
        QLabel *Label3 = nullptr;
        QLabel *Label4 = nullptr;
    } ui;

    std::vector<QWidget *> m_orden; // the tiles, as Tab visits them
};
