#include "platform/Sonido.h"

#include "core/wav.h"
#include "tests/support/RegistroSonidos.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

// What "at once" means for a sound that cannot be played.
constexpr qint64 kProntoMs = 250;

QString Escribir(const QTemporaryDir &dir, const QString &nombre, const QByteArray &bytes)
{
    const QString ruta = dir.filePath(nombre);
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return ruta;
}

// Silence, so that no test can make a sound even where a device exists.
QByteArray Silencio(double segundos)
{
    Calculos::SonidoWav s;
    s.canales = 1;
    s.muestrasPorSegundo = 8000;
    s.bitsPorMuestra = 16;
    s.datos.assign(static_cast<std::size_t>(segundos * 8000) * 2, 0);
    const auto bytes = Calculos::EscribirWav(s);
    return {reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

qint64 Milisegundos(const std::function<void()> &f)
{
    QElapsedTimer reloj;
    reloj.start();
    f();
    return reloj.elapsed();
}

// Whatever reaches the process's standard error while `f` runs.
std::string ErroresDurante(const std::function<void()> &f)
{
    std::fflush(stderr);
    std::FILE *captura = std::tmpfile();
    if (captura == nullptr)
        return "no temporary file";
    const int copia = dup(STDERR_FILENO);
    dup2(fileno(captura), STDERR_FILENO);
    f();
    std::fflush(stderr);
    dup2(copia, STDERR_FILENO);
    close(copia);
    std::string texto;
    std::rewind(captura);
    for (int c = std::fgetc(captura); c != EOF; c = std::fgetc(captura))
        texto.push_back(static_cast<char>(c));
    std::fclose(captura);
    return texto;
}

bool SinTarjetasDeSonido()
{
    QFile tarjetas(QStringLiteral("/proc/asound/cards"));
    return !tarjetas.open(QIODevice::ReadOnly) || tarjetas.readAll().contains("no soundcards");
}

} // namespace

TEST(Sonido, ElManejadorInstaladoRecibeCadaSonido)
{
    {
        RegistroSonidos registro;
        const qint64 ms = Milisegundos([] { ReproducirSonido(QStringLiteral("/opt/orvella/tada.wav")); });
        EXPECT_EQ(registro.rutas, QStringList{QStringLiteral("/opt/orvella/tada.wav")});
        EXPECT_LT(ms, kProntoMs);
        {
            RegistroSonidos interior;
            ReproducirSonido(QStringLiteral("a.wav"));
            EXPECT_EQ(interior.rutas.size(), 1);
        }
        ReproducirSonido(QStringLiteral("b.wav"));
        EXPECT_EQ(registro.rutas.size(), 2);
    }
    EXPECT_FALSE(InstalarManejadorSonido({}));
}

TEST(Sonido, ArchivosQueNoSuenanVuelvenEnSeguidaYSinRuido)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray cortado = Silencio(1.0);
    cortado.chop(100);
    QByteArray enorme = Silencio(0.1);
    enorme[4] = enorme[5] = enorme[6] = enorme[7] = '\xFF';
    QByteArray datosEnormes = Silencio(0.1);
    datosEnormes[40] = datosEnormes[41] = datosEnormes[42] = datosEnormes[43] = '\xFF';
    const QString fifo = dir.filePath(QStringLiteral("tuberia.wav"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const QString rutas[] = {
        dir.filePath(QStringLiteral("no_existe.wav")),
        QString(),
        dir.path(),
        fifo,
        Escribir(dir, QStringLiteral("vacio.wav"), {}),
        Escribir(dir, QStringLiteral("texto.wav"), "esto no es un sonido"),
        Escribir(dir, QStringLiteral("cortado.wav"), cortado),
        Escribir(dir, QStringLiteral("riff_enorme.wav"), enorme),
        Escribir(dir, QStringLiteral("datos_enormes.wav"), datosEnormes),
        Escribir(dir, QStringLiteral("sin_muestras.wav"), Silencio(0.0)),
    };
    for (const QString &ruta : rutas) {
        qint64 real = 0;
        qint64 costura = 0;
        bool sono = true;
        const std::string ruido = ErroresDurante([&] {
            real = Milisegundos([&] { sono = ReproducirWav(ruta); });
            costura = Milisegundos([&] { ReproducirSonido(ruta); });
        });
        EXPECT_FALSE(sono) << ruta.toStdString();
        EXPECT_LT(real, kProntoMs) << ruta.toStdString();
        EXPECT_LT(costura, kProntoMs) << ruta.toStdString();
        EXPECT_EQ(ruido, "") << ruta.toStdString();
    }
}

TEST(Sonido, SinDispositivoVuelveEnSeguidaYSinRuido)
{
    QTemporaryDir dir;
    const QString ruta = Escribir(dir, QStringLiteral("silencio.wav"), Silencio(1.0));
    for (const char *dispositivo : {"orvella_sin_dispositivo", "hw:99,0", "plughw:99", ""}) {
        bool sono = true;
        qint64 ms = 0;
        const std::string ruido =
            ErroresDurante([&] { ms = Milisegundos([&] { sono = ReproducirWav(ruta, dispositivo); }); });
        EXPECT_FALSE(sono) << dispositivo;
        EXPECT_LT(ms, kProntoMs) << dispositivo;
        EXPECT_EQ(ruido, "") << dispositivo;
    }
    EXPECT_FALSE(ReproducirWav(ruta, nullptr));

    // The program's own device: never longer than the sound and its margin,
    // and at once on a machine without sound cards.
    std::string ruido;
    const qint64 ms = Milisegundos([&] { ruido = ErroresDurante([&] { ReproducirSonido(ruta); }); });
    EXPECT_LT(ms, 1000 + kMargenSonidoMs + kProntoMs);
    EXPECT_EQ(ruido, "");
    if (SinTarjetasDeSonido()) {
        EXPECT_LT(ms, kProntoMs);
    }
}

TEST(Sonido, UnDispositivoQueAceptaLoTocaEntero)
{
    QTemporaryDir dir;
    const QString ruta = Escribir(dir, QStringLiteral("silencio.wav"), Silencio(1.0));
    // ALSA's null device takes the samples as fast as they come.
    EXPECT_TRUE(ReproducirWav(ruta, "null"));
}

TEST(Sonido, UnDispositivoColgadoNoRetieneMasQueElMargen)
{
    QTemporaryDir dir;
    const QString ruta = Escribir(dir, QStringLiteral("silencio.wav"), Silencio(0.5));
    // A file device writing into a pipe nobody reads: the device's own open
    // blocks, where no deadline of the player reaches.
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("dispositivo")));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    const QByteArray dispositivo = "file:'" + fifo + "',raw";

    bool sono = true;
    const qint64 ms = Milisegundos([&] { sono = ReproducirWav(ruta, dispositivo.constData()); });
    EXPECT_FALSE(sono);
    EXPECT_GE(ms, 500);
    EXPECT_LT(ms, 500 + kMargenSonidoMs + kProntoMs);

    // Let the abandoned player through: it gives up and closes the pipe.
    const int lector = open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(lector, 0);
    bool cerrado = false;
    QElapsedTimer reloj;
    reloj.start();
    while (!cerrado && reloj.elapsed() < 5000) {
        pollfd p{lector, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0)
            continue;
        char resto[4096];
        cerrado = read(lector, resto, sizeof resto) == 0;
    }
    close(lector);
    EXPECT_TRUE(cerrado);
}

