#include "core/wav.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

namespace Calculos {

namespace {

constexpr std::uint16_t kFormatoPcm = 0x0001;
constexpr std::uint16_t kFormatoExtensible = 0xFFFE;

// KSDATAFORMAT_SUBTYPE_PCM as it lies in the file.
constexpr std::array<std::uint8_t, 16> kSubformatoPcm = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                         0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint32_t Le16(std::span<const std::uint8_t> b, std::size_t i)
{
    return static_cast<std::uint32_t>(b[i]) | static_cast<std::uint32_t>(b[i + 1]) << 8U;
}

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t i)
{
    return Le16(b, i) | Le16(b, i + 2) << 16U;
}

bool Es(std::span<const std::uint8_t> b, std::size_t i, std::string_view id)
{
    return b.size() >= i + id.size() &&
           std::equal(id.begin(), id.end(), b.begin() + static_cast<std::ptrdiff_t>(i),
                      [](char c, std::uint8_t u) { return static_cast<std::uint8_t>(c) == u; });
}

void PonLe16(std::vector<std::uint8_t> &b, std::uint32_t v)
{
    b.push_back(static_cast<std::uint8_t>(v & 0xFFU));
    b.push_back(static_cast<std::uint8_t>((v >> 8U) & 0xFFU));
}

void PonLe32(std::vector<std::uint8_t> &b, std::uint32_t v)
{
    PonLe16(b, v & 0xFFFFU);
    PonLe16(b, v >> 16U);
}

void PonId(std::vector<std::uint8_t> &b, std::string_view id)
{
    for (char c : id)
        b.push_back(static_cast<std::uint8_t>(c));
}

struct Formato {
    int canales;
    int muestrasPorSegundo;
    int bitsPorMuestra;
    std::uint32_t bytesPorFotograma;
};

struct LecturaFormato {
    ErrorWav error;
    Formato formato;
};

LecturaFormato LeerFormato(std::span<const std::uint8_t> f)
{
    const auto fallo = [](ErrorWav e) { return LecturaFormato{e, {}}; };
    if (f.size() < 16)
        return fallo(ErrorWav::Corrupto);
    const std::uint32_t etiqueta = Le16(f, 0);
    const std::uint32_t canales = Le16(f, 2);
    const std::uint32_t muestras = Le32(f, 4);
    const std::uint32_t bytesPorSegundo = Le32(f, 8);
    const std::uint32_t bloque = Le16(f, 12);
    const std::uint32_t bits = Le16(f, 14);

    if (etiqueta == kFormatoExtensible) {
        // The extension must say plain PCM with every bit of the container used.
        if (f.size() < 40 || Le16(f, 16) < 22 || Le16(f, 18) != bits ||
            !std::equal(kSubformatoPcm.begin(), kSubformatoPcm.end(), f.begin() + 24))
            return fallo(ErrorWav::FormatoNoAdmitido);
    } else if (etiqueta != kFormatoPcm) {
        return fallo(ErrorWav::FormatoNoAdmitido);
    }
    if (canales == 0 || muestras == 0)
        return fallo(ErrorWav::Corrupto);
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return fallo(ErrorWav::FormatoNoAdmitido);
    if (canales > static_cast<std::uint32_t>(kCanalesMaximos) ||
        muestras < static_cast<std::uint32_t>(kMuestrasPorSegundoMinimas) ||
        muestras > static_cast<std::uint32_t>(kMuestrasPorSegundoMaximas))
        return fallo(ErrorWav::FormatoNoAdmitido);
    // Both are redundant in the file; a disagreement means a damaged header.
    if (bloque != canales * (bits / 8) || bytesPorSegundo != muestras * bloque)
        return fallo(ErrorWav::Corrupto);
    return {ErrorWav::Ninguno, {static_cast<int>(canales), static_cast<int>(muestras), static_cast<int>(bits), bloque}};
}

LecturaWav Fallo(ErrorWav error)
{
    return {error, {}};
}

} // namespace

std::size_t SonidoWav::BytesPorFotograma() const
{
    if (canales <= 0 || bitsPorMuestra <= 0)
        return 0;
    return static_cast<std::size_t>(canales) * static_cast<std::size_t>(bitsPorMuestra / 8);
}

std::size_t SonidoWav::Fotogramas() const
{
    const std::size_t bytes = BytesPorFotograma();
    return bytes == 0 ? 0 : datos.size() / bytes;
}

double SonidoWav::Segundos() const
{
    if (muestrasPorSegundo <= 0)
        return 0.0;
    return static_cast<double>(Fotogramas()) / muestrasPorSegundo;
}

double SonidoWav::Muestra(std::size_t fotograma, int canal) const
{
    if (canal < 0 || canal >= canales || fotograma >= Fotogramas())
        return 0.0;
    const std::size_t ancho = static_cast<std::size_t>(bitsPorMuestra / 8);
    const std::size_t i = fotograma * BytesPorFotograma() + static_cast<std::size_t>(canal) * ancho;
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < ancho; ++k)
        v |= static_cast<std::uint32_t>(datos[i + k]) << (8U * k);
    if (bitsPorMuestra == 8)
        return (static_cast<double>(v) - 128.0) / 128.0;
    // Two's complement of the container's width.
    const double escala = static_cast<double>(std::uint64_t{1} << (bitsPorMuestra - 1));
    const double sinSigno = static_cast<double>(v);
    return (sinSigno >= escala ? sinSigno - 2.0 * escala : sinSigno) / escala;
}

