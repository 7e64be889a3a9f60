#pragma once

#include "calculators/rendimiento.h"
#include "widgets/VentanaCalculadora.h"

// The percentage yield of a reaction from the limiting reagent and the
// product: formula, stoichiometric coefficient and mass of each. Every value
// lives in a box, the working values in hidden ones, and is read back from
// its text.
class FormRendimiento : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit FormRendimiento(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void conectar();

    void Calcular();
    bool DatosCompletos();
    bool MasasMolares();
    void MostrarRendimiento();
    double MasaMolecularReact();
    double MasaMolecularProd();
    void Avisar(const QString &texto, QWidget *foco);

    void Caja_Change();
    void Numero_LostFocus(QLineEdit *caja, QFocusEvent *evento);

    void Calcular_Click() override;
    void Borrar_Click() override;

    // The captions (Label1, Label2, Label3, Label5..Label7) are not kept:
    // nothing changes them.
    struct Controles {
        CajaFormula *BoxFormulaEmpReact;
        CajaFormula *BoxFormulaEmpProd;
        QLineEdit *TextCoefReact;
        QLineEdit *TextCoefProd;
        QLineEdit *TextMasaReact;
        QLineEdit *TextMasaProd;
        QLabel *LabelRendimiento;
        QLineEdit *PmReactivo;
        QLineEdit *PmProducto;
        QLineEdit *MasaTeoricaProducto;
    } ui{};

    // The four number boxes, in the order they are checked.
    std::array<QLineEdit *, 4> m_numeros{};
};
