#include "platform/Azar.h"

#include <chrono>
#include <utility>

namespace {

ManejadorSemilla &Manejador()
{
    static ManejadorSemilla manejador;
    return manejador;
}

std::uint32_t SemillaDelReloj()
{
    const auto ns = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return static_cast<std::uint32_t>(ns ^ (ns >> 32U));
}

} // namespace

std::uint32_t SemillaAzar()
{
    const ManejadorSemilla manejador = Manejador();
    return manejador ? manejador() : SemillaDelReloj();
}

ManejadorSemilla InstalarManejadorSemilla(ManejadorSemilla nuevo)
{
    return std::exchange(Manejador(), std::move(nuevo));
}
