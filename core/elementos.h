#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace Calculos {

// Colour classes of the periodic table tiles.
enum class Clase : std::uint8_t { A, B, C, D, E, F, G, H, I, J, K };

struct ColorRgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

ColorRgb ColorDeClase(Clase clase);

// The family a colour class stands for, as a screen reader says it.
std::string_view NombreDeClase(Clase clase);

// One row of the catalogue. Main-body elements carry period and group
// (columnaF = 0); lanthanides and actinides carry period 6 or 7, group 0 and
// their column 1..15 in the f-block row below the table.
struct Elemento {
    int z;
    std::string_view simbolo;
    std::string_view nombre;
    std::string_view masaVisible; // shown verbatim in the information panel
    int periodo;
    int grupo;
    int columnaF;
    Clase clase;
    double masaCalculo; // g/mol used by the calculators; 0 for Z 110..118
};

inline constexpr int kNumeroElementos = 118;

// clang-format off
inline constexpr std::array<Elemento, kNumeroElementos> TablaElementos{{
    {1, "H", "Hidrógeno", "1,0080", 1, 1, 0, Clase::A, 1.0079},
    {2, "He", "Helio", "4,0026", 1, 18, 0, Clase::I, 4.0026},
    {3, "Li", "Litio", "6,941", 2, 1, 0, Clase::B, 6.939},
    {4, "Be", "Berilio", "9,0122", 2, 2, 0, Clase::C, 9.0122},
    {5, "B", "Boro", "10,811", 2, 13, 0, Clase::F, 10.811},
    {6, "C", "Carbono", "12,011", 2, 14, 0, Clase::G, 12.011},
    {7, "N", "Nitrógeno", "14,007", 2, 15, 0, Clase::G, 14.006},
    {8, "O", "Oxígeno", "15,999", 2, 16, 0, Clase::G, 15.999},
    {9, "F", "Fluor", "18,998", 2, 17, 0, Clase::H, 18.998},
    {10, "Ne", "Neón", "20,180", 2, 18, 0, Clase::I, 20.183},
    {11, "Na", "Sodio", "22,990", 3, 1, 0, Clase::B, 22.989},
    {12, "Mg", "Magnesio", "24,305", 3, 2, 0, Clase::C, 24.312},
    {13, "Al", "Aluminio", "26,982", 3, 13, 0, Clase::E, 26.981},
    {14, "Si", "Silicio", "28,085", 3, 14, 0, Clase::F, 28.086},
    {15, "P", "Fósforo", "30,974", 3, 15, 0, Clase::G, 30.973},
    {16, "S", "Azufre", "32,064", 3, 16, 0, Clase::G, 32.064},
    {17, "Cl", "Cloro", "35,453", 3, 17, 0, Clase::H, 35.453},
    {18, "Ar", "Argón", "39,948", 3, 18, 0, Clase::I, 39.948},
    {19, "K", "Potasio", "39,098", 4, 1, 0, Clase::B, 39.102},
    {20, "Ca", "Calcio", "40,078", 4, 2, 0, Clase::C, 40.08},
    // Scandium's calculation mass was once 44.656, two digits swapped; its
    // atomic weight, as shown, is 44.956.
    {21, "Sc", "Escandio", "44,956", 4, 3, 0, Clase::D, 44.956},
    {22, "Ti", "Titanio", "47,867", 4, 4, 0, Clase::D, 47.9},
    {23, "V", "Vanadio", "50,942", 4, 5, 0, Clase::D, 50.942},
    {24, "Cr", "Cromo", "51,996", 4, 6, 0, Clase::D, 51.996},
    {25, "Mn", "Manganeso", "54,938", 4, 7, 0, Clase::D, 54.938},
    {26, "Fe", "Hierro", "55,845", 4, 8, 0, Clase::D, 55.847},
    {27, "Co", "Cobalto", "58,933", 4, 9, 0, Clase::D, 58.933},
    {28, "Ni", "Niquel", "58,693", 4, 10, 0, Clase::D, 58.71},
    {29, "Cu", "Cobre", "63,546", 4, 11, 0, Clase::D, 63.54},
    {30, "Zn", "Cinc", "65,38", 4, 12, 0, Clase::D, 65.37},
    {31, "Ga", "Galio", "69,723", 4, 13, 0, Clase::E, 69.72},
    {32, "Ge", "Germanio", "72,630", 4, 14, 0, Clase::F, 72.59},
    {33, "As", "Arsénico", "74,922", 4, 15, 0, Clase::F, 74.922},
    {34, "Se", "Selenio", "78,971", 4, 16, 0, Clase::G, 78.96},
    {35, "Br", "Bromo", "79,904", 4, 17, 0, Clase::H, 79.909},
    {36, "Kr", "Kriptón", "83,798", 4, 18, 0, Clase::I, 83.8},
    {37, "Rb", "Rubidio", "85,468", 5, 1, 0, Clase::B, 85.47},
    {38, "Sr", "Estroncio", "87,62", 5, 2, 0, Clase::C, 87.62},
    {39, "Y", "Itrio", "88,906", 5, 3, 0, Clase::D, 88.905},
    {40, "Zr", "Circonio", "91,224", 5, 4, 0, Clase::D, 91.22},
    {41, "Nb", "Niobio", "92,906", 5, 5, 0, Clase::D, 92.906},
    {42, "Mo", "Molibdeno", "95,95", 5, 6, 0, Clase::D, 95.94},
    {43, "Tc", "Tecnecio", "[97]", 5, 7, 0, Clase::D, 99},
    {44, "Ru", "Rutenio", "101,07", 5, 8, 0, Clase::D, 101.07},
    {45, "Rh", "Rodio", "102,91", 5, 9, 0, Clase::D, 102.9},
    {46, "Pd", "Paladio", "106,42", 5, 10, 0, Clase::D, 106.4},
    {47, "Ag", "Plata", "107,87", 5, 11, 0, Clase::D, 107.87},
    {48, "Cd", "Cadmio", "112,41", 5, 12, 0, Clase::D, 112.4},
    {49, "In", "Indio", "114,82", 5, 13, 0, Clase::E, 114.82},
    {50, "Sn", "Estaño", "118,71", 5, 14, 0, Clase::E, 118.69},
    {51, "Sb", "Antimonio", "121,76", 5, 15, 0, Clase::F, 121.75},
    {52, "Te", "Telurio", "127,60", 5, 16, 0, Clase::F, 127.6},
    {53, "I", "Yodo", "126,904", 5, 17, 0, Clase::H, 126.9},
    {54, "Xe", "Xenón", "131,29", 5, 18, 0, Clase::I, 131.3},
    {55, "Cs", "Cesio", "132,91", 6, 1, 0, Clase::B, 132.9},
    {56, "Ba", "Bario", "137,33", 6, 2, 0, Clase::C, 137.34},
    {57, "La", "Lantano", "138,905", 6, 0, 1, Clase::J, 138.91},
    {58, "Ce", "Cerio", "140,12", 6, 0, 2, Clase::J, 140.12},
    {59, "Pr", "Praseodimio", "140,91", 6, 0, 3, Clase::J, 140.9},
    {60, "Nd", "Neodimio", "144,24", 6, 0, 4, Clase::J, 144.24},
    {61, "Pm", "Prometio", "[145]", 6, 0, 5, Clase::J, 147},
    {62, "Sm", "Samario", "150,36", 6, 0, 6, Clase::J, 150.35},
    {63, "Eu", "Europio", "151,96", 6, 0, 7, Clase::J, 151.96},
    {64, "Gd", "Gadolinio", "157,25", 6, 0, 8, Clase::J, 157.25},
    {65, "Tb", "Terbio", "158,93", 6, 0, 9, Clase::J, 158.92},
    {66, "Dy", "Disprosio", "162,50", 6, 0, 10, Clase::J, 162.5},
    {67, "Ho", "Holmio", "164,93", 6, 0, 11, Clase::J, 164.93},
    {68, "Er", "Erbio", "167,26", 6, 0, 12, Clase::J, 167.26},
    {69, "Tm", "Tulio", "168,93", 6, 0, 13, Clase::J, 168.93},
    {70, "Yb", "Yterbio", "173,05", 6, 0, 14, Clase::J, 173.04},
    {71, "Lu", "Lutecio", "[174,97]", 6, 0, 15, Clase::J, 174.97},
    {72, "Hf", "Hafnio", "178,49", 6, 4, 0, Clase::D, 178.49},
    {73, "Ta", "Tántalo", "180,95", 6, 5, 0, Clase::D, 180.94},
    {74, "W", "Wolframio", "183,84", 6, 6, 0, Clase::D, 183.85},
    {75, "Re", "Renio", "186,21", 6, 7, 0, Clase::D, 186.2},
    {76, "Os", "Osmio", "190,23", 6, 8, 0, Clase::D, 190.2},
    {77, "Ir", "Iridio", "192,22", 6, 9, 0, Clase::D, 192.2},
    {78, "Pt", "Platino", "195,08", 6, 10, 0, Clase::D, 195.09},
    {79, "Au", "Oro", "196,97", 6, 11, 0, Clase::D, 196.96},
    {80, "Hg", "Mercurio", "200,59", 6, 12, 0, Clase::D, 200.59},
    {81, "Tl", "Talio", "204,38", 6, 13, 0, Clase::E, 204.37},
    {82, "Pb", "Plomo", "207,19", 6, 14, 0, Clase::E, 207.19},
    {83, "Bi", "Bismuto", "208,98", 6, 15, 0, Clase::E, 208.98},
    {84, "Po", "Polonio", "[209]", 6, 16, 0, Clase::F, 210},
    {85, "At", "Astato", "[210]", 6, 17, 0, Clase::H, 210},
    {86, "Rn", "Radón", "[222]", 6, 18, 0, Clase::I, 222},
    {87, "Fr", "Francio", "223", 7, 1, 0, Clase::B, 223},
    {88, "Ra", "Radio", "[226]", 7, 2, 0, Clase::C, 226},
    {89, "Ac", "Actinio", "[227]", 7, 0, 1, Clase::K, 227},
    {90, "Th", "Torio", "232,04", 7, 0, 2, Clase::K, 232.03},
    {91, "Pa", "Protactinio", "231,04", 7, 0, 3, Clase::K, 231},
    {92, "U", "Uranio", "238,03", 7, 0, 4, Clase::K, 238.03},
    {93, "Np", "Neptunio", "[237]", 7, 0, 5, Clase::K, 237},
    {94, "Pu", "Plutonio", "[244]", 7, 0, 6, Clase::K, 242},
    {95, "Am", "Americio", "[243]", 7, 0, 7, Clase::K, 243},
    {96, "Cm", "Curio", "[247]", 7, 0, 8, Clase::K, 247},
    {97, "Bk", "Berkelio", "[247]", 7, 0, 9, Clase::K, 247},
    {98, "Cf", "Californio", "[251]", 7, 0, 10, Clase::K, 251},
    {99, "Es", "Einstenio", "[252]", 7, 0, 11, Clase::K, 252},
    {100, "Fm", "Fermio", "[257]", 7, 0, 12, Clase::K, 257},
    {101, "Md", "Mendelevio", "[258]", 7, 0, 13, Clase::K, 258},
    {102, "No", "Nobelio", "[259]", 7, 0, 14, Clase::K, 259},
    {103, "Lr", "Laurencio", "[262]", 7, 0, 15, Clase::K, 260},
    {104, "Rf", "Rutherfordio", "[267]", 7, 4, 0, Clase::D, 261},
    {105, "Db", "Dubnio", "[268]", 7, 5, 0, Clase::D, 262},
    {106, "Sg", "Seaborgio", "[269]", 7, 6, 0, Clase::D, 263},
    {107, "Bh", "Bohrio", "[270]", 7, 7, 0, Clase::D, 264},
    {108, "Hs", "Hassio", "[269]", 7, 8, 0, Clase::D, 265},
    {109, "Mt", "Meitnerio", "[277]", 7, 9, 0, Clase::D, 268},
    {110, "Ds", "Darmstadio", "[281]", 7, 10, 0, Clase::D, 0},
    {111, "Rg", "Roentgenio", "[282]", 7, 11, 0, Clase::D, 0},
    {112, "Cn", "Copernicio", "[285]", 7, 12, 0, Clase::D, 0},
    {113, "Nh", "Nihonio", "[286]", 7, 13, 0, Clase::E, 0},
    {114, "Fl", "Flevorio", "[290]", 7, 14, 0, Clase::E, 0},
    {115, "Mc", "Moscovio", "[290]", 7, 15, 0, Clase::E, 0},
    {116, "Lv", "Livermorio", "[293]", 7, 16, 0, Clase::E, 0},
    {117, "Ts", "Teneso", "[294]", 7, 17, 0, Clase::H, 0},
    {118, "Og", "Oganesón", "[294]", 7, 18, 0, Clase::I, 0},
}};
// clang-format on

