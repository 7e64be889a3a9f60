#pragma once

#include "tests/monkey/Reglas.h"

#include <memory>

// The invariants of each window, one table each.
std::unique_ptr<Reglas> ReglasPresentacion();
std::unique_ptr<Reglas> ReglasPrincipal();
std::unique_ptr<Reglas> ReglasAcercaDe();
std::unique_ptr<Reglas> ReglasFinTabla();
std::unique_ptr<Reglas> ReglasCalculadoraMolar();
std::unique_ptr<Reglas> ReglasDisoluciones();
std::unique_ptr<Reglas> ReglasRendimiento();
std::unique_ptr<Reglas> ReglasDecay();
std::unique_ptr<Reglas> ReglasEcCuadratica();
std::unique_ptr<Reglas> ReglasEcuaciones();
std::unique_ptr<Reglas> ReglasTemperatura();
std::unique_ptr<Reglas> ReglasPresion();
std::unique_ptr<Reglas> ReglasEnergia();
std::unique_ptr<Reglas> ReglasFormulacion();
std::unique_ptr<Reglas> ReglasPracticaFormulacion();
std::unique_ptr<Reglas> ReglasPuzle();
std::unique_ptr<Reglas> ReglasPuzle2();
std::unique_ptr<Reglas> ReglasFicha();
std::unique_ptr<Reglas> ReglasPropiedades();
