#pragma once

#include "platform/Sonido.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// Records every sound the program asks for instead of playing it, for as
// long as it lives. Each sound ends at once, unless `retener` holds it until
// Terminar().
class RegistroSonidos {
public:
    RegistroSonidos()
        : m_anterior(InstalarManejadorSonido([this](const QString &ruta, FinSonido fin) {
              rutas << ruta;
              if (retener)
                  m_sonando.push_back(std::move(fin));
              else
                  fin();
          }))
    {
    }
    ~RegistroSonidos() { InstalarManejadorSonido(m_anterior); }
    RegistroSonidos(const RegistroSonidos &) = delete;
    RegistroSonidos &operator=(const RegistroSonidos &) = delete;

    // Ends the sounds held so far.
    void Terminar()
    {
        for (const FinSonido &fin : std::exchange(m_sonando, {}))
            fin();
    }

    QStringList rutas;
    bool retener = false;

private:
    std::vector<FinSonido> m_sonando;
    ManejadorSonido m_anterior;
};