LecturaWav LeerWav(std::span<const std::uint8_t> b)
{
    const std::size_t n = b.size();
    if (n == 0)
        return Fallo(ErrorWav::Vacio);
    if (n > kTamanoMaximoWav)
        return Fallo(ErrorWav::DemasiadoGrande);
    // A file shorter than a header is still told apart from one of another kind.
    const std::string_view riff = "RIFF";
    for (std::size_t i = 0; i < n && i < riff.size(); ++i)
        if (b[i] != static_cast<std::uint8_t>(riff[i]))
            return Fallo(ErrorWav::NoEsRiff);
    if (n < 12)
        return Fallo(ErrorWav::Truncado);
    if (!Es(b, 8, "WAVE"))
        return Fallo(ErrorWav::NoEsWave);

    const std::uint64_t tamanoRiff = Le32(b, 4);
    if (tamanoRiff < 4)
        return Fallo(ErrorWav::Corrupto);
    const std::uint64_t fin = 8 + tamanoRiff;
    if (fin > n)
        return Fallo(ErrorWav::Truncado);

    std::optional<Formato> formato;
    std::optional<std::span<const std::uint8_t>> datos;
    std::uint64_t pos = 12;
    while (pos < fin) {
        if (fin - pos < 8)
            return Fallo(ErrorWav::Corrupto);
        const std::size_t cabecera = static_cast<std::size_t>(pos);
        const std::uint64_t tamano = Le32(b, cabecera + 4);
        pos += 8;
        if (tamano > fin - pos)
            return Fallo(ErrorWav::Truncado);
        const auto cuerpo = b.subspan(static_cast<std::size_t>(pos), static_cast<std::size_t>(tamano));
        if (Es(b, cabecera, "fmt ")) {
            if (datos)
                return Fallo(ErrorWav::SinFormato);
            if (formato)
                return Fallo(ErrorWav::Corrupto);
            const LecturaFormato f = LeerFormato(cuerpo);
            if (f.error != ErrorWav::Ninguno)
                return Fallo(f.error);
            formato = f.formato;
        } else if (Es(b, cabecera, "data")) {
            if (!formato)
                return Fallo(ErrorWav::SinFormato);
            if (datos || tamano % formato->bytesPorFotograma != 0)
                return Fallo(ErrorWav::Corrupto);
            datos = cuerpo;
        }
        pos += tamano;
        // Chunks start on even offsets; the last one may lack its pad byte.
        if (tamano % 2 != 0 && pos < fin)
            ++pos;
    }
    if (!datos)
        return Fallo(ErrorWav::SinDatos);

    LecturaWav lectura;
    lectura.sonido.canales = formato->canales;
    lectura.sonido.muestrasPorSegundo = formato->muestrasPorSegundo;
    lectura.sonido.bitsPorMuestra = formato->bitsPorMuestra;
    lectura.sonido.datos.assign(datos->begin(), datos->end());
    return lectura;
}

LecturaWav LeerArchivoWav(const std::string &ruta)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    // A FIFO or a device would block the read or never end.
    if (!fs::is_regular_file(ruta, ec) || ec)
        return Fallo(ErrorWav::NoSeAbre);
    const std::uintmax_t tamano = fs::file_size(ruta, ec);
    if (ec)
        return Fallo(ErrorWav::NoSeAbre);
    if (tamano == 0)
        return Fallo(ErrorWav::Vacio);
    if (tamano > kTamanoMaximoWav)
        return Fallo(ErrorWav::DemasiadoGrande);

    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo)
        return Fallo(ErrorWav::NoSeAbre);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(tamano));
    archivo.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // The file may have shrunk since its size was taken.
    bytes.resize(static_cast<std::size_t>(archivo.gcount()));
    return LeerWav(bytes);
}

std::vector<std::uint8_t> EscribirWav(const SonidoWav &s)
{
    const auto bloque = static_cast<std::uint32_t>(s.BytesPorFotograma());
    const auto tamanoDatos = static_cast<std::uint32_t>(s.datos.size());
    const std::uint32_t relleno = tamanoDatos % 2;
    std::vector<std::uint8_t> b;
    b.reserve(44 + s.datos.size() + relleno);
    PonId(b, "RIFF");
    PonLe32(b, 36 + tamanoDatos + relleno);
    PonId(b, "WAVE");
    PonId(b, "fmt ");
    PonLe32(b, 16);
    PonLe16(b, kFormatoPcm);
    PonLe16(b, static_cast<std::uint32_t>(s.canales));
    PonLe32(b, static_cast<std::uint32_t>(s.muestrasPorSegundo));
    PonLe32(b, static_cast<std::uint32_t>(s.muestrasPorSegundo) * bloque);
    PonLe16(b, bloque);
    PonLe16(b, static_cast<std::uint32_t>(s.bitsPorMuestra));
    PonId(b, "data");
    PonLe32(b, tamanoDatos);
    b.insert(b.end(), s.datos.begin(), s.datos.end());
    if (relleno != 0)
        b.push_back(0);
    return b;
}

} // namespace Calculos
