#pragma once

#include "calculators/decaimiento.h"
#include "widgets/VentanaCalculadora.h"

class Flechas;

// The activity of a radioactive sample at a second date and time, from its
// activity at a first one and its half-life, chosen by nuclide or typed.
// There is no calculate button: almost every change recalculates, which is
// always Intervalo followed by CalcularDecay. The interval travels between
// the two in the hidden box Horas, as the text it shows.
class FormDecay : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit FormDecay(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void crearInstantes();
    void crearIntervalo();
    void crearActividad();
    void crearResultado();
    void conectar();

    void Recalcular();
    void Intervalo();
    void CalcularDecay();
    std::optional<double> PeriodoSemidesintegracion();
    void MostrarActividad(const std::optional<Calculos::ActividadMostrada> &actividad);
    void MostrarParte(QLabel *valor, QLabel *unidad, const Calculos::ParteIntervalo &parte);
    void VaciarResultado();
    void SinRadionuclido();

    void TextAct1_Change();
    void TextPeriodo_Change();
    void Tiempo_Change(QLineEdit *caja);
    void Caja_LostFocus(QLineEdit *caja, QFocusEvent *evento);

    void ComboRadionucl_Click();
    void ComboTiempo_Click();
    void ComboUnidades_Click();

    void UpDownHora_Change(QLineEdit *hora, Calculos::Sentido sentido);
    void UpDownMinuto_Change(QLineEdit *minutos, QLineEdit *hora, bool diez, Calculos::Sentido sentido);
    void UpDownActividad_Change(Calculos::SaltoActividad salto, Calculos::Sentido sentido);
    void AplicarPaso(const Calculos::Paso &paso, QLineEdit *caja, QLineEdit *hora);

    static constexpr int kFlechas = 9;

    // The captions that nothing changes (Label1..Label11 but the unit labels
    // of the interval) are not kept.
    struct Controles {
        QDateEdit *DTPicker1;
        QLineEdit *TextHora1;
        QLineEdit *TextMin1;
        QDateEdit *DTPicker2;
        QLineEdit *TextHora2;
        QLineEdit *TextMin2;
        std::array<Flechas *, kFlechas> UpDown; // UpDown1..UpDown9

        QLineEdit *TextAct1;
        QComboBox *ComboUnidades;
        QComboBox *ComboRadionucl;
        QLineEdit *TextPeriodo;
        QComboBox *ComboTiempo;

        QGroupBox *Frame1;
        QLabel *LabelDias;
        QLabel *Label41;
        QLabel *LabelHoras;
        QLabel *Label44;
        QLabel *LabelMin;
        QLabel *Label45;
        QLineEdit *Horas;

        QLabel *LabelAct2;
        QLabel *LabelUnidades;
        QLabel *Image1;
    } ui{};
};
