#pragma once

#include <QDate>

#include <functional>

using ProveedorFecha = std::function<QDate()>;

// Today's date, as the system gives it (or as a test fixed it).
QDate Hoy();

// Replaces where today's date comes from (tests fix it) and returns the
// previous source. An empty one restores the system's date.
ProveedorFecha InstalarHoy(ProveedorFecha nuevo);
