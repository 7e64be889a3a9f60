#pragma once

#include "widgets/VentanaCalculadora.h"

#include <optional>

// The real roots of a x² + b x + c = 0, as equilibrium problems need them.
// A result stays until a key is pressed in a coefficient box or the window
// is cleared.
class FormEcCuadratica : public VentanaCalculadora {
    Q_OBJECT

public:
    explicit FormEcCuadratica(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void crearEcuacion();
    void conectar();

    void CalcularEc();
    void MostrarRaices(double x1, std::optional<double> x2);
    void RetirarResultado();

    bool Coeficiente_KeyPress(QKeyEvent *evento);
    void Calcular_Click() override;
    void Borrar_Click() override;

    struct Controles {
        QLabel *Label2;
        QLabel *Label3;
        QLineEdit *Texta;
        QLineEdit *Textb;
        QLineEdit *Textc;
        QLabel *Label1;
        QLabel *Resultado1;
        QLabel *Label8;
        QLabel *Label7;
        QLabel *Resultado2;
    } ui{};
};
