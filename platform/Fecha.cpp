#include "platform/Fecha.h"

namespace {

ProveedorFecha &Proveedor()
{
    static ProveedorFecha proveedor;
    return proveedor;
}

} // namespace

QDate Hoy()
{
    const ProveedorFecha proveedor = Proveedor();
    return proveedor ? proveedor() : QDate::currentDate();
}

ProveedorFecha InstalarHoy(ProveedorFecha nuevo)
{
    ProveedorFecha anterior = std::move(Proveedor());
    Proveedor() = std::move(nuevo);
    return anterior;
}
