#pragma once

#include "calculators/ecuaciones.h"
#include "widgets/VentanaCalculadora.h"

#include <optional>
#include <vector>

class QTableWidget;

// Balances a chemical equation, checks its atoms and charge side by side,
// and works out its amounts: the moles or grams typed for some species give
// the others, the limiting reagent and what is left of each reactant in
// excess.
class FormEcuaciones : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit FormEcuaciones(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void conectar();

    void AjustarEcuacion();
    void LlenarTablas();
    void Recalcular();
    void RetirarResultado();
    QString NombreCantidad(std::size_t especie, int columna) const;

    bool TextEcuacion_KeyPress(QKeyEvent *evento);
    void TextEcuacion_Change();
    void TablaEstequiometria_Change(int fila, int columna);
    void Calcular_Click() override;
    void Borrar_Click() override;

    struct Controles {
        QLabel *Label1;
        QLineEdit *TextEcuacion;
        QLabel *LabelAjustada;
        QLabel *Label2;
        QTableWidget *TablaAtomos;
        QLabel *Label3;
        QTableWidget *TablaEstequiometria;
        QLabel *LabelLimitante;
        QLabel *LabelExceso;
    } ui{};

    // An amount the user typed in a row: in which column, and its value when
    // it is a number.
    struct Dato {
        int columna;
        std::optional<double> valor;
    };

    Calculos::AjusteEcuacion m_ajuste;
    std::vector<std::optional<Dato>> m_dados;
    bool m_escribiendo = false; // the window itself is filling the table
};
