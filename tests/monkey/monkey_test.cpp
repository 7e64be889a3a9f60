#include "shell/Ventanas.h"
#include "tests/monkey/Mono.h"
#include "tests/monkey/Textos.h"
#include "tests/support/Ventana.h"
#include "widgets/Controles.h"
#include "widgets/Mensajes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <ostream>

// Readable test names and failures.
void PrintTo(const FichaVentana &ficha, std::ostream *os)
{
    *os << ficha.Clase().toStdString();
}

namespace {

// The figures of a run, on the test's output and, when ORVELLA_MONKEY_CIFRAS
// names a file, as a line of it.
void Anotar(const QString &clase, const CifrasMono &c, const OpcionesMono &o)
{
    const QString linea = QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8")
                              .arg(clase)
                              .arg(c.eventos)
                              .arg(c.segundos, 0, 'f', 1)
                              .arg(c.mensajes)
                              .arg(c.comprobaciones)
                              .arg(c.hallazgos)
                              .arg(c.aperturas)
                              .arg(o.semilla);
    std::printf("[ MONKEY   ] %s: %d events in %.1f s, %d messages, %ld checks, %d findings, opened %d times, seed "
                "%u\n",
                clase.toUtf8().constData(), c.eventos, c.segundos, c.mensajes, c.comprobaciones, c.hallazgos,
                c.aperturas, o.semilla);
    if (qEnvironmentVariableIsSet("ORVELLA_MONKEY_MENSAJES")) {
        for (auto it = c.porMensaje.begin(); it != c.porMensaje.end(); ++it)
            std::printf("[ MONKEY   ]   %6d x \"%s\"\n", it.value(), it.key().toUtf8().constData());
    }
    const QString archivo = qEnvironmentVariable("ORVELLA_MONKEY_CIFRAS");
    QFile cifras(archivo);
    if (!archivo.isEmpty() && cifras.open(QIODevice::Append | QIODevice::Text))
        cifras.write((linea + u'\n').toUtf8());
}

class MonoEnCadaVentana : public ::testing::TestWithParam<FichaVentana> {};

} // namespace

TEST_P(MonoEnCadaVentana, NadaLaRompe)
{
    const FichaVentana &ficha = GetParam();
    const QString clase = ficha.Clase();
    const std::unique_ptr<Reglas> reglas = ReglasDe(clase);
    ASSERT_NE(reglas, nullptr) << "no invariants written for " << clase.toStdString();
    const OpcionesMono opciones = OpcionesDelEntorno(clase);
    const CifrasMono cifras = CorrerMono(ficha, *reglas, opciones);
    Anotar(clase, cifras, opciones);
    if (qEnvironmentVariableIsSet("ORVELLA_MONKEY_MENSAJES")) {
        for (auto it = reglas->porInvariante.begin(); it != reglas->porInvariante.end(); ++it)
            std::printf("[ MONKEY   ]   %8ld checks of \"%s\"\n", it.value(), it.key());
    }
    if (cifras.hallazgos == 0) {
        EXPECT_EQ(cifras.eventos, opciones.eventos);
    }
    // Every event checks the window's texts and invariants.
    EXPECT_GT(cifras.comprobaciones, 2L * cifras.eventos);
}

INSTANTIATE_TEST_SUITE_P(Lista, MonoEnCadaVentana, ::testing::ValuesIn(ListaVentanas().begin(), ListaVentanas().end()),
                         [](const ::testing::TestParamInfo<FichaVentana> &ficha) {
                             return ficha.param.Clase().toStdString();
                         });

TEST(PalabraSinSentido, SoloLosNumerosQueNoLoSon)
{
    struct Caso {
        const char *texto;
        const char *palabra; // nullptr: clean
    };
    const Caso casos[] = {
        {"", nullptr},
        {"18,015", nullptr},
        {"-273,15", nullptr},
        {"-0,5", nullptr},
        {"1,5E-05", nullptr},
        {"Información", nullptr},
        {"Infinidad de casos", nullptr},
        {"Fernando nana", nullptr},
        {"min.", nullptr},
        {"Ac-227", nullptr},
        {"1-0", nullptr},
        {"10 - 0", nullptr},
        {"14/03/2024", nullptr},
        {"inf", "inf"},
        {"-inf mCi", "-inf"},
        {"INF", "INF"},
        {"Infinity", "Infinity"},
        {"nan", "nan"},
        {"-nan", "-nan"},
        {"NaN g", "NaN"},
        {"nan(ind)", "nan"},
        {"1,#INF", "1,#INF"},
        {"1.#QNAN0", "1.#QNAN0"},
        {"x = ∞", "∞"},
        {"-0", "-0"},
        {"-0,", "-0,"},
        {"-0,000 g", "-0,000"},
        {"es -0.", "-0."},
        {"-0E+05", "-0E+05"},
        {"0", nullptr},
        {"-0,0001", nullptr},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto);
        const auto palabra = PalabraSinSentido(QString::fromUtf8(c.texto));
        if (c.palabra == nullptr)
            EXPECT_FALSE(palabra.has_value()) << palabra->toStdString();
        else
            EXPECT_EQ(palabra.value_or(QStringLiteral("(none)")), QString::fromUtf8(c.palabra));
    }
}

