#pragma once

#include "converters/conversiones.h"

#include <QWidget>

#include <array>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Converts a temperature between Celsius, Fahrenheit and kelvin as the user
// types, and snaps all three boxes to absolute zero when it is passed.
class FormTemperatura : public QWidget {
    Q_OBJECT

public:
    explicit FormTemperatura(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    struct {
        std::array<QLineEdit *, Conversiones::kEscalas> cajas{}; // TextC, TextF, TextK
        QLabel *LabelC2 = nullptr;
        QLabel *LabelF3 = nullptr;
        QLabel *LabelK = nullptr;
        QLabel *Igual1 = nullptr;
        QLabel *Igual2 = nullptr;
        QLabel *LabelR1 = nullptr;
        QLabel *LabelR2 = nullptr;
        QPushButton *Informacion = nullptr;
        QTextEdit *RTBinformacion = nullptr;
    } ui;

    void crearControles();
    void conectar();
    QLineEdit *Caja(Conversiones::Escala escala) const;

    bool Caja_KeyPress(Conversiones::Escala escala, QKeyEvent *evento);
    void Caja_KeyUp(Conversiones::Escala escala, QKeyEvent *evento);
    void TextK_Change();
    void TextF_Change();
    void Informacion_Click();

    void Convertir(Conversiones::Escala origen);
    void CeroAbsoluto();
    void AjustarAltura();

    // Set while the boxes are being snapped to absolute zero, so the watchers
    // that see those writes do not start the snap again.
    bool m_enCeroAbsoluto = false;
};
