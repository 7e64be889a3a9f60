// What both puzzles do alike: the game, the misses, the stopwatch and the
// best-time records.

#include "core/casillas.h"
#include "tests/puzzle/Puzles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

namespace {

template <class V> class Puzles : public ::testing::Test, public EntornoPuzle {
protected:
    using P = PuzleAbierto<V>;
    static constexpr Calculos::Tablero kOtro = P::kReducido ? Calculos::Tablero::Completo : Calculos::Tablero::Reducido;
};

using Ventanas = ::testing::Types<FormPuzle, FormPuzle2>;
TYPED_TEST_SUITE(Puzles, Ventanas);

template <std::size_t N> QByteArray Bytes(const char (&texto)[N])
{
    return {texto, static_cast<qsizetype>(N - 1)};
}

} // namespace

TYPED_TEST(Puzles, CadaElementoSePideUnaVezHastaElFinal)
{
    typename TestFixture::P p;
    QString pedidoAlTerminar;
    this->alTerminar = [&] {
        // The fanfare has played, and the clock stopped, by the time it shows.
        EXPECT_EQ(this->sonidos.rutas,
                  QStringList{QCoreApplication::applicationDirPath() + QStringLiteral("/tada.wav")});
        EXPECT_FALSE(p.Reloj()->isActive());
        pedidoAlTerminar = p.Pedido();
    };
    p.Jugar("a");
    const QStringList pedidos = p.Terminar();

    std::set<QString> esperados;
    for (int k = 1; k <= Calculos::ElementosDe(p.kTablero); ++k)
        esperados.insert(QString::fromStdString(Calculos::SimboloDeOrden(p.kTablero, k)));
    EXPECT_EQ(pedidos.size(), Calculos::ElementosDe(p.kTablero));
    EXPECT_EQ(std::set<QString>(pedidos.begin(), pedidos.end()), esperados);
    EXPECT_EQ(this->finales, 1);
    EXPECT_EQ(pedidoAlTerminar, pedidos.back()) << "the label keeps the last element";

    // Clicks after the end are ignored, on any cell.
    p.clic(p.Celda(pedidos.back()));
    p.clic(p.Celda(pedidos.front()));
    EXPECT_TRUE(p.mensajes.mensajes.empty());
    EXPECT_EQ(p.texto(QStringLiteral("LabelFallos")), QStringLiteral("0"));
    EXPECT_EQ(this->finales, 1);

    // Another seed deals another game.
    this->alTerminar = nullptr;
    this->Sembrar(7);
    typename TestFixture::P otra;
    EXPECT_NE(otra.Terminar(), pedidos);
}

TYPED_TEST(Puzles, LasCeldasConOtroNombre)
{
    typename TestFixture::P p;
    EXPECT_FALSE(p.Pedido().isEmpty()) << "the first element is asked for at once";
    // What takes the clicks at a place of the table: the cell or its cover.
    const auto en = [&p](int grupo, int periodo) {
        const Calculos::Rectangulo r = Calculos::CasillaDelCuerpo(grupo, periodo);
        const QWidget *w = p.ventana.childAt(QRect(r.x, r.y, r.ancho, r.alto).center());
        return w == nullptr ? QString() : w->objectName();
    };
    const QString cubierta = p.kReducido ? QStringLiteral("Label") : QString();
    EXPECT_EQ(QStringList({en(15, 4), en(13, 5), en(17, 5), en(13, 6), en(3, 5), en(1, 1)}).join(u' '),
              QStringList({"TAs", "TIn", "Yodo", "TTl", "TY", "H"})
                  .replaceInStrings(QRegularExpression("^"), cubierta)
                  .join(u' '));
    // Column 3 of periods 6 and 7: empty on the whole table, La and Ac on the reduced one.
    EXPECT_EQ(en(3, 6) + u' ' + en(3, 7), p.kReducido ? QStringLiteral("LabelLa LabelAc") : QStringLiteral(" "));
}

