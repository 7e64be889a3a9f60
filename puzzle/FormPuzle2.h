#pragma once

#include "core/elementos.h"
#include "puzzle/VentanaPuzle.h"

#include <array>

// The puzzle on the reduced table of 75 elements: La and Ac stand in
// column 3 and there are no rows below. Each cell is a symbol under a cover
// that takes the clicks; a placement takes the cover away.
class FormPuzle2 : public VentanaPuzle {
    Q_OBJECT

public:
    explicit FormPuzle2(QWidget *parent = nullptr);

private:
    void crearTablero();

    void Celda_Click(std::size_t celda) override;
    void EscribirNumeros(bool numeros) override;

    struct {
        // Index k - 1, k being the element's place in the reduced table.
        std::array<QLabel *, Calculos::kNumeroReducidos> Simbolos{};
        std::array<QLabel *, Calculos::kNumeroReducidos> Cubiertas{};
    } ui;
};
