#pragma once

#include "tests/monkey/Reglas.h"
#include "widgets/Lanzador.h"

#include <QMap>
#include <QString>

#include <chrono>
#include <cstdint>

struct OpcionesMono {
    std::uint32_t semilla = 12;
    int eventos = 5000;
    // The longest one event may take before the window is taken for hung.
    std::chrono::milliseconds vigia{5000};
};

// The stream's size, seed and watchdog for a window: ORVELLA_MONKEY_EVENTOS,
// ORVELLA_MONKEY_SEMILLA and ORVELLA_MONKEY_VIGIA_MS when set; otherwise a
// short run (shorter still under the sanitizers) from a seed of its own.
OpcionesMono OpcionesDelEntorno(const QString &clase);

struct CifrasMono {
    int eventos = 0;
    double segundos = 0;
    int mensajes = 0;
    long comprobaciones = 0;
    int hallazgos = 0;
    int aperturas = 0;             // the window opened again (a dialog closed on Escape, a new game)
    QMap<QString, int> porMensaje; // how often each message was shown
};

// Opens the window of `ficha` as its menu entry does and sends it a stream of
// random events drawn from `opciones.semilla`: keys, pastes of hostile texts,
// clicks on its controls, list entries, dates and timer ticks. Messages are
// recorded instead of shown, sounds recorded instead of played, records kept
// in a folder of the run's own, games dealt from fixed seeds and today's date
// fixed. After every event it checks that no text shows inf, nan or -0 and
// that the window's invariants hold; each finding is a test failure that
// names the event and the ones before it. A window that does not come back
// from an event within `opciones.vigia` aborts the program with a message.
CifrasMono CorrerMono(const FichaVentana &ficha, Reglas &reglas, const OpcionesMono &opciones);
