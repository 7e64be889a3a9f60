#pragma once

#include <array>
#include <optional>
#include <string_view>

// The arithmetic of the radioactive-decay window: the nuclide catalogue, the
// half-life in hours, the elapsed time between the two instants, the decay law,
// the unit the result is shown in and the steps of the spinners. The window
// reads the boxes, shows the messages and writes the results; these functions
// give it the numbers and the decisions.
namespace Calculos {

struct Radionuclido {
    std::string_view nombre;
    std::string_view periodo; // the half-life as put on screen
    std::string_view unidad;  // its time unit, one of UnidadesTiempo
    double horas;             // the half-life the calculation uses, not a conversion of `periodo`
};

inline constexpr int kNumeroRadionuclidos = 48;

// clang-format off
inline constexpr std::array<Radionuclido, kNumeroRadionuclidos> TablaRadionuclidos{{
    {"Ac-227", "22", "años", 192720},
    {"Ag-111", "7,5", "días", 180},
    {"Am-241", "433", "años", 3793080},
    {"Au-198", "64,68", "horas", 64.68},
    {"Ba-131", "12", "días", 288},
    {"Ba-133", "10,8", "años", 94608},
    {"C-11", "20,3", "min.", 0.33833},
    {"C-14", "5730", "años", 50194800},
    {"Ca-45", "163", "días", 3912},
    {"Ca-47", "4,54", "días", 108.97},
    {"Co-57", "270", "días", 6480},
    {"Co-58", "71,3", "días", 1711.2},
    {"Co-60", "5,272", "años", 46182.72},
    {"Cr-51", "27,7", "días", 664.8},
    {"Cs-137", "30", "años", 262800},
    {"F-18", "109,6", "min.", 1.826667},
    {"Fe-52", "8,3", "horas", 8.3},
    {"Fe-59", "44,6", "días", 1070.4},
    {"Ga-67", "78,26", "horas", 78.26},
    {"Gd-153", "241,6", "días", 5798.4},
    {"H-3", "12,35", "años", 108186},
    {"Hg-197", "65", "horas", 65},
    {"Hg-203", "46,6", "días", 1118.4},
    {"I-123", "13,2", "horas", 13.2},
    {"I-125", "60", "días", 1440},
    {"I-131", "8,04", "días", 192.96},
    {"In-111", "67,4", "horas", 67.4},
    {"In-113m", "99,4", "min.", 1.656667},
    {"Kr-85", "10,73", "años", 93994.8},
    {"Mo-99", "66,2", "horas", 66.2},
    {"N-13", "9,9", "min.", 0.165},
    {"O-15", "2", "min.", 0.033333},
    {"P-32", "14,26", "días", 343.2},
    {"Rb-81", "4,58", "horas", 4.583333},
    {"Re-186", "88,32", "horas", 88.32},
    {"Sb-124", "60,2", "días", 1444.8},
    {"Se-75", "120,4", "días", 2889.6},
    {"Sm-153", "47", "horas", 47},
    {"Sn-113", "115,1", "días", 2762.4},
    {"Sr-85", "64,9", "días", 1557.6},
    {"Sr-89", "50,5", "días", 1212},
    {"Sr-90", "28,5", "años", 249660},
    {"Tc-99m", "6,02", "horas", 6.02},
    {"Tl-201", "73,1", "horas", 73.1},
    {"Xe-127", "36,32", "días", 871.68},
    {"Xe-133", "5,25", "días", 126},
    {"Y-88", "106,6", "días", 2558.4},
    {"Y-90", "64", "horas", 64},
}};
// clang-format on

// The time units a half-life may be typed in, in list order. A year is 365 days.
inline constexpr std::array<std::string_view, 4> UnidadesTiempo{"min.", "horas", "días", "años"};

// The activity units of the list, in order; "mCi" is selected at start. The
// result may also be shown in "pCi", "kCi", "mBq" and "TBq".
inline constexpr std::array<std::string_view, 8> UnidadesActividad{"mCi", "Ci",  "uCi", "nCi",
                                                                   "GBq", "MBq", "kBq", "Bq"};

// What the nuclide list shows when no nuclide is chosen.
inline constexpr std::string_view kSinRadionuclido = "Radionúclido";

namespace detalle {
constexpr bool NombresEnOrden()
{
    for (std::size_t i = 1; i < TablaRadionuclidos.size(); ++i)
        if (!(TablaRadionuclidos[i - 1].nombre < TablaRadionuclidos[i].nombre))
            return false;
    return true;
}

// The period text as a number ("5,272"), enough to cross-check the hours.
constexpr double ValorDeTexto(std::string_view t)
{
    double entero = 0;
    double fraccion = 0;
    double escala = 1;
    bool coma = false;
    for (char c : t) {
        if (c == ',') {
            coma = true;
        } else if (!coma) {
            entero = entero * 10 + (c - '0');
        } else {
            escala /= 10;
            fraccion += (c - '0') * escala;
        }
    }
    return entero + fraccion;
}

constexpr double HorasPorUnidad(std::string_view unidad)
{
    if (unidad == "min.")
        return 1.0 / 60;
    if (unidad == "días")
        return 24;
    if (unidad == "años")
        return 24 * 365;
    return unidad == "horas" ? 1 : 0;
}

// Every row has a known unit and hours within half a percent of its period
// text: the few rows whose hours were taken rounded (P-32 is the farthest, at
// 0,28 %) pass, a mistyped digit does not.
constexpr bool HorasCoherentes()
{
    for (const Radionuclido &r : TablaRadionuclidos) {
        const double esperado = ValorDeTexto(r.periodo) * HorasPorUnidad(r.unidad);
        const double diferencia = r.horas > esperado ? r.horas - esperado : esperado - r.horas;
        if (!(esperado > 0) || diferencia > esperado * 0.005)
            return false;
    }
    return true;
}
} // namespace detalle

static_assert(TablaRadionuclidos.size() == 48);
static_assert(TablaRadionuclidos.front().nombre == "Ac-227" && TablaRadionuclidos.back().nombre == "Y-90");
static_assert(detalle::NombresEnOrden(), "the list is sorted by name, without repeats");
static_assert(detalle::HorasCoherentes());

// The row whose name is exactly `nombre` (case-sensitive), or nullptr when no
// nuclide is chosen.
const Radionuclido *BuscarRadionuclido(std::string_view nombre);

// A typed half-life in hours: minutes / 60, days x 24 and years x 24 x 365,
// each rounded to 3 decimals; "horas" or any other unit text takes the number
// as it is. Nothing when `periodo` is not a number. Tiny periods in minutes
// round to 0 hours and absurdly large ones in days or years give infinity:
// both are left to ActividadFinal, which knows what to do with them.
std::optional<double> PeriodoEnHoras(std::string_view periodo, std::string_view unidad);

// The half-life texts that mean "no half-life yet": the result is emptied
// before anything is read.
bool EsPeriodoCero(std::string_view periodo);

// Position of `texto` in UnidadesActividad, or -1.
int PosicionUnidadActividad(std::string_view texto);

struct ActividadMostrada {
    double valor;
    std::string_view unidad; // empty: the unit label keeps what it shows
};

// The unit of the same family (curies or becquerels) that gives a readable
// number for an activity `a` computed in UnidadesActividad[unidad]. The ranges
// are deliberately uneven: from mCi, uCi and nCi nothing goes past Ci, and from
// nCi and Bq small values go one step down only. For a position outside the
// list the activity comes back as it is, with no unit.
ActividadMostrada EscalarActividad(double a, int unidad);

// The decay law A = A0 e^(t (-0,69314718) / T1/2), with t and T1/2 in hours and
// the product formed in that order. A half-life of 0 (however it was typed)
// has no result; an infinite one means no decay. An activity of 0 stays 0.
// Nothing when the result overflows: there is no number to show.
std::optional<double> ActividadFinal(double a0, double horas, double periodoHoras);

// What the result labels show: ActividadFinal ranged for the selected unit
// and rounded to 3 decimals. Nothing when there is no finite number to show;
// the window then empties both labels.
std::optional<ActividadMostrada> CalcularActividad(double a0, double horas, double periodoHoras, int unidad);

// One part of the elapsed time as the interval frame shows it.
struct ParteIntervalo {
    double valor;            // whole number, with the sign of the interval
    bool visible;            // the value and its unit are hidden when it is 0
    std::string_view unidad; // "día"/"días", "hora"/"horas", "min"; empty when hidden
};

struct IntervaloTiempo {
    double minutosTotales; // unrounded
    double horasTotales;   // minutosTotales / 60: what the decay calculation reads
    ParteIntervalo dias;
    ParteIntervalo horas;
    ParteIntervalo minutos;
};

// The time from the first instant to the second: `diasEntreFechas` is the
// second date minus the first; hours and minutes may hold decimals and are not
// range-checked. The minutes are rounded half to even before being split into
// days, hours and minutes, which keep the interval's sign. The split is done in
// doubles: intervals of thousands of years fit. Nothing when the times are so
// large that the interval is not a finite number (the same answer as times
// that are not numbers).
std::optional<IntervaloTiempo> CalcularIntervalo(double diasEntreFechas, double hora1, double min1, double hora2,
                                                 double min2);

// The largest initial activity that may be typed or reached with the spinners.
inline constexpr double kActividadMaxima = 999999;

enum class Sentido { Abajo, Arriba };

enum class EfectoPaso {
    Escribe,        // write `valor` (and `hora` when it has one), then recalculate
    SinCambio,      // nothing is written and nothing recalculated
    MaximoSuperado, // "Valor máximo 999999.", nothing written
};

struct Paso {
    EfectoPaso efecto;
    double valor;               // the new value of the spinner's own box
    std::optional<double> hora; // the new hour after a minute carry or borrow
};

// UpDown1 and UpDown5 on an hour box (nothing when it is not a number): one
// hour, wrapping between 0 and 23.
Paso PasoHora(std::optional<double> hora, Sentido sentido);

// UpDown2 and UpDown4: one minute. Down from 0 borrows an hour, but only from
// a positive hour; up from 59 carries one into the hour. A carry does not wrap
// the hour (23 h 59 min gives 24 h 0 min); an hour box that is not a number is
// carried into as if it held 0.
Paso PasoMinuto(std::optional<double> minutos, std::optional<double> hora, Sentido sentido);

// UpDown6 and UpDown9: ten minutes, borrowing and carrying as PasoMinuto.
Paso PasoDiezMinutos(std::optional<double> minutos, std::optional<double> hora, Sentido sentido);

enum class SaltoActividad { Uno, Diez, Cien }; // UpDown3, UpDown8, UpDown7

// The activity spinners: down while the value allows it, up to kActividadMaxima.
// A box that is not a number does not change.
Paso PasoActividad(std::optional<double> actividad, SaltoActividad salto, Sentido sentido);

} // namespace Calculos
