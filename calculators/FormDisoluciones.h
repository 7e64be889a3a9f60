#pragma once

#include "calculators/disoluciones.h"
#include "widgets/VentanaCalculadora.h"

#include <optional>

// How much solute to take for a volume of a solution of a given
// concentration: a solid to weigh, a pure liquid of known density, or a
// stock solution to dilute. The molar mass is typed or comes from a formula.
class FormDisoluciones : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit FormDisoluciones(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void crearListas();
    void ordenarTabulacion();
    void conectar();

    void CalcularDisol();
    bool DatosValidos();
    std::optional<Calculos::Cantidad> LeerPartida();
    void CalcularSolido(const Calculos::Cantidad &deseada, double litros, double pm);
    void CalcularLiquido(const Calculos::Cantidad &deseada, double litros, double pm);
    void CalcularDisolucion(const Calculos::Cantidad &deseada, const Calculos::Cantidad &partida, double litros,
                            double pm);
    void Rechazar(const QString &texto, QWidget *foco);
    void BorrarResultados();

    bool RTBFormula_KeyPress(QKeyEvent *evento);
    void RTBFormula_Change();
    bool Numero_KeyPress(QKeyEvent *evento);
    void Numero_Change(QLineEdit *caja);
    bool Lista_KeyPress(QKeyEvent *evento);
    void Control_GotFocus(QObject *control, QFocusEvent *evento);
    void TextConcInicial_LostFocus(QFocusEvent *evento);
    void TextDensidad_LostFocus(QFocusEvent *evento);

    void Calcular_Click() override;

    // The captions (Label1..Label8) are not kept: nothing changes them.
    struct Controles {
        QGroupBox *Frame1;
        CajaFormula *RTBFormula;
        QLineEdit *TextPm;
        QRadioButton *OptionSolido;
        QRadioButton *OptionLiquido;
        QLineEdit *TextDensidad;
        QRadioButton *OptionDisol;
        QLineEdit *TextConcInicial;
        QComboBox *ComboConcInicial;

        QGroupBox *Frame3;
        QLineEdit *TextConcFinal;
        QComboBox *ComboConcFinal;
        QLineEdit *TextVolumen;
        QComboBox *ComboVolumen;

        QGroupBox *Frame2;
        QLabel *LabelResultado;
        QLabel *UnidadResul;
        QLabel *LabelResultado2;
        QLabel *UnidadResul2;
    } ui{};
};
