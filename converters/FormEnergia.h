#pragma once

#include "converters/conversiones.h"

#include <QWidget>

#include <array>

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Converts energies as the user types, in two groups that never touch each
// other: cal and J, and kcal/mol, kJ/mol and eV.
class FormEnergia : public QWidget {
    Q_OBJECT

public:
    explicit FormEnergia(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    struct {
        // TextCal, TextJ, TextCalMol, TextJMol, TexteV
        std::array<QLineEdit *, Conversiones::kUnidadesEnergia> cajas{};
        std::array<QLabel *, Conversiones::kUnidadesEnergia> etiquetas{}; // Label1, Label2, Label5, Label6, Label4
        QFrame *Line1 = nullptr;
        QPushButton *Informacion = nullptr;
        QTextEdit *RichTextBox1 = nullptr;
    } ui;

    void crearControles();
    void conectar();
    QLineEdit *Caja(Conversiones::UnidadEnergia unidad) const;

    bool Caja_KeyPress(Conversiones::UnidadEnergia unidad, QKeyEvent *evento);
    void Caja_KeyUp(Conversiones::UnidadEnergia unidad, QKeyEvent *evento);
    void Informacion_Click();

    void Convertir(Conversiones::UnidadEnergia origen);
    void AjustarAltura();
};
