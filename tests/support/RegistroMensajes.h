#pragma once

#include "widgets/Mensajes.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

struct MensajeMostrado {
    QPointer<QWidget> ventana;
    QString texto;
    QString titulo;
    Icono icono;
};

// Records every message instead of showing a box, for as long as it lives.
// `alMostrar` runs inside the "box", where the user would be looking at it.
class RegistroMensajes {
public:
    RegistroMensajes();
    ~RegistroMensajes();
    RegistroMensajes(const RegistroMensajes &) = delete;
    RegistroMensajes &operator=(const RegistroMensajes &) = delete;

    std::vector<MensajeMostrado> mensajes;
    std::function<void(const MensajeMostrado &)> alMostrar;

    QStringList textos() const;
    // Each message as the user sees it: "Error (x): Error." for the title
    // "Error" with the error icon, "Orvella: Valores no válidos." without it.
    QStringList vistos() const;

private:
    ManejadorMensajes m_anterior;
};
