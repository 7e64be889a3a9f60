#include "core/wav.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace Calculos;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Id(Bytes &b, std::string_view id)
{
    for (char c : id)
        b.push_back(static_cast<std::uint8_t>(c));
}

void U16(Bytes &b, std::uint32_t v)
{
    b.push_back(static_cast<std::uint8_t>(v & 0xFFU));
    b.push_back(static_cast<std::uint8_t>((v >> 8U) & 0xFFU));
}

void U32(Bytes &b, std::uint32_t v)
{
    U16(b, v & 0xFFFFU);
    U16(b, v >> 16U);
}

struct Fmt {
    std::uint32_t etiqueta = 1;
    std::uint32_t canales = 2;
    std::uint32_t muestras = 8000;
    std::uint32_t bits = 16;
    std::optional<std::uint32_t> bytesPorSegundo;
    std::optional<std::uint32_t> bloque;
};

Bytes CuerpoFmt(const Fmt &f)
{
    const std::uint32_t bloque = f.bloque.value_or(f.canales * f.bits / 8);
    Bytes b;
    U16(b, f.etiqueta);
    U16(b, f.canales);
    U32(b, f.muestras);
    U32(b, f.bytesPorSegundo.value_or(f.muestras * bloque));
    U16(b, bloque);
    U16(b, f.bits);
    return b;
}

// A chunk with its pad byte; `declarado` overrides the size in its header.
Bytes Trozo(std::string_view id, const Bytes &cuerpo, std::optional<std::uint32_t> declarado = {})
{
    Bytes b;
    Id(b, id);
    U32(b, declarado.value_or(static_cast<std::uint32_t>(cuerpo.size())));
    b.insert(b.end(), cuerpo.begin(), cuerpo.end());
    if (cuerpo.size() % 2 != 0)
        b.push_back(0);
    return b;
}

Bytes Riff(std::initializer_list<Bytes> trozos, std::optional<std::uint32_t> declarado = {},
           std::string_view tipo = "WAVE")
{
    Bytes cuerpo;
    Id(cuerpo, tipo);
    for (const Bytes &t : trozos)
        cuerpo.insert(cuerpo.end(), t.begin(), t.end());
    Bytes b;
    Id(b, "RIFF");
    U32(b, declarado.value_or(static_cast<std::uint32_t>(cuerpo.size())));
    b.insert(b.end(), cuerpo.begin(), cuerpo.end());
    return b;
}

Bytes Datos(std::size_t n)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(i * 37U + 5U);
    return b;
}

// Two stereo 16-bit frames.
Bytes Valido()
{
    return Riff({Trozo("fmt ", CuerpoFmt({})), Trozo("data", Datos(8))});
}

Bytes Extensible(std::uint32_t bitsValidos, std::uint8_t primerByteSubformato)
{
    Bytes f = CuerpoFmt({0xFFFE, 2, 8000, 16, {}, {}});
    U16(f, 22);
    U16(f, bitsValidos);
    U32(f, 3); // front left and right
    const std::uint8_t guid[16] = {primerByteSubformato, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    f.insert(f.end(), std::begin(guid), std::end(guid));
    return Riff({Trozo("fmt ", f), Trozo("data", Datos(8))});
}

class Temporal {
public:
    Temporal()
    {
        std::string plantilla = (std::filesystem::temp_directory_path() / "orvella_wav_XXXXXX").string();
        if (mkdtemp(plantilla.data()) != nullptr)
            m_dir = plantilla;
    }
    ~Temporal()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    Temporal(const Temporal &) = delete;
    Temporal &operator=(const Temporal &) = delete;

    std::string Ruta(std::string_view nombre) const { return (m_dir / nombre).string(); }
    std::string Escribir(std::string_view nombre, const Bytes &b) const
    {
        const std::string ruta = Ruta(nombre);
        std::ofstream(ruta, std::ios::binary)
            .write(reinterpret_cast<const char *>(b.data()), static_cast<std::streamsize>(b.size()));
        return ruta;
    }

private:
    std::filesystem::path m_dir;
};

} // namespace

