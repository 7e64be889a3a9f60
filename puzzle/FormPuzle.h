#pragma once

#include "core/elementos.h"
#include "puzzle/VentanaPuzle.h"

#include <array>

// The puzzle on the whole table: the 118 cells, with the lanthanides and
// actinides in two rows below it.
class FormPuzle : public VentanaPuzle {
    Q_OBJECT

public:
    explicit FormPuzle(QWidget *parent = nullptr);

private:
    void crearTablero();
    void crearAdornos();

    void Celda_Click(std::size_t celda) override;
    void EscribirNumeros(bool numeros) override;

    struct {
        std::array<QLabel *, Calculos::kNumeroElementos> Celdas{}; // index Z - 1
    } ui;
};
