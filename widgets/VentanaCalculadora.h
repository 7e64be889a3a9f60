#pragma once

#include "core/formula.h"
#include "widgets/Formulario.h"
#include "widgets/Mensajes.h"

// What a calculator says of a formula it cannot read: an error (titled
// "Error", with its icon) or a notice (no icon). No text: nothing is said.
struct MensajeFormula {
    const char *texto = nullptr;
    Icono icono = Icono::Error;
};

struct MensajesFormula {
    MensajeFormula empiezaPorNumero{};
    MensajeFormula simboloDesconocido{};
};

// What every calculator window shares: its picture buttons and information
// panel, the check of the fields the user leaves and the mass of a formula.
// The window prepares itself (PrepararVentana: its name is that of its own
// class), makes its own controls and says what its calculate and clear
// buttons do.
class VentanaCalculadora : public QWidget {
    Q_OBJECT

protected:
    explicit VentanaCalculadora(QWidget *parent);

    // The calculate, clear and information buttons, in a row that ends with
    // the information button at `informacion`; a window without a calculate
    // or clear button gives no name for it.
    void CrearBotones(const char *calcular, const char *borrar, QPoint informacion);
    // The information panel, hidden until the information button shows it.
    void CrearAyuda(const char *html, const QRect &zona, const QFont &letra);
    virtual void Calcular_Click() {}
    virtual void Borrar_Click() {}

    // The formula's mass; a formula it cannot read gets the window's message
    // for its fault, the focus back in `caja`, and 0.
    double MasaDeFormula(const Calculos::AnalisisFormula &analisis, QWidget *caja, const MensajesFormula &mensajes);
    double MasaDeFormula(CajaFormula *caja, const MensajesFormula &mensajes);

    QPushButton *BotonCalcular() const { return ui.calcular; }
    void OcultarAyuda();
    GuardiaFoco *Guardia() const { return m_guardia; }

private:
    void Informacion_Click();

    GuardiaFoco *m_guardia;
    struct {
        QPushButton *calcular = nullptr;
        QTextEdit *RichTextBox1 = nullptr;
    } ui;
};
