// Writes "tada.wav", the fanfare played when a puzzle is finished: a short
// dominant chord and then the tonic, held and fading, with a brassy timbre.
// Built from code so that every build has the same sound and no recording
// has to be kept.

#include "core/numeros.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

constexpr int kMuestrasPorSegundo = 44100;
constexpr double kDuracion = 1.3;
constexpr double kPico = 0.7; // about 3 dB below full scale

struct Acorde {
    double inicio;   // seconds
    double duracion; // seconds, release included
    double caida;    // time constant of the decay, seconds
    std::vector<double> frecuencias;
};

// G major (B, D over G) then C major spread over two octaves.
const Acorde kTa{0.0, 0.15, 0.4, {392.00, 493.88, 587.33}};
const Acorde kDa{0.17, kDuracion - 0.17, 0.6, {261.63, 523.25, 659.26, 783.99, 1046.50}};

double Envolvente(const Acorde &a, double t)
{
    constexpr double kAtaque = 0.008;
    constexpr double kSalida = 0.12;
    if (t < 0.0 || t >= a.duracion)
        return 0.0;
    const double ataque = std::min(1.0, t / kAtaque);
    const double salida = std::min(1.0, (a.duracion - t) / kSalida);
    return ataque * salida * std::exp(-t / a.caida);
}

// A few harmonics falling off fast, with a slow vibrato once the note has
// settled.
double Voz(double frecuencia, double t)
{
    const double vibrato = t > 0.25 ? 0.003 * std::sin(2.0 * std::numbers::pi * 5.5 * t) : 0.0;
    double v = 0.0;
    for (int k = 1; k <= 6; ++k)
        v += std::sin(2.0 * std::numbers::pi * frecuencia * k * t * (1.0 + vibrato)) / std::pow(k, 1.3);
    return v;
}

std::vector<double> Sintetizar()
{
    const auto total = static_cast<std::size_t>(kDuracion * kMuestrasPorSegundo);
    std::vector<double> senal(total, 0.0);
    for (const Acorde *a : {&kTa, &kDa}) {
        for (std::size_t i = 0; i < total; ++i) {
            const double t = static_cast<double>(i) / kMuestrasPorSegundo - a->inicio;
            const double e = Envolvente(*a, t);
            if (e == 0.0)
                continue;
            for (double f : a->frecuencias)
                senal[i] += e * Voz(f, t);
        }
    }
    return senal;
}

void Poner(std::vector<std::uint8_t> &bytes, std::uint32_t valor, int ancho)
{
    for (int i = 0; i < ancho; ++i)
        bytes.push_back(static_cast<std::uint8_t>(valor >> (8 * i)));
}

// A 16-bit mono PCM WAV file: the RIFF header, a 16-byte "fmt " chunk and the
// samples.
std::vector<std::uint8_t> Tada()
{
    const std::vector<double> senal = Sintetizar();
    double pico = 0.0;
    for (double v : senal)
        pico = std::max(pico, std::fabs(v));

    const auto datos = static_cast<std::uint32_t>(senal.size() * 2);
    std::vector<std::uint8_t> bytes{'R', 'I', 'F', 'F'};
    Poner(bytes, 36 + datos, 4);
    for (char c : std::string_view("WAVEfmt "))
        bytes.push_back(static_cast<std::uint8_t>(c));
    Poner(bytes, 16, 4);
    Poner(bytes, 1, 2); // PCM
    Poner(bytes, 1, 2); // mono
    Poner(bytes, kMuestrasPorSegundo, 4);
    Poner(bytes, kMuestrasPorSegundo * 2, 4);
    Poner(bytes, 2, 2);
    Poner(bytes, 16, 2);
    for (char c : std::string_view("data"))
        bytes.push_back(static_cast<std::uint8_t>(c));
    Poner(bytes, datos, 4);
    for (double v : senal) {
        const double muestra = Calculos::Redondear(v / pico * kPico * 32767.0, 0);
        Poner(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(muestra)), 2);
    }
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s tada.wav\n", argv[0]);
        return 2;
    }
    const std::vector<std::uint8_t> bytes = Tada();
    std::ofstream archivo(argv[1], std::ios::binary | std::ios::trunc);
    archivo.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    archivo.close();
    if (!archivo) {
        std::fprintf(stderr, "%s: no se pudo escribir\n", argv[1]);
        return 1;
    }
    return 0;
}
