#pragma once

#include "formulation/practica_formulacion.h"
#include "widgets/Formulario.h"

#include <memory>

// Practice: one compound at a time to name or to formulate, from the
// classes the student chooses, with a count of right and wrong answers.
class FormPracticaFormulacion : public QWidget {
    Q_OBJECT

public:
    explicit FormPracticaFormulacion(QWidget *parent = nullptr);
    // Builds the compounds' catalogue, which the first name would wait for.
    static void Preparar();
    ~FormPracticaFormulacion() override;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void conectar();

    void NuevoSorteo();
    void Preguntar();
    void ComprobarRespuesta();

    bool TextRespuesta_KeyPress(QKeyEvent *evento);
    void Comprobar_Click();
    void Siguiente_Click();
    void Clases_Click();
    void ComboModo_Click();

    struct Controles {
        QGroupBox *FrameClases;
        std::array<QCheckBox *, 13> clases;
        QLabel *LabelModo;
        QComboBox *ComboModo;
        QLabel *LabelEnunciado;
        QLabel *LabelPregunta;
        QLabel *LabelRespuesta;
        QLineEdit *TextRespuesta;
        QPushButton *Comprobar;
        QPushButton *Siguiente;
        QLabel *LabelA;
        QLabel *LabelAciertos;
        QLabel *LabelF;
        QLabel *LabelFallos;
        QLabel *LabelSolucion;
    } ui{};

    std::unique_ptr<Calculos::SorteoFormulacion> m_sorteo;
    Calculos::Pregunta m_pregunta;
    bool m_contestada = false;
    int m_aciertos = 0;
    int m_fallos = 0;
};
