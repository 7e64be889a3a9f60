#include "platform/Sonido.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Whatever the machine has, no sound reaches a device here: no sound
// server, and ALSA without a configuration.
const bool kSinDispositivo =
    qputenv("PULSE_SERVER", "unix:/nonexistent/orvella") && qputenv("ALSA_CONFIG_PATH", "/dev/null");

QByteArray Tada()
{
    QFile f(QStringLiteral(ORVELLA_TADA));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file to play: its bytes; "carpeta" and "tuberia" make a folder and a
// pipe, "falta" nothing.
struct CasoSonido {
    const char *nombre;
    QByteArray bytes;
};

class SonidoReal : public ::testing::TestWithParam<CasoSonido> {};

TEST_P(SonidoReal, SinSonarTerminaEnSeguidaYUnaSolaVez)
{
    ASSERT_TRUE(kSinDispositivo);
    const std::string nombre = GetParam().nombre;
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QString::fromStdString(nombre));
    QFile archivo(ruta);
    bool hecho = true;
    if (nombre == "carpeta")
        hecho = QDir(dir.path()).mkdir(ruta);
    else if (nombre == "tuberia")
        hecho = mkfifo(QFile::encodeName(ruta).constData(), 0600) == 0;
    else if (nombre != "falta")
        hecho = archivo.open(QIODevice::WriteOnly) && archivo.write(GetParam().bytes) >= 0 && archivo.flush();
    ASSERT_TRUE(hecho);

    QObject contexto;
    int fines = 0;
    QElapsedTimer reloj;
    reloj.start();
    ReproducirSonido(ruta, &contexto, [&fines] { ++fines; });
    EXPECT_LT(reloj.elapsed(), 100) << "the call waited";
    // The library's first load is part of it.
    while (fines == 0 && reloj.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(fines, 1);
}

INSTANTIATE_TEST_SUITE_P(Sonido, SonidoReal,
                         ::testing::Values(CasoSonido{"falta", {}}, CasoSonido{"vacio", {}},
                                           CasoSonido{"cabecera", Tada().left(60)},
                                           CasoSonido{"mitad", Tada().left(Tada().size() / 2)},
                                           CasoSonido{"texto", QByteArray(50000, 'x')}, CasoSonido{"carpeta", {}},
                                           CasoSonido{"tuberia", {}}, CasoSonido{"tada", Tada()}),
                         [](const auto &prueba) { return std::string(prueba.param.nombre); });

} // namespace