// Small windows of the test's own, each with a fault of the kind the monkey
// is there to find.
class VentanaConNan : public QWidget {
    Q_OBJECT

public:
    explicit VentanaConNan(QWidget *parent = nullptr) : QWidget(parent, Qt::Window)
    {
        setObjectName(QStringLiteral("VentanaConNan"));
        auto *boton = Crear<QPushButton>(this, QStringLiteral("Dividir"), {10, 10, 80, 30});
        auto *resultado = CrearEtiqueta(this, QStringLiteral("Resultado"), QString(), {10, 50, 120, 30});
        // 0 / 0 written the way the program never may.
        connect(boton, &QPushButton::clicked, resultado,
                [resultado] { resultado->setText(QString::number(std::numeric_limits<double>::quiet_NaN())); });
    }
};

class VentanaConCaja : public QWidget {
    Q_OBJECT

public:
    explicit VentanaConCaja(QWidget *parent = nullptr) : QWidget(parent, Qt::Window)
    {
        setObjectName(QStringLiteral("VentanaConCaja"));
        auto *boton = Crear<QPushButton>(this, QStringLiteral("Avisar"), {10, 10, 80, 30});
        // Past the program's seam.
        connect(boton, &QPushButton::clicked, this,
                [this] { QMessageBox::information(this, QStringLiteral("Orvella"), QStringLiteral("Hola.")); });
    }
};

class VentanaColgada : public QWidget {
    Q_OBJECT

public:
    explicit VentanaColgada(QWidget *parent = nullptr) : QWidget(parent, Qt::Window)
    {
        setObjectName(QStringLiteral("VentanaColgada"));
        auto *boton = Crear<QPushButton>(this, QStringLiteral("Esperar"), {0, 0, 200, 200});
        connect(boton, &QPushButton::clicked, this, [] {
            for (;;)
                QThread::msleep(10);
        });
    }
};

class VentanaConCaja2 : public QWidget {
    Q_OBJECT

public:
    explicit VentanaConCaja2(QWidget *parent = nullptr) : QWidget(parent, Qt::Window)
    {
        setObjectName(QStringLiteral("VentanaConCaja2"));
        Crear<QLineEdit>(this, QStringLiteral("Caja"), {10, 10, 120, 26});
    }
};

class VentanaQueSeCierra : public QWidget {
    Q_OBJECT

public:
    explicit VentanaQueSeCierra(QWidget *parent = nullptr) : QWidget(parent, Qt::Window)
    {
        setObjectName(QStringLiteral("VentanaQueSeCierra"));
        auto *boton = Crear<QPushButton>(this, QStringLiteral("Salir"), {0, 0, 200, 200});
        connect(boton, &QPushButton::clicked, this, &QWidget::close);
    }
};

// A clock that counts its ticks on screen, every millisecond.
class VentanaConReloj : public QWidget {
    Q_OBJECT

public:
    explicit VentanaConReloj(QWidget *parent = nullptr) : QWidget(parent, Qt::Window)
    {
        setObjectName(QStringLiteral("VentanaConReloj"));
        auto *cuenta = CrearEtiqueta(this, QStringLiteral("Cuenta"), QStringLiteral("0"), {10, 10, 80, 30});
        auto *reloj = Crear<QTimer>(this, QStringLiteral("Timer1"));
        connect(reloj, &QTimer::timeout, cuenta,
                [cuenta] { cuenta->setText(QString::number(cuenta->text().toInt() + 1)); });
        reloj->start(1);
    }
};

namespace {

class SinReglas : public Reglas {
public:
    void Despues(const Evento &) override {}
};

// A box that may never hold a comma: any comma typed breaks it.
class SinComas : public Reglas {
public:
    void Despues(const Evento &) override
    {
        Exigir(!TextoDe(Control("Caja")).contains(u','), "the box never holds a comma", TextoDe(Control("Caja")));
    }
};

// Every event, as the monkey describes it.
class Diario : public Reglas {
public:
    void Antes(const Evento &e) override { eventos << e.descripcion; }
    void Despues(const Evento &) override {}
    QStringList eventos;
};

OpcionesMono Corta(std::uint32_t semilla = 1)
{
    OpcionesMono o;
    o.semilla = semilla;
    o.eventos = 300;
    return o;
}

// The failures a run reports, instead of failing this test.
QStringList Fallos(const FichaVentana &ficha, Reglas &reglas, const OpcionesMono &opciones)
{
    ::testing::TestPartResultArray resultados;
    {
        ::testing::ScopedFakeTestPartResultReporter espia(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &resultados);
        CorrerMono(ficha, reglas, opciones);
    }
    QStringList fallos;
    for (int i = 0; i < resultados.size(); ++i)
        fallos << QString::fromUtf8(resultados.GetTestPartResult(i).message());
    return fallos;
}

} // namespace

