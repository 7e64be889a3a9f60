#pragma once

#include <cstdint>
#include <functional>

using ManejadorSemilla = std::function<std::uint32_t()>;

// The seed of a new random sequence: taken from the clock, so that each game
// is dealt another way, unless a test installed its own.
std::uint32_t SemillaAzar();

// Replaces where seeds come from (tests fix them) and returns the previous
// handler. An empty handler restores the clock.
ManejadorSemilla InstalarManejadorSemilla(ManejadorSemilla nuevo);
