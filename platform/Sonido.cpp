#include "platform/Sonido.h"

#include "core/wav.h"

#include <QFile>

#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

namespace {

using Reloj = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The player gives up on its own this long after the sound's length; the
// caller waits a little more, for a device that blocks inside a call.
constexpr auto kMargenPropio = 500ms;
constexpr auto kMargenLlamada = std::chrono::milliseconds(kMargenSonidoMs) - kMargenPropio;
static_assert(kMargenLlamada > 0ms);

// Latency asked of the device: enough to ride over a busy moment.
constexpr unsigned kLatenciaUs = 100000;
constexpr auto kPaso = 10ms;

ManejadorSonido &Manejador()
{
    static ManejadorSonido manejador;
    return manejador;
}

// ALSA prints every failure to the terminal unless told otherwise.
void SinMensajes(const char *, int, const char *, int, const char *, ...) {}

// The ALSA library is loaded the first time a sound plays, not at start-up:
// most runs never play one. Without it there is no sound, and no failure.
struct Alsa {
    decltype(&snd_pcm_open) abrir = nullptr;
    decltype(&snd_pcm_close) cerrar = nullptr;
    decltype(&snd_pcm_set_params) ajustar = nullptr;
    decltype(&snd_pcm_writei) escribir = nullptr;
    decltype(&snd_pcm_wait) esperar = nullptr;
    decltype(&snd_pcm_recover) recuperar = nullptr;
    decltype(&snd_pcm_drain) vaciar = nullptr;
    decltype(&snd_pcm_state) estado = nullptr;

    bool Cargada() const { return estado != nullptr; }
};

template <class Funcion> bool Simbolo(void *biblioteca, const char *nombre, Funcion &funcion)
{
    funcion = reinterpret_cast<Funcion>(dlsym(biblioteca, nombre));
    return funcion != nullptr;
}

const Alsa &CargarAlsa()
{
    static const Alsa alsa = [] {
        Alsa a;
        void *biblioteca = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (biblioteca == nullptr)
            return a;
        decltype(&snd_lib_error_set_handler) silenciar = nullptr;
        const bool completa =
            Simbolo(biblioteca, "snd_pcm_open", a.abrir) && Simbolo(biblioteca, "snd_pcm_close", a.cerrar) &&
            Simbolo(biblioteca, "snd_pcm_set_params", a.ajustar) && Simbolo(biblioteca, "snd_pcm_writei", a.escribir) &&
            Simbolo(biblioteca, "snd_pcm_wait", a.esperar) && Simbolo(biblioteca, "snd_pcm_recover", a.recuperar) &&
            Simbolo(biblioteca, "snd_pcm_drain", a.vaciar) &&
            Simbolo(biblioteca, "snd_lib_error_set_handler", silenciar) &&
            Simbolo(biblioteca, "snd_pcm_state", a.estado);
        if (!completa)
            return Alsa{};
        silenciar(SinMensajes);
        return a;
    }();
    return alsa;
}

snd_pcm_format_t FormatoAlsa(int bits)
{
    switch (bits) {
    case 8:
        return SND_PCM_FORMAT_U8;
    case 16:
        return SND_PCM_FORMAT_S16_LE;
    case 24:
        return SND_PCM_FORMAT_S24_3LE;
    case 32:
        return SND_PCM_FORMAT_S32_LE;
    default:
        return SND_PCM_FORMAT_UNKNOWN;
    }
}

struct Reproduccion {
    Calculos::SonidoWav sonido;
    std::string dispositivo;
    Reloj::time_point limite;
    std::atomic<bool> abandonada{false};

    std::mutex mutex;
    std::condition_variable fin;
    bool terminada = false;
    bool completa = false;

    bool Seguir() const { return !abandonada && Reloj::now() < limite; }
    int EsperaMs() const
    {
        const auto queda = std::chrono::duration_cast<std::chrono::milliseconds>(limite - Reloj::now());
        return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(queda.count(), 0, 50));
    }
};