TEST(Mono, VeLosTextosSinSentido)
{
    SinReglas reglas;
    const QStringList fallos = Fallos(Ficha<VentanaConNan>(), reglas, Corta());
    ASSERT_FALSE(fallos.isEmpty());
    EXPECT_TRUE(fallos.front().contains(QLatin1String("\"no text shows inf, nan or -0\" broken after click")) &&
                fallos.front().contains(QLatin1String("label Resultado shows \"nan\"")))
        << fallos.front().toStdString();
    // Told with the events that led there, and the seed to replay them.
    EXPECT_TRUE(fallos.front().contains(QLatin1String("seed 1, events so far:"))) << fallos.front().toStdString();
}

TEST(Mono, VeLasInvariantesRotas)
{
    SinComas reglas;
    const QStringList fallos = Fallos(Ficha<VentanaConCaja2>(), reglas, Corta());
    ASSERT_FALSE(fallos.isEmpty());
    EXPECT_TRUE(fallos.front().contains(QLatin1String("\"the box never holds a comma\" broken after")))
        << fallos.front().toStdString();
    // Each invariant is told in full a few times only.
    EXPECT_LE(fallos.size(), 3);
}

TEST(Mono, VeLasCajasQueNoPasanPorElPrograma)
{
    SinReglas reglas;
    const QStringList fallos = Fallos(Ficha<VentanaConCaja>(), reglas, Corta());
    ASSERT_FALSE(fallos.isEmpty());
    EXPECT_TRUE(fallos.front().contains(QLatin1String("messages go through the program's seam, never a real box")))
        << fallos.front().toStdString();
}

TEST(Mono, LoQueEscribeElUsuarioEsCosaSuya)
{
    // Pasting "inf", "NaN" or "-0" into a box is no fault of the program's.
    SinReglas reglas;
    EXPECT_EQ(Fallos(Ficha<VentanaConCaja2>(), reglas, Corta()), QStringList());
}

TEST(Mono, UnaVentanaQueSeCierraSolaEsUnHallazgo)
{
    SinReglas reglas;
    const QStringList fallos = Fallos(Ficha<VentanaQueSeCierra>(), reglas, Corta());
    ASSERT_FALSE(fallos.isEmpty());
    EXPECT_TRUE(fallos.front().contains(QLatin1String("the window stays open until the user closes it")))
        << fallos.front().toStdString();
}

// The window's own timers tick only when the stream fires them, never by
// the clock, so that a run is the same on any machine.
class Latidos : public Reglas {
public:
    // Time enough for the clock to tick by itself, were it let.
    void Antes(const Evento &) override
    {
        QElapsedTimer espera;
        espera.start();
        while (espera.elapsed() < 3)
            QCoreApplication::processEvents();
    }
    void Despues(const Evento &e) override
    {
        if (e.tipo == Evento::Tipo::Tic)
            ++tics;
        Exigir(TextoDe(Control("Cuenta")) == QString::number(tics), "the clock counts the ticks fired",
               TextoDe(Control("Cuenta")));
    }
    void Abierta(QWidget *ventana) override
    {
        Reglas::Abierta(ventana);
        tics = 0;
    }
    int tics = 0;
};

TEST(Mono, LosRelojesSoloLatenCuandoElMonoLosDispara)
{
    Latidos reglas;
    OpcionesMono o = Corta();
    o.eventos = 100;
    EXPECT_EQ(Fallos(Ficha<VentanaConReloj>(), reglas, o), QStringList());
    EXPECT_GT(reglas.comprobaciones, 90);
}

TEST(Mono, LaMismaSemillaDaLosMismosEventos)
{
    Diario primero;
    Diario segundo;
    Diario otro;
    CorrerMono(Ficha<VentanaConCaja2>(), primero, Corta(7));
    CorrerMono(Ficha<VentanaConCaja2>(), segundo, Corta(7));
    CorrerMono(Ficha<VentanaConCaja2>(), otro, Corta(8));
    EXPECT_EQ(primero.eventos.size(), 300);
    EXPECT_EQ(primero.eventos, segundo.eventos);
    EXPECT_NE(primero.eventos, otro.eventos);
}

TEST(MonoDeathTest, UnaVentanaColgadaAbortaConSuEvento)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    OpcionesMono o = Corta();
    o.vigia = std::chrono::milliseconds(300);
    SinReglas reglas;
    EXPECT_DEATH(CorrerMono(Ficha<VentanaColgada>(), reglas, o),
                 "MONKEY: VentanaColgada, event [0-9]+ \\(click at .* on Esperar\\).*the window hangs");
}

#include "monkey_test.moc"
