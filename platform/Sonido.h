#pragma once

#include <QString>

#include <functional>

class QObject;

using FinSonido = std::function<void()>;
using ManejadorSonido = std::function<void(const QString &ruta, FinSonido fin)>;

// The longest a sound holds back what comes after it, whatever the sound
// server does.
inline constexpr int kEsperaMaximaSonidoMs = 10000;

// Every sound of the program goes through here: the file at `ruta` played
// once through libcanberra, the desktop's event-sound library, without
// waiting for it. `alTerminar` runs from the event loop when the sound has
// ended or failed, after kEsperaMaximaSonidoMs at the latest, and before
// the call returns when there is no file; never once `contexto` is gone.
// Nothing is ever shown.
void ReproducirSonido(const QString &ruta, QObject *contexto, FinSonido alTerminar);

// Replaces the player (tests record the sounds instead) and returns the
// previous one; the handler calls `fin` when its sound is over. An empty
// handler restores the real player.
ManejadorSonido InstalarManejadorSonido(ManejadorSonido nuevo);