TYPED_TEST(Puzles, FallosYBotonDeInicio)
{
    struct Caso {
        const char *jugadas;
        const char *fallos; // the count and its word
        bool inicio;        // the start button still enabled
        bool enMarcha;
    };
    const Caso casos[] = {
        {"", "0|fallos", true, false},     {"a", "0|fallos", true, true},       {"c", "0|fallos", false, false},
        {"f", "1|fallo", false, false},    {"ff", "2|fallos", false, false},    {"fa", "1|fallo", false, false},
        {"afcf", "2|fallos", false, true}, {"ccfff", "3|fallos", false, false},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.jugadas);
        typename TestFixture::P p;
        QStringList pedidos;
        p.mensajes.alMostrar = [&](const MensajeMostrado &m) {
            EXPECT_EQ(m.texto + u'|' + m.titulo, QStringLiteral("Posición incorrecta.|Error"));
            EXPECT_EQ(m.icono, Icono::Error);
            // The box comes first; the count and the list change once it is closed.
            EXPECT_EQ(p.Lista(), pedidos);
        };
        for (const char *j = caso.jugadas; *j != '\0'; ++j) {
            const QString pedido = p.Pedido();
            p.Jugar(QByteArray(1, *j).constData());
            if (*j == 'f') {
                EXPECT_EQ(p.Pedido(), pedido) << "a miss asks for the same element again";
                pedidos << pedido;
            }
        }
        EXPECT_EQ(p.mensajes.mensajes.size(), static_cast<std::size_t>(pedidos.size()));
        EXPECT_EQ(p.textos({"LabelFallos", p.kPalabraFallos}), QString::fromUtf8(caso.fallos));
        EXPECT_EQ(p.Lista(), pedidos);
        EXPECT_EQ(p.template control<QPushButton>(QStringLiteral("CommandStart"))->isEnabled(), caso.inicio);
        EXPECT_EQ(p.Reloj()->isActive(), caso.enMarcha);
        EXPECT_EQ(p.Reloj()->interval(), caso.enMarcha ? 1000 : 0);
    }
}

TYPED_TEST(Puzles, Cronometro)
{
    struct Caso {
        int tics;
        const char *hora;
    };
    // The seconds read 60 for one tick; the new minute shows from the next.
    const Caso casos[] = {{0, "0|0"},  {1, "0|1"},    {59, "0|59"}, {60, "0|60"},
                          {61, "1|1"}, {120, "1|60"}, {121, "2|1"}, {3600, "59|60"}};
    typename TestFixture::P p;
    p.Jugar("a");
    for (int hechos = 0; const Caso &caso : casos) {
        p.Tics(caso.tics - hechos);
        hechos = caso.tics;
        EXPECT_EQ(p.textos({"LabelMinutos", "LabelSegundos"}), QString::fromUtf8(caso.hora)) << caso.tics;
    }
    p.Terminar();
    p.Tics(5);
    EXPECT_EQ(p.textos({"LabelMinutos", "LabelSegundos"}), QStringLiteral("59|60")) << "the last placement's time";
}

TYPED_TEST(Puzles, LaMarcaSeComparaEnSegundos)
{
    struct Caso {
        QStringList marca; // name, minutes, seconds, misses; none stored when empty
        int segundos;      // of the game; 0: played without the stopwatch
        const char *marco; // M: "Mejor marca registrada", N: "Ninguna marca registrada"
        bool mejorada;     // the notice and the save button
    };
    const QStringList de2m5s{"Ana", "2", "5", "13"};
    const Caso casos[] = {
        {{}, 0, "N", true}, // a first record is always welcome, but with no notice
        {de2m5s, 124, "M", true},
        {de2m5s, 125, "M", false},
        {de2m5s, 126, "M", false},
        {de2m5s, 0, "M", false},
        {{"Ana", "1", "60", "0"}, 120, "M", false}, // 1 min 60 s is 2 min
        {{"Ana", "1", "60", "0"}, 119, "M", true},
        {{"Ana", "600", "0", "0"}, 547 * 60, "M", true}, // beyond 16-bit seconds
        {{"Ana", "546", "0", "0"}, 547 * 60, "M", false},
        {{"Ana", "2", "abc", "1"}, 30, "N", true}, // edited by hand: no record
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(::testing::Message() << caso.marca.join(u' ').toStdString() << " vs " << caso.segundos << " s");
        this->GuardarMarca(TestFixture::P::kTablero, caso.marca);
        typename TestFixture::P p;
        auto *marco = p.template control<QWidget>(QStringLiteral("FrameMejorMarca"));
        EXPECT_TRUE(marco->isHidden());
        p.Partida(caso.segundos);
        EXPECT_TRUE(marco->isVisible());
        EXPECT_EQ(p.texto(QStringLiteral("FrameMejorMarca")).left(1), QString::fromUtf8(caso.marco));
        EXPECT_EQ(p.Marca(), caso.marca.isEmpty() ? QStringLiteral("|||") : caso.marca.join(u'|'));
        EXPECT_EQ(!p.template control<QWidget>(QStringLiteral("CommandRegistrarMarca"))->isHidden(), caso.mejorada);
        const bool aviso = caso.mejorada && caso.marco[0] == 'M';
        EXPECT_EQ(p.mensajes.textos(), aviso ? QStringList{QStringLiteral("Marca mejorada")} : QStringList());
        for (const MensajeMostrado &m : p.mensajes.mensajes) {
            EXPECT_EQ(m.titulo, QStringLiteral("Orvella"));
            EXPECT_EQ(m.icono, Icono::Ninguno);
        }
    }
}

