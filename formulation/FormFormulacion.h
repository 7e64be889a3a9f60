#pragma once

#include "widgets/VentanaCalculadora.h"

// Names a formula in every nomenclature, or formulates a name: the user types
// either into one box.
class FormFormulacion : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit FormFormulacion(QWidget *parent = nullptr);
    // Builds the compounds' catalogue, which the first name would wait for.
    static void Preparar();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void conectar();

    void Formular();
    void RetirarResultado();

    bool TextEntrada_KeyPress(QKeyEvent *evento);
    void Calcular_Click() override;
    void Borrar_Click() override;

    struct Controles {
        QLabel *LabelEntrada;
        QLineEdit *TextEntrada;
        std::array<QLabel *, 7> rotulos;
        QLabel *LabelFormula;
        QLabel *LabelTipo;
        QLabel *LabelComposicion;
        QLabel *LabelStock;
        QLabel *LabelHidrogeno;
        QLabel *LabelSustitucion;
        QLabel *LabelTradicional;
    } ui{};
};
