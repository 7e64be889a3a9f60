#include "widgets/ElementoElegido.h"

#include "core/elementos.h"

ElementoElegido &ElementoElegido::Aviso()
{
    static ElementoElegido aviso;
    return aviso;
}

void ElementoElegido::Elegir(int z)
{
    if (z < 1 || z > Calculos::kNumeroElementos)
        return;
    m_z = z;
    emit elegido(z);
}