namespace detalle {
constexpr bool OrdenadaPorZ()
{
    for (int i = 0; i < kNumeroElementos; ++i)
        if (TablaElementos[static_cast<std::size_t>(i)].z != i + 1)
            return false;
    return true;
}
constexpr bool PosicionesValidas()
{
    for (const Elemento &e : TablaElementos) {
        const bool cuerpo = e.grupo >= 1 && e.grupo <= 18 && e.columnaF == 0;
        const bool bloqueF = e.grupo == 0 && e.columnaF >= 1 && e.columnaF <= 15 && (e.periodo == 6 || e.periodo == 7);
        if (e.periodo < 1 || e.periodo > 7 || cuerpo == bloqueF)
            return false;
    }
    return true;
}
} // namespace detalle

static_assert(TablaElementos.size() == 118);
static_assert(detalle::OrdenadaPorZ(), "the catalogue is indexed by Z - 1");
static_assert(detalle::PosicionesValidas());

// The catalogue row for a case-sensitive symbol, or nullptr.
const Elemento *BuscarElemento(std::string_view simbolo);

// Symbol of element z (1..118); empty text for any other value.
std::string SimboloPorNumero(int z);

// Symbol of element z when it belongs to the reduced table (Z 1..57 and
// 72..89); empty text otherwise.
std::string SimboloReducido(int z);

// Atomic number of the k-th member (1..75) of the reduced table; 0 otherwise.
int NumeroReducido(int k);

inline constexpr int kNumeroReducidos = 75;

} // namespace Calculos
