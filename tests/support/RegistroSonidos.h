#pragma once

#include "platform/Sonido.h"

#include <QString>
#include <QStringList>

// Records every sound the program asks for instead of playing it, for as
// long as it lives.
class RegistroSonidos {
public:
    RegistroSonidos() : m_anterior(InstalarManejadorSonido([this](const QString &ruta) { rutas << ruta; })) {}
    ~RegistroSonidos() { InstalarManejadorSonido(m_anterior); }
    RegistroSonidos(const RegistroSonidos &) = delete;
    RegistroSonidos &operator=(const RegistroSonidos &) = delete;

    QStringList rutas;

private:
    ManejadorSonido m_anterior;
};
