#pragma once

#include <string_view>

namespace Calculos {

// The Spanish words inorganic names are built from. Typed by hand: no
// package carries them.

// The element's name inside a compound name, as the Spanish edition of the
// IUPAC 2005 recommendations spells it ("níquel", "flúor", "cinc"); empty for
// an element no school name uses.
std::string_view NombreEnCompuesto(int z);

// The traditional adjectives of a metal with two usual charges in its salts
// ("ferroso", "férrico"); both empty for any other element.
struct AdjetivosMetal {
    std::string_view oso;
    std::string_view ico;
};
AdjetivosMetal AdjetivosDeMetal(int z);

// The words of a non-metal: its binary anion ("cloruro"), its hydracid
// ("clorhídrico"), the root of its oxoanions in composition names
// ("clorato"), and the traditional acid and anion words of its lower and
// higher oxidation states ("cloroso", "clórico", "clorito", "clorato").
// Empty fields where the element has no such word.
struct PalabrasNoMetal {
    std::string_view uro;
    std::string_view hidrico;
    std::string_view ato;
    std::string_view oso;
    std::string_view ico;
    std::string_view ito;
    std::string_view atoTradicional;
};
PalabrasNoMetal PalabrasDeNoMetal(int z);

} // namespace Calculos
