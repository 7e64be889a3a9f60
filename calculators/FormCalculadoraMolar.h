#pragma once

#include "calculators/formula_empirica.h"
#include "widgets/VentanaCalculadora.h"

// Molar mass of a formula, grams <-> moles, the percent composition of the
// formula and, on its own, the empirical formula from mass percentages.
// Every value lives in the controls; each step reads back what the previous
// one displayed, so the rounding on screen is what the next step uses.
class FormCalculadoraMolar : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit FormCalculadoraMolar(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void crearFilas();
    void conectar();

    void CalcularMolar();
    void ConvertirCantidades();
    void Porcentual(const QString &formula, const Calculos::AnalisisFormula &analisis);
    void BorrarResultados();
    void OcultarPorcentajes();
    void AvisarDatosEmpiricos(Calculos::FalloDatos fallo, int fila);
    void MostrarSubindices(const Calculos::ResultadoEmpirico &resultado);

    bool BoxFormulaEmp_KeyPress(QKeyEvent *evento);
    void BoxFormulaEmp_Change(const QString &caracter);
    void Cantidad_Change(QLineEdit *otra);
    void Fila_Change();
    void Elemento_LostFocus(int n, QFocusEvent *evento);
    void Porcent_LostFocus(int n, QFocusEvent *evento);

    void Calcular_Click() override;
    void Borrar_Click() override;
    void CalcInd_Click();

    static constexpr int kFilas = Calculos::kFilasComposicion;

    // The captions (Label1..Label7) are not kept: nothing changes them.
    struct Controles {
        CajaFormula *BoxFormulaEmp;
        QLabel *LbMasaMolecular;
        QLineEdit *BoxMoles;
        QLineEdit *BoxGramos;

        QGroupBox *Frame2;
        std::array<QLabel *, kFilas> LP;
        std::array<QLabel *, kFilas> Atomo;
        std::array<QLabel *, kFilas> I;
        std::array<QLabel *, kFilas> Porcentaje;

        QGroupBox *Frame1;
        std::array<QLineEdit *, kFilas> Elemento;
        std::array<QLineEdit *, kFilas> Porcent;
        std::array<QLineEdit *, kFilas> Indice;
        QPushButton *CalcInd;
    } ui{};
};
