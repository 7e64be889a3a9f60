#pragma once

#include "core/elementos.h"
#include "widgets/Formulario.h"

// The card of one element: everything the sources say of it, in Spanish.
// It opens on the element the periodic table's panel shows and follows every
// tile the user chooses there; ComboElemento picks any other.
class FormFicha : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCampos = 19;

    explicit FormFicha(QWidget *parent = nullptr);

    // Shows element z (1..118; anything else is ignored).
    void Mostrar(int z);
    int Elemento() const { return m_z; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void conectar();

    void ComboElemento_Click(int indice);
    void ComboElemento_Buscar();

    struct Controles {
        QComboBox *ComboElemento;
        std::array<QLabel *, kCampos> Valores; // LabelSimbolo .. LabelOxidacion
        QListWidget *ListaIsotopos;
    } ui{};

    int m_z = 0;
};