TEST(Tada, SuenaComoDebe)
{
    const QString ruta = QStringLiteral(ORVELLA_TADA);
    ASSERT_TRUE(QFileInfo::exists(ruta));
    EXPECT_LE(QFileInfo(ruta).size(), 300 * 1024);

    const Calculos::LecturaWav l = Calculos::LeerArchivoWav(QFile::encodeName(ruta).toStdString());
    ASSERT_EQ(l.error, Calculos::ErrorWav::Ninguno);
    const Calculos::SonidoWav &s = l.sonido;
    EXPECT_EQ(s.bitsPorMuestra, 16);
    EXPECT_GE(s.Segundos(), 1.0);
    EXPECT_LE(s.Segundos(), 1.5);

    double pico = 0.0;
    double energia = 0.0;
    for (std::size_t i = 0; i < s.Fotogramas(); ++i) {
        const double v = s.Muestra(i, 0);
        pico = std::max(pico, std::fabs(v));
        energia += v * v;
    }
    // Loud enough to hear, short of clipping, and no click at either end.
    EXPECT_GT(pico, 0.5);
    EXPECT_LT(pico, 0.8);
    EXPECT_GT(std::sqrt(energia / static_cast<double>(s.Fotogramas())), 0.05);
    EXPECT_LT(std::fabs(s.Muestra(0, 0)), 0.02);
    EXPECT_LT(std::fabs(s.Muestra(s.Fotogramas() - 1, 0)), 0.02);

    EXPECT_TRUE(ReproducirWav(ruta, "null"));
}
