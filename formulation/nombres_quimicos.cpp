#include "formulation/nombres_quimicos.h"

namespace Calculos {

namespace {

struct NombreElemento {
    int z;
    std::string_view nombre;
};

// Spelling of "Nomenclatura de Química Inorgánica. Recomendaciones de la
// IUPAC de 2005" (Spanish edition), for the elements with usual oxidation
// numbers (core/valencias.cpp).
constexpr NombreElemento kNombres[] = {
    {1, "hidrógeno"}, {3, "litio"},      {4, "berilio"},    {5, "boro"},      {6, "carbono"},   {7, "nitrógeno"},
    {8, "oxígeno"},   {9, "flúor"},      {11, "sodio"},     {12, "magnesio"}, {13, "aluminio"}, {14, "silicio"},
    {15, "fósforo"},  {16, "azufre"},    {17, "cloro"},     {19, "potasio"},  {20, "calcio"},   {22, "titanio"},
    {23, "vanadio"},  {24, "cromo"},     {25, "manganeso"}, {26, "hierro"},   {27, "cobalto"},  {28, "níquel"},
    {29, "cobre"},    {30, "cinc"},      {31, "galio"},     {32, "germanio"}, {33, "arsénico"}, {34, "selenio"},
    {35, "bromo"},    {37, "rubidio"},   {38, "estroncio"}, {46, "paladio"},  {47, "plata"},    {48, "cadmio"},
    {50, "estaño"},   {51, "antimonio"}, {52, "teluro"},    {53, "yodo"},     {55, "cesio"},    {56, "bario"},
    {78, "platino"},  {79, "oro"},       {80, "mercurio"},  {81, "talio"},    {82, "plomo"},    {83, "bismuto"},
    {87, "francio"},  {88, "radio"},
};

struct FilaAdjetivos {
    int z;
    AdjetivosMetal adjetivos;
};

// The -oso/-ico pairs Spanish textbooks still teach, for the metals with two
// charges (Cr and Mn in their metal states II and III).
constexpr FilaAdjetivos kAdjetivos[] = {
    {24, {"cromoso", "crómico"}},     {25, {"manganoso", "mangánico"}}, {26, {"ferroso", "férrico"}},
    {27, {"cobaltoso", "cobáltico"}}, {28, {"niqueloso", "niquélico"}}, {29, {"cuproso", "cúprico"}},
    {32, {"germanoso", "germánico"}}, {46, {"paladioso", "paládico"}},  {50, {"estannoso", "estánnico"}},
    {78, {"platinoso", "platínico"}}, {79, {"auroso", "áurico"}},       {80, {"mercurioso", "mercúrico"}},
    {81, {"talioso", "tálico"}},      {82, {"plumboso", "plúmbico"}},
};

struct FilaNoMetal {
    int z;
    PalabrasNoMetal palabras;
};

// Binary anions, hydracids and oxoacids as the same recommendations and the
// usual textbooks name them.
constexpr FilaNoMetal kNoMetales[] = {
    {1, {"hidruro", "", "", "", "", "", ""}},
    {5, {"boruro", "", "borato", "", "bórico", "", "borato"}},
    {6, {"carburo", "", "carbonato", "", "carbónico", "", "carbonato"}},
    {7, {"nitruro", "", "nitrato", "nitroso", "nítrico", "nitrito", "nitrato"}},
    {8, {"óxido", "", "", "", "", "", ""}},
    {9, {"fluoruro", "fluorhídrico", "", "", "", "", ""}},
    {14, {"siliciuro", "", "silicato", "", "silícico", "", "silicato"}},
    {15, {"fosfuro", "", "fosfato", "fosforoso", "fosfórico", "fosfito", "fosfato"}},
    {16, {"sulfuro", "sulfhídrico", "sulfato", "sulfuroso", "sulfúrico", "sulfito", "sulfato"}},
    {17, {"cloruro", "clorhídrico", "clorato", "cloroso", "clórico", "clorito", "clorato"}},
    {24, {"", "", "cromato", "", "crómico", "", "cromato"}},
    {25, {"", "", "manganato", "", "mangánico", "", "manganato"}},
    {33, {"arseniuro", "", "arsenato", "arsenioso", "arsénico", "arsenito", "arsenato"}},
    {34, {"seleniuro", "selenhídrico", "selenato", "selenioso", "selénico", "selenito", "selenato"}},
    {35, {"bromuro", "bromhídrico", "bromato", "bromoso", "brómico", "bromito", "bromato"}},
    {51, {"antimoniuro", "", "antimonato", "antimonioso", "antimónico", "antimonito", "antimonato"}},
    {52, {"telururo", "telurhídrico", "telurato", "teluroso", "telúrico", "telurito", "telurato"}},
    {53, {"yoduro", "yodhídrico", "yodato", "yodoso", "yódico", "yodito", "yodato"}},
};

} // namespace

std::string_view NombreEnCompuesto(int z)
{
    for (const NombreElemento &n : kNombres)
        if (n.z == z)
            return n.nombre;
    return {};
}

AdjetivosMetal AdjetivosDeMetal(int z)
{
    for (const FilaAdjetivos &f : kAdjetivos)
        if (f.z == z)
            return f.adjetivos;
    return {};
}

PalabrasNoMetal PalabrasDeNoMetal(int z)
{
    for (const FilaNoMetal &f : kNoMetales)
        if (f.z == z)
            return f.palabras;
    return {};
}

} // namespace Calculos