TEST(LeerWav, FormatosAdmitidos)
{
    struct Caso {
        const char *nombre;
        int canales;
        int muestras;
        int bits;
        std::size_t bytes;
    };
    const Caso casos[] = {
        {"8 bits mono, odd size with its pad byte", 1, 11025, 8, 5},
        {"16 bits stereo", 2, 44100, 16, 400},
        {"24 bits mono", 1, 48000, 24, 9},
        {"32 bits, 6 channels", 6, 96000, 32, 48},
        {"no frames at all", 1, 8000, 16, 0},
    };
    for (const Caso &c : casos) {
        SonidoWav s;
        s.canales = c.canales;
        s.muestrasPorSegundo = c.muestras;
        s.bitsPorMuestra = c.bits;
        s.datos = Datos(c.bytes);
        const LecturaWav l = LeerWav(EscribirWav(s));
        ASSERT_EQ(l.error, ErrorWav::Ninguno) << c.nombre;
        EXPECT_EQ(l.sonido.canales, c.canales) << c.nombre;
        EXPECT_EQ(l.sonido.muestrasPorSegundo, c.muestras) << c.nombre;
        EXPECT_EQ(l.sonido.bitsPorMuestra, c.bits) << c.nombre;
        EXPECT_EQ(l.sonido.datos, s.datos) << c.nombre;
        EXPECT_EQ(l.sonido.Fotogramas(), c.bytes / (c.canales * c.bits / 8)) << c.nombre;
    }
}

TEST(LeerWav, TrozosDeMasYRelleno)
{
    // A LIST chunk of odd size (pad byte) before the data, and an unknown
    // chunk of odd size at the very end without its pad byte.
    Bytes b = Riff({Trozo("fmt ", CuerpoFmt({})), Trozo("LIST", Datos(7)), Trozo("data", Datos(8))});
    Id(b, "junk");
    U32(b, 3);
    b.insert(b.end(), {1, 2, 3});
    b[4] = static_cast<std::uint8_t>(b.size() - 8);
    const LecturaWav l = LeerWav(b);
    ASSERT_EQ(l.error, ErrorWav::Ninguno);
    EXPECT_EQ(l.sonido.datos, Datos(8));

    // Bytes after the RIFF chunk are not part of the file.
    Bytes cola = Valido();
    cola.insert(cola.end(), {9, 9, 9});
    EXPECT_EQ(LeerWav(cola).error, ErrorWav::Ninguno);

    EXPECT_EQ(LeerWav(Extensible(16, 1)).error, ErrorWav::Ninguno);
}

TEST(LeerWav, Muestras)
{
    struct Caso {
        int bits;
        Bytes bytes;
        double esperada;
    };
    const Caso casos[] = {
        {8, {0x00}, -1.0},
        {8, {0x80}, 0.0},
        {8, {0xFF}, 127.0 / 128.0},
        {16, {0x00, 0x80}, -1.0},
        {16, {0xFF, 0x7F}, 32767.0 / 32768.0},
        {16, {0xFF, 0xFF}, -1.0 / 32768.0},
        {24, {0x00, 0x00, 0x80}, -1.0},
        {24, {0x00, 0x00, 0x40}, 0.5},
        {32, {0x00, 0x00, 0x00, 0x80}, -1.0},
        {32, {0x00, 0x00, 0x00, 0xC0}, -0.5},
    };
    for (const Caso &c : casos) {
        SonidoWav s;
        s.canales = 1;
        s.muestrasPorSegundo = 8000;
        s.bitsPorMuestra = c.bits;
        s.datos = c.bytes;
        EXPECT_DOUBLE_EQ(s.Muestra(0, 0), c.esperada) << c.bits << " bits";
        EXPECT_EQ(s.Muestra(1, 0), 0.0) << "past the last frame";
        EXPECT_EQ(s.Muestra(0, 1), 0.0) << "no such channel";
    }

    SonidoWav estereo;
    estereo.canales = 2;
    estereo.muestrasPorSegundo = 4;
    estereo.bitsPorMuestra = 16;
    estereo.datos = {0, 0, 0x00, 0x40, 0, 0, 0x00, 0xC0};
    EXPECT_DOUBLE_EQ(estereo.Muestra(0, 1), 0.5);
    EXPECT_DOUBLE_EQ(estereo.Muestra(1, 1), -0.5);
    EXPECT_DOUBLE_EQ(estereo.Segundos(), 0.5);
}