// Non-blocking all the way, so every step looks at the deadline.
bool Tocar(const Reproduccion &r, const Alsa &alsa)
{
    snd_pcm_t *pcm = nullptr;
    if (alsa.abrir(&pcm, r.dispositivo.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return false;
    // Closing drops whatever has not been played.
    const std::unique_ptr<snd_pcm_t, int (*)(snd_pcm_t *)> cierre(pcm, alsa.cerrar);
    const Calculos::SonidoWav &s = r.sonido;
    if (alsa.ajustar(pcm, FormatoAlsa(s.bitsPorMuestra), SND_PCM_ACCESS_RW_INTERLEAVED,
                     static_cast<unsigned>(s.canales), static_cast<unsigned>(s.muestrasPorSegundo), 1, kLatenciaUs) < 0)
        return false;

    const std::size_t total = s.Fotogramas();
    const std::size_t ancho = s.BytesPorFotograma();
    std::size_t hechos = 0;
    while (hechos < total) {
        if (!r.Seguir())
            return false;
        const snd_pcm_sframes_t n =
            alsa.escribir(pcm, s.datos.data() + hechos * ancho, static_cast<snd_pcm_uframes_t>(total - hechos));
        if (n == -EAGAIN || n == 0) {
            const int espera = alsa.esperar(pcm, r.EsperaMs());
            if (espera < 0 && alsa.recuperar(pcm, espera, 1) < 0)
                return false;
        } else if (n < 0) {
            // An underrun or a suspend; anything else is for good.
            if (alsa.recuperar(pcm, static_cast<int>(n), 1) < 0)
                return false;
        } else {
            hechos += static_cast<std::size_t>(n);
        }
    }
    // Non-blocking, the drain only starts here; the stream says when it is over.
    const int e = alsa.vaciar(pcm);
    if (e < 0 && e != -EAGAIN)
        return false;
    while (alsa.estado(pcm) == SND_PCM_STATE_DRAINING) {
        if (!r.Seguir())
            return false;
        std::this_thread::sleep_for(kPaso);
    }
    return true;
}

} // namespace

bool ReproducirWav(const QString &ruta, const char *dispositivo)
{
    Calculos::LecturaWav lectura = Calculos::LeerArchivoWav(QFile::encodeName(ruta).toStdString());
    if (lectura.error != Calculos::ErrorWav::Ninguno || lectura.sonido.Fotogramas() == 0 ||
        FormatoAlsa(lectura.sonido.bitsPorMuestra) == SND_PCM_FORMAT_UNKNOWN || dispositivo == nullptr)
        return false;

    const Alsa &alsa = CargarAlsa();
    if (!alsa.Cargada())
        return false;

    const auto inicio = Reloj::now();
    auto r = std::make_shared<Reproduccion>();
    r->dispositivo = dispositivo;
    r->limite = inicio +
                std::chrono::duration_cast<Reloj::duration>(std::chrono::duration<double>(lectura.sonido.Segundos())) +
                kMargenPropio;
    r->sonido = std::move(lectura.sonido);

    // A device may block inside a call, where no deadline reaches: the sound
    // plays on a thread of its own, which is left behind if it overstays.
    try {
        std::thread([r, &alsa] {
            const bool completa = Tocar(*r, alsa);
            const std::lock_guard<std::mutex> cerrojo(r->mutex);
            r->completa = completa;
            r->terminada = true;
            r->fin.notify_all();
        }).detach();
    } catch (const std::system_error &) {
        return false;
    }

    std::unique_lock<std::mutex> cerrojo(r->mutex);
    if (!r->fin.wait_until(cerrojo, r->limite + kMargenLlamada, [&r] { return r->terminada; })) {
        r->abandonada = true;
        return false;
    }
    return r->completa;
}

void ReproducirSonido(const QString &ruta)
{
    // Copy first: a handler may install another one while it runs.
    const ManejadorSonido manejador = Manejador();
    if (manejador)
        manejador(ruta);
    else
        ReproducirWav(ruta);
}

ManejadorSonido InstalarManejadorSonido(ManejadorSonido nuevo)
{
    ManejadorSonido anterior = std::move(Manejador());
    Manejador() = std::move(nuevo);
    return anterior;
}
