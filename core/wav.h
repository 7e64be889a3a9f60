#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace Calculos {

// Uncompressed PCM sound as stored in a WAV file: whole frames, channels
// interleaved, little-endian; 8-bit samples are unsigned, wider ones signed.
struct SonidoWav {
    int canales = 0;
    int muestrasPorSegundo = 0;
    int bitsPorMuestra = 0; // 8, 16, 24 or 32
    std::vector<std::uint8_t> datos;

    std::size_t BytesPorFotograma() const;
    std::size_t Fotogramas() const;
    double Segundos() const;
    // Sample of one channel in one frame, scaled to [-1, 1).
    double Muestra(std::size_t fotograma, int canal) const;
};

enum class ErrorWav {
    Ninguno,
    NoSeAbre,          // missing, unreadable or not a regular file
    Vacio,             // zero bytes
    DemasiadoGrande,   // larger than kTamanoMaximoWav
    NoEsRiff,          // does not start with "RIFF"
    NoEsWave,          // a RIFF file of another kind
    Truncado,          // a declared size runs past the end of the file
    Corrupto,          // sizes or fields that contradict each other
    SinFormato,        // no "fmt " chunk before the samples
    FormatoNoAdmitido, // compressed or float data, or an unusual layout
    SinDatos,          // no "data" chunk
};

struct LecturaWav {
    ErrorWav error = ErrorWav::Ninguno;
    SonidoWav sonido;
};

// Nothing the program plays comes near this; it keeps a stray file from
// being read whole into memory.
inline constexpr std::size_t kTamanoMaximoWav = 64U * 1024U * 1024U;

inline constexpr int kCanalesMaximos = 8;
inline constexpr int kMuestrasPorSegundoMinimas = 1000;
inline constexpr int kMuestrasPorSegundoMaximas = 384000;

// Checks a whole RIFF/WAVE file held in memory. Every chunk must lie inside
// the RIFF size and the RIFF size inside the bytes; exactly one "fmt " chunk,
// before exactly one "data" chunk, whose size is a whole number of frames.
LecturaWav LeerWav(std::span<const std::uint8_t> bytes);

// As LeerWav, for the file at `ruta` (bytes of the file system's name).
LecturaWav LeerArchivoWav(const std::string &ruta);

// The file LeerWav accepts for `sonido`: a RIFF header, a 16-byte PCM
// "fmt " chunk and the data. Used by the tools that make the program's sounds.
std::vector<std::uint8_t> EscribirWav(const SonidoWav &sonido);

} // namespace Calculos
