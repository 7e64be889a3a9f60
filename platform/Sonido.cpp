#include "platform/Sonido.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QPointer>
#include <QTimer>

#include <canberra.h>

#include <cstdint>
#include <map>
#include <system_error>
#include <thread>
#include <utility>

namespace {

ManejadorSonido &Manejador()
{
    static ManejadorSonido manejador;
    return manejador;
}

struct Pendiente {
    QPointer<QObject> contexto;
    FinSonido alTerminar;
};

// The sounds not over yet, by id. Only the main thread touches them.
std::map<std::uint32_t, Pendiente> &Pendientes()
{
    static std::map<std::uint32_t, Pendiente> pendientes;
    return pendientes;
}

// A sound may be ended twice (by the library and by the time limit): the
// first one counts.
void Terminar(std::uint32_t id)
{
    const auto it = Pendientes().find(id);
    if (it == Pendientes().end())
        return;
    const Pendiente pendiente = std::move(it->second);
    Pendientes().erase(it);
    if (pendiente.contexto)
        pendiente.alTerminar();
}

// From any thread.
void AvisarFin(std::uint32_t id)
{
    if (QCoreApplication *aplicacion = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            aplicacion, [id] { Terminar(id); }, Qt::QueuedConnection);
}

void FinCanberra(ca_context *, std::uint32_t id, int, void *)
{
    AvisarFin(id);
}

// libcanberra is loaded at the first sound, not at start-up (with its sound
// server client it costs tens of milliseconds and a few megabytes); without
// it there is silence.
struct Canberra {
    decltype(&ca_context_play_full) tocar = nullptr;
    decltype(&ca_context_playing) sonando = nullptr;
    decltype(&ca_proplist_create) crearPropiedades = nullptr;
    decltype(&ca_proplist_sets) ponerPropiedad = nullptr;
    decltype(&ca_proplist_destroy) destruirPropiedades = nullptr;
    ca_context *contexto = nullptr;
};

template <class Funcion> bool Resolver(QLibrary &biblioteca, const char *nombre, Funcion &funcion)
{
    funcion = reinterpret_cast<Funcion>(biblioteca.resolve(nombre));
    return funcion != nullptr;
}

Canberra Abrir()
{
    static QLibrary biblioteca(QStringLiteral("canberra"), 0);
    Canberra ca;
    decltype(&ca_context_create) crear = nullptr;
    decltype(&ca_context_change_props) propiedades = nullptr;
    decltype(&ca_context_set_driver) driver = nullptr;
    decltype(&ca_context_open) abrir = nullptr;
    if (!(Resolver(biblioteca, "ca_context_create", crear) &&
          Resolver(biblioteca, "ca_context_change_props", propiedades) &&
          Resolver(biblioteca, "ca_context_set_driver", driver) && Resolver(biblioteca, "ca_context_open", abrir) &&
          Resolver(biblioteca, "ca_context_play_full", ca.tocar) &&
          Resolver(biblioteca, "ca_context_playing", ca.sonando) &&
          Resolver(biblioteca, "ca_proplist_create", ca.crearPropiedades) &&
          Resolver(biblioteca, "ca_proplist_sets", ca.ponerPropiedad) &&
          Resolver(biblioteca, "ca_proplist_destroy", ca.destruirPropiedades)) ||
        crear(&ca.contexto) < 0)
        return {};
    propiedades(ca.contexto, CA_PROP_APPLICATION_NAME, "Orvella", nullptr);
    // Its PulseAudio module may be installed where no sound server runs:
    // ALSA alone plays there.
    if (abrir(ca.contexto) < 0 && driver(ca.contexto, "alsa") == CA_SUCCESS && abrir(ca.contexto) < 0)
        driver(ca.contexto, nullptr);
    return ca;
}

// On a thread of its own: the first call loads the library and connects to
// the sound server, and a stuck server can hold any call.
void Tocar(const QByteArray &ruta, std::uint32_t id)
{
    static const Canberra ca = Abrir();
    ca_proplist *propiedades = nullptr;
    if (ca.contexto == nullptr || ca.crearPropiedades(&propiedades) < 0)
        return AvisarFin(id);
    ca.ponerPropiedad(propiedades, CA_PROP_MEDIA_FILENAME, ruta.constData());
    ca.ponerPropiedad(propiedades, CA_PROP_MEDIA_ROLE, "event");
    const int error = ca.tocar(ca.contexto, id, propiedades, FinCanberra, nullptr);
    ca.destruirPropiedades(propiedades);
    // No callback follows a failure, nor a sound over before the call
    // returned.
    int sonando = 0;
    if (error < 0 || ca.sonando(ca.contexto, id, &sonando) < 0 || sonando == 0)
        AvisarFin(id);
}

} // namespace

void ReproducirSonido(const QString &ruta, QObject *contexto, FinSonido alTerminar)
{
    static std::uint32_t ultimo = 0;
    const std::uint32_t id = ++ultimo;
    Pendientes()[id] = {contexto, std::move(alTerminar)};

    auto *tope = new QTimer(contexto);
    tope->setObjectName(QStringLiteral("TopeSonido"));
    tope->setSingleShot(true);
    QObject::connect(tope, &QTimer::timeout, tope, [id, tope] {
        tope->deleteLater();
        Terminar(id);
    });
    tope->start(kEsperaMaximaSonidoMs);

    // Copy first: a handler may install another one while it runs.
    const ManejadorSonido manejador = Manejador();
    if (manejador)
        return manejador(ruta, [id] { Terminar(id); });
    // Nothing to load the library for; and a pipe or a folder would hold its
    // read for ever.
    if (!QFileInfo(ruta).isFile())
        return Terminar(id);
    try {
        std::thread(Tocar, QFile::encodeName(ruta), id).detach();
    } catch (const std::system_error &) {
        AvisarFin(id);
    }
}

ManejadorSonido InstalarManejadorSonido(ManejadorSonido nuevo)
{
    ManejadorSonido anterior = std::move(Manejador());
    Manejador() = std::move(nuevo);
    return anterior;
}
