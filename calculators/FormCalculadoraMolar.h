#pragma once

#include <QWidget>

#include <array>

class CajaFormula;
class GuardiaFoco;
class QFocusEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Molar mass of a formula, grams <-> moles, the percent composition of the
// formula and, on its own, the empirical formula from mass percentages.
// Every value lives in the controls; each step reads back what the previous
// one displayed, so the rounding on screen is what the next step uses.
class FormCalculadoraMolar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFilas = 10;

    explicit FormCalculadoraMolar(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void conectar();

    void CalcularMolar();
    double MasaMolecular(QString &formula);
    void Porcentual(const QString &formula);
    void BorrarResultados();
    void OcultarPorcentajes();

    bool BoxFormulaEmp_KeyPress(QKeyEvent *evento);
    bool BoxMoles_KeyPress(QKeyEvent *evento);
    bool BoxGramos_KeyPress(QKeyEvent *evento);
    bool Cantidad_KeyPress(QLineEdit *propia, QLineEdit *otra, QKeyEvent *evento);
    bool Porcent_KeyPress(int n, QKeyEvent *evento);
    void Elemento_KeyUp(QKeyEvent *evento);
    void Porcent_KeyUp(QKeyEvent *evento);
    void Elemento_LostFocus(int n, QFocusEvent *evento);
    void Porcent_LostFocus(int n, QFocusEvent *evento);

    void cbCalcular_Click();
    void cbBorrar_Click();
    void Informacion_Click();
    void CalcInd_Click();

    void Avisar(const QString &texto);
    void Error(const QString &texto);

    struct Controles {
        QLabel *Label1;
        CajaFormula *BoxFormulaEmp;
        QLabel *Label2;
        QLabel *LbMasaMolecular;
        QLabel *Label3;
        QLineEdit *BoxMoles;
        QLabel *Label4;
        QLineEdit *BoxGramos;
        QPushButton *cbCalcular;
        QPushButton *cbBorrar;
        QPushButton *Informacion;
        QTextEdit *RichTextBox1;

        QGroupBox *Frame2;
        std::array<QLabel *, kFilas> LP;
        std::array<QLabel *, kFilas> Atomo;
        std::array<QLabel *, kFilas> I;
        std::array<QLabel *, kFilas> Porcentaje;

        QGroupBox *Frame1;
        QLabel *Label5;
        QLabel *Label6;
        QLabel *Label7;
        std::array<QLineEdit *, kFilas> Elemento;
        std::array<QLineEdit *, kFilas> Porcent;
        std::array<QLineEdit *, kFilas> Indice;
        QPushButton *CalcInd;
    } ui{};

    GuardiaFoco *m_guardia = nullptr;
};
