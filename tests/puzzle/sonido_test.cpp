#include "widgets/Sonido.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <ostream>

namespace {

// What "at once" means for a sound that cannot play, the library's first
// load included.
constexpr qint64 kProntoMs = 2000;

// Whatever the machine has, no sound reaches a device here: no sound
// server, and ALSA without a configuration.
const bool kSinDispositivo =
    qputenv("PULSE_SERVER", "unix:/nonexistent/orvella") && qputenv("ALSA_CONFIG_PATH", "/dev/null");

enum class Clase { Ausente, Archivo, Carpeta, Tuberia };

struct CasoSonido {
    const char *nombre;
    Clase clase;
    QByteArray bytes;
};

void PrintTo(const CasoSonido &caso, std::ostream *salida)
{
    *salida << caso.nombre;
}

QByteArray Tada()
{
    QFile f(QStringLiteral(ORVELLA_TADA));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Azar(int n)
{
    QByteArray bytes;
    for (unsigned x = 12345; bytes.size() < n;)
        bytes += static_cast<char>((x = x * 1103515245U + 12345U) >> 16);
    return bytes;
}

class SonidoReal : public ::testing::TestWithParam<CasoSonido> {};

TEST_P(SonidoReal, SinSonarTerminaEnSeguidaYUnaSolaVez)
{
    ASSERT_TRUE(kSinDispositivo);
    const CasoSonido &caso = GetParam();
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QString::fromUtf8(caso.nombre));
    if (caso.clase == Clase::Archivo) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(caso.bytes);
    } else if (caso.clase == Clase::Carpeta) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8(caso.nombre)));
    } else if (caso.clase == Clase::Tuberia) {
        ASSERT_EQ(mkfifo(QFile::encodeName(ruta).constData(), 0600), 0);
    }

    QObject contexto;
    int fines = 0;
    QElapsedTimer reloj;
    reloj.start();
    ReproducirSonido(ruta, &contexto, [&fines] { ++fines; });
    EXPECT_LT(reloj.elapsed(), 100) << "the call waited";
    while (fines == 0 && reloj.elapsed() < kProntoMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(fines, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sonido, SonidoReal,
    ::testing::Values(CasoSonido{"no_existe.wav", Clase::Ausente, {}}, CasoSonido{"vacio.wav", Clase::Archivo, {}},
                      CasoSonido{"cabecera.wav", Clase::Archivo, Tada().left(60)},
                      CasoSonido{"mitad.wav", Clase::Archivo, Tada().left(Tada().size() / 2)},
                      CasoSonido{"azar.wav", Clase::Archivo, Azar(100000)},
                      CasoSonido{"carpeta.wav", Clase::Carpeta, {}}, CasoSonido{"tuberia.wav", Clase::Tuberia, {}},
                      CasoSonido{"tada.wav", Clase::Archivo, Tada()}),
    [](const auto &prueba) { return QByteArray(prueba.param.nombre).replace(".wav", "").toStdString(); });

} // namespace
