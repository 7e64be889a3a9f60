#pragma once

#include "core/elementos.h"
#include "widgets/Formulario.h"

class QSlider;

// The periodic table coloured by one property of the elements, with its
// scale; the state of matter at a chosen temperature, and the elements
// known in a chosen year. A cell opens the element's card.
class FormPropiedades : public QWidget {
    Q_OBJECT

public:
    explicit FormPropiedades(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    bool focusNextPrevChild(bool next) override;

private:
    void crearControles();
    void crearCeldas();
    void conectar();

    void Pintar();
    void PintarLeyenda();
    void ComboPropiedad_Click();
    void SliderTemperatura_Change(int kelvin);
    void SliderAno_Change(int ano);
    void Celda_Click(int z);

    struct Controles {
        QComboBox *ComboPropiedad;
        QSlider *SliderTemperatura;
        QLabel *LabelTemperatura;
        QSlider *SliderAno;
        QLabel *LabelAno;
        QLabel *Leyenda;
        QLabel *LabelMinimo;
        QLabel *LabelMaximo;
        QLabel *LabelSinDato;
        std::array<QLabel *, Calculos::kNumeroElementos> Celdas; // index Z - 1
    } ui{};

    std::vector<QWidget *> m_orden; // Tab's order: the controls, then the cells
};
