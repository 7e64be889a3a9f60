#pragma once

#include <QString>

#include <functional>

using ManejadorSonido = std::function<void(const QString &ruta)>;

// The longest a sound keeps its caller beyond the sound's own length.
inline constexpr int kMargenSonidoMs = 750;

// The ALSA device the program plays on.
inline const char *const kDispositivoSonido = "default";

// Every sound of the program goes through here: the WAV file at `ruta`
// played once, returning when it has ended. A missing, empty or damaged
// file, or no sound device, gives silence and returns at once; nothing is
// ever printed.
void ReproducirSonido(const QString &ruta);

// Replaces the way sounds are played (tests record them instead) and returns
// the previous handler. An empty handler restores the real player.
ManejadorSonido InstalarManejadorSonido(ManejadorSonido nuevo);

// The real player, on the named ALSA device. True when the whole sound
// reached the device and was played out; false on any failure, or when the
// device had not finished kMargenSonidoMs after the sound's length.
bool ReproducirWav(const QString &ruta, const char *dispositivo = kDispositivoSonido);