TYPED_TEST(Puzles, LaMarcaSeGuardaSeLeeAlVolverAAbrirYSeBorraSola)
{
    const QStringList otra{QStringLiteral("Luis"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("4")};
    this->GuardarMarca(this->kOtro, otra);
    {
        typename TestFixture::P p;
        p.Jugar("aff");
        p.Tics(65);
        p.Terminar();
        p.teclear(p.kNombreMarca, "Ana Pérez");
        p.clic(QStringLiteral("CommandRegistrarMarca"));
        EXPECT_EQ(p.texto(QStringLiteral("FrameMejorMarca")), QStringLiteral("Mejor marca registrada"));
        EXPECT_EQ(p.Marca(), QStringLiteral("Ana Pérez|1|5|2"));
    }
    EXPECT_EQ(this->Marca(TestFixture::P::kTablero), QStringLiteral("Ana Pérez|1|5|2"));

    typename TestFixture::P p;
    p.Partida(64);
    EXPECT_EQ(p.Marca(), QStringLiteral("Ana Pérez|1|5|2"));
    EXPECT_EQ(p.mensajes.textos(), QStringList{QStringLiteral("Marca mejorada")});
    p.clic(QStringLiteral("CommandBorrar"));
    p.clic(QStringLiteral("CommandBorrar")); // nothing left: silent
    EXPECT_EQ(p.texto(QStringLiteral("FrameMejorMarca")),
              p.kReducido ? QStringLiteral("Ninguina marca registrada") : QStringLiteral("Ninguna marca registrada"));
    EXPECT_EQ(p.Marca(), QStringLiteral("|||"));
    EXPECT_EQ(this->Marca(TestFixture::P::kTablero), QStringLiteral("|||"));
    EXPECT_EQ(this->Marca(this->kOtro), otra.join(u'|'));
    EXPECT_EQ(p.mensajes.mensajes.size(), 1U);
}

TYPED_TEST(Puzles, UnArchivoDeAjustesDanadoNoPierdeLaOtraMarca)
{
    // Unquoted, with a comma: the settings file reads it as a list.
    const QByteArray otra = "[NombrePuzle" + QByteArray(this->kOtro == Calculos::Tablero::Completo ? "Full" : "Redu") +
                            "]\ncvalor=Luis, 2\xc2\xba\n";
    struct Caso {
        QByteArray contenido;
        const char *otraMarca;
        bool carpeta; // a folder where the file should be: nothing reads or writes
    };
    const Caso casos[] = {
        {Bytes("\xff\xfe\x00\x01[Rota\n=\n\x80\x81\n") + otra + "[\n\xff\n", "Luis, 2º|||", false},
        {Bytes("\x00\x00\x00\x00 \xff\xfe\xfd garbage\n"), "|||", false},
        {{}, "|||", true},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.otraMarca);
        QFile::remove(this->Archivo());
        ASSERT_TRUE(QDir().mkpath(caso.carpeta ? this->Archivo() : QFileInfo(this->Archivo()).path()));
        QFile f(this->Archivo());
        ASSERT_TRUE(caso.carpeta || (f.open(QIODevice::WriteOnly) && f.write(caso.contenido) > 0));
        f.close();
        EXPECT_EQ(this->Marca(this->kOtro), QString::fromUtf8(caso.otraMarca));

        typename TestFixture::P p;
        p.Partida(3);
        EXPECT_EQ(p.texto(QStringLiteral("FrameMejorMarca")), QStringLiteral("Ninguna marca registrada"));
        p.clic(QStringLiteral("CommandRegistrarMarca"));
        if (!caso.carpeta) {
            EXPECT_EQ(this->Marca(TestFixture::P::kTablero), QStringLiteral("|0|3|0"));
        }
        EXPECT_EQ(this->Marca(this->kOtro), QString::fromUtf8(caso.otraMarca));
    }
}
