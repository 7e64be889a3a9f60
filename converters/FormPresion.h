#pragma once

#include "converters/conversiones.h"

#include <QWidget>

#include <array>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Converts a pressure between six units as the user types, always through
// the atmosphere box.
class FormPresion : public QWidget {
    Q_OBJECT

public:
    explicit FormPresion(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    struct {
        // TextAtm, TextHg, TextBar, TextPa, TextDina, TextKg
        std::array<QLineEdit *, Conversiones::kUnidadesPresion> cajas{};
        std::array<QLabel *, 9> etiquetas{}; // Label1..Label9
        QPushButton *Informacion = nullptr;
        QTextEdit *RichTextBox1 = nullptr;
    } ui;

    void crearControles();
    void conectar();
    QLineEdit *Caja(Conversiones::UnidadPresion unidad) const;

    bool Caja_KeyPress(Conversiones::UnidadPresion unidad, QKeyEvent *evento);
    void Caja_KeyUp(Conversiones::UnidadPresion unidad, QKeyEvent *evento);
    void Informacion_Click();

    void Convertir(Conversiones::UnidadPresion origen);
    void AjustarAltura();
};
