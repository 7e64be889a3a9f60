#pragma once

#include <vector>

namespace Calculos {

// One write of a window that converts as the user types: box `destino`
// gets the value computed from what box `fuente` shows at that moment.
// Boxes are numbered by their place in the window's table of boxes.
struct PasoConversion {
    int destino;
    int fuente;
    friend bool operator==(const PasoConversion &, const PasoConversion &) = default;
};

// The rules of such a window: the writes that follow typing in box
// `origen`, in order, and the value each one writes.
struct Conversor {
    std::vector<PasoConversion> (*plan)(int origen);
    double (*valor)(int fuente, int destino, double x);
};

} // namespace Calculos