TEST(LeerWav, ArchivosRechazados)
{
    const Bytes fmt = Trozo("fmt ", CuerpoFmt({}));
    const Bytes datos = Trozo("data", Datos(8));
    const Bytes valido = Valido();
    Bytes riffCorto = valido;
    riffCorto[4] = 3;
    riffCorto[5] = riffCorto[6] = riffCorto[7] = 0;
    Bytes sobrante = Riff({fmt, datos});
    sobrante.insert(sobrante.end(), {1, 2, 3});
    sobrante[4] = static_cast<std::uint8_t>(sobrante[4] + 3);

    struct Caso {
        const char *nombre;
        Bytes bytes;
        ErrorWav error;
    };
    const Caso casos[] = {
        {"empty", {}, ErrorWav::Vacio},
        {"three bytes of a header", {'R', 'I', 'F'}, ErrorWav::Truncado},
        {"text", {'h', 'o', 'l', 'a', ' ', 'm', 'u', 'n', 'd', 'o', '!', '!'}, ErrorWav::NoEsRiff},
        {"big-endian RIFX",
         [&] {
             Bytes b = valido;
             b[3] = 'X';
             return b;
         }(),
         ErrorWav::NoEsRiff},
        {"header cut before the type", Bytes(valido.begin(), valido.begin() + 10), ErrorWav::Truncado},
        {"a RIFF of another kind", Riff({fmt, datos}, {}, "AVI "), ErrorWav::NoEsWave},
        {"RIFF size too small for its type", riffCorto, ErrorWav::Corrupto},
        {"RIFF size past the end", Riff({fmt, datos}, 1000), ErrorWav::Truncado},
        {"RIFF size 4 GiB", Riff({fmt, datos}, 0xFFFFFFFFU), ErrorWav::Truncado},
        {"data size 4 GiB", Riff({fmt, Trozo("data", Datos(8), 0xFFFFFFFFU)}), ErrorWav::Truncado},
        {"fmt size 4 GiB", Riff({Trozo("fmt ", CuerpoFmt({}), 0xFFFFFFF0U), datos}), ErrorWav::Truncado},
        {"stray bytes after the last chunk", sobrante, ErrorWav::Corrupto},
        {"no fmt", Riff({datos}), ErrorWav::SinFormato},
        {"fmt after data", Riff({datos, fmt}), ErrorWav::SinFormato},
        {"no data", Riff({fmt}), ErrorWav::SinDatos},
        {"nothing but the type", Riff({}), ErrorWav::SinDatos},
        {"two fmt", Riff({fmt, fmt, datos}), ErrorWav::Corrupto},
        {"two data", Riff({fmt, datos, datos}), ErrorWav::Corrupto},
        {"data not whole frames", Riff({fmt, Trozo("data", Datos(7))}), ErrorWav::Corrupto},
        {"short fmt", Riff({Trozo("fmt ", Bytes(14, 1)), datos}), ErrorWav::Corrupto},
        {"no channels", Riff({Trozo("fmt ", CuerpoFmt({1, 0, 8000, 16, {}, {}})), datos}), ErrorWav::Corrupto},
        {"no sample rate", Riff({Trozo("fmt ", CuerpoFmt({1, 2, 0, 16, {}, {}})), datos}), ErrorWav::Corrupto},
        {"block size disagrees", Riff({Trozo("fmt ", CuerpoFmt({1, 2, 8000, 16, {}, 2})), datos}), ErrorWav::Corrupto},
        {"byte rate disagrees", Riff({Trozo("fmt ", CuerpoFmt({1, 2, 8000, 16, 1, {}})), datos}), ErrorWav::Corrupto},
        {"float samples", Riff({Trozo("fmt ", CuerpoFmt({3, 2, 8000, 32, {}, {}})), datos}),
         ErrorWav::FormatoNoAdmitido},
        {"MP3", Riff({Trozo("fmt ", CuerpoFmt({0x55, 2, 8000, 16, {}, {}})), datos}), ErrorWav::FormatoNoAdmitido},
        {"12-bit samples", Riff({Trozo("fmt ", CuerpoFmt({1, 2, 8000, 12, {}, 4})), datos}),
         ErrorWav::FormatoNoAdmitido},
        {"nine channels", Riff({Trozo("fmt ", CuerpoFmt({1, 9, 8000, 16, {}, {}})), Trozo("data", Datos(18))}),
         ErrorWav::FormatoNoAdmitido},
        {"500 samples a second", Riff({Trozo("fmt ", CuerpoFmt({1, 2, 500, 16, {}, {}})), datos}),
         ErrorWav::FormatoNoAdmitido},
        {"extensible float", Extensible(16, 3), ErrorWav::FormatoNoAdmitido},
        {"extensible, 12 of 16 bits used", Extensible(12, 1), ErrorWav::FormatoNoAdmitido},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(LeerWav(c.bytes).error, c.error) << c.nombre;
}

TEST(LeerWav, CadaCorteEsUnError)
{
    const Bytes valido = Riff({Trozo("fmt ", CuerpoFmt({})), Trozo("LIST", Datos(5)), Trozo("data", Datos(8))});
    ASSERT_EQ(LeerWav(valido).error, ErrorWav::Ninguno);
    for (std::size_t n = 0; n < valido.size(); ++n)
        EXPECT_NE(LeerWav(std::span(valido).first(n)).error, ErrorWav::Ninguno) << n << " bytes";
}

TEST(LeerWav, BytesAlAzarNuncaLeenFueraDelArchivo)
{
    // Under the address sanitizer any read past the bytes fails the test.
    std::mt19937 azar(7);
    const Bytes valido = Riff({Trozo("fmt ", CuerpoFmt({})), Trozo("LIST", Datos(5)), Trozo("data", Datos(40))});
    for (int vuelta = 0; vuelta < 3000; ++vuelta) {
        Bytes b = valido;
        const int cambios = 1 + static_cast<int>(azar() % 4);
        for (int k = 0; k < cambios; ++k)
            b[azar() % b.size()] = static_cast<std::uint8_t>(azar());
        b.resize(azar() % (b.size() + 1));
        const LecturaWav l = LeerWav(b);
        if (l.error == ErrorWav::Ninguno) {
            EXPECT_LE(l.sonido.datos.size(), b.size());
            EXPECT_EQ(l.sonido.datos.size() % l.sonido.BytesPorFotograma(), 0U);
        }
    }
}

TEST(LeerWav, DemasiadoGrande)
{
    const Bytes enorme(kTamanoMaximoWav + 1, 0);
    EXPECT_EQ(LeerWav(enorme).error, ErrorWav::DemasiadoGrande);
}

TEST(LeerArchivoWav, Archivos)
{
    Temporal dir;
    const std::string valido = dir.Escribir("valido.wav", Valido());
    const std::string vacio = dir.Escribir("vacio.wav", {});
    const Bytes entero = Valido();
    const std::string cortado = dir.Escribir("cortado.wav", Bytes(entero.begin(), entero.end() - 3));
    const std::string fifo = dir.Ruta("tuberia.wav");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Sparse: takes no disk space, and must not be read.
    const std::string enorme = dir.Escribir("enorme.wav", Valido());
    std::filesystem::resize_file(enorme, std::uintmax_t{1} << 32U);

    struct Caso {
        std::string ruta;
        ErrorWav error;
    };
    const Caso casos[] = {
        {valido, ErrorWav::Ninguno},        {vacio, ErrorWav::Vacio},
        {cortado, ErrorWav::Truncado},      {dir.Ruta("no_existe.wav"), ErrorWav::NoSeAbre},
        {dir.Ruta(""), ErrorWav::NoSeAbre}, {"", ErrorWav::NoSeAbre},
        {fifo, ErrorWav::NoSeAbre},         {enorme, ErrorWav::DemasiadoGrande},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(LeerArchivoWav(c.ruta).error, c.error) << c.ruta;
    EXPECT_EQ(LeerArchivoWav(valido).sonido.datos, Datos(8));
}
