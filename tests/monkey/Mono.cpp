#include "tests/monkey/Mono.h"

#include "platform/Ajustes.h"
#include "platform/Azar.h"
#include "platform/Fecha.h"
#include "tests/monkey/Textos.h"
#include "tests/support/RegistroMensajes.h"
#include "tests/support/RegistroSonidos.h"
#include "tests/support/Ventana.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>

namespace {

using Reloj = std::chrono::steady_clock;

// Today, for the windows that ask.
const QDate kHoy(2024, 3, 14);

// The findings of one invariant that are told in full; the rest are counted.
constexpr int kInformesPorInvariante = 3;
// A window this broken has said enough.
constexpr int kHallazgosMaximos = 40;

// A key of the stream: what it types, and how often it comes.
struct Pulsacion {
    Qt::Key tecla;
    QString texto;
    Qt::KeyboardModifiers modificadores;
    bool edita;
    int peso;
};

std::vector<Pulsacion> Teclado()
{
    std::vector<Pulsacion> teclas;
    const auto tecla = [&](Qt::Key k, const char *texto, int peso, bool edita = true,
                           Qt::KeyboardModifiers m = Qt::NoModifier) {
        teclas.push_back({k, QString::fromUtf8(texto), m, edita, peso});
    };
    for (int d = 0; d <= 9; ++d)
        teclas.push_back({Qt::Key(Qt::Key_0 + d), QString::number(d), Qt::NoModifier, true, 8});
    for (int l = 0; l < 26; ++l) {
        const QChar minuscula(u'a' + l);
        teclas.push_back({Qt::Key(Qt::Key_A + l), minuscula, Qt::NoModifier, true, 1});
        teclas.push_back({Qt::Key(Qt::Key_A + l), minuscula.toUpper(), Qt::ShiftModifier, true, 1});
    }
    // Letters of a Spanish keyboard, and the micro sign of µg.
    tecla(Qt::Key_Ntilde, "ñ", 2);
    tecla(Qt::Key_Ntilde, "Ñ", 2, true, Qt::ShiftModifier);
    tecla(Qt::Key_mu, "µ", 2);
    tecla(Qt::Key_Aacute, "á", 1);
    tecla(Qt::Key_Eacute, "é", 1);
    tecla(Qt::Key_Udiaeresis, "ü", 1);
    tecla(Qt::Key_Comma, ",", 10);
    tecla(Qt::Key_Period, ".", 8);
    tecla(Qt::Key_Minus, "-", 6);
    tecla(Qt::Key_Plus, "+", 2);
    tecla(Qt::Key_Space, " ", 5);
    tecla(Qt::Key_ParenLeft, "(", 2);
    tecla(Qt::Key_NumberSign, "#", 1);
    tecla(Qt::Key_Backspace, "\b", 15);
    tecla(Qt::Key_Delete, "\x7f", 6);
    tecla(Qt::Key_Return, "\r", 8);
    tecla(Qt::Key_Enter, "\r", 2, true, Qt::KeypadModifier);
    tecla(Qt::Key_Tab, "\t", 8, false);
    tecla(Qt::Key_Backtab, "", 5, false, Qt::ShiftModifier);
    tecla(Qt::Key_Escape, "\x1b", 2, false);
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
        tecla(k, "", 3, false);
    for (Qt::Key k : {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp})
        tecla(k, "", 1, false);
    // Shortcuts as the keyboard sends them, with their control characters.
    tecla(Qt::Key_Z, "\x1a", 2, true, Qt::ControlModifier);
    tecla(Qt::Key_Z, "\x1a", 1, true, Qt::ControlModifier | Qt::ShiftModifier);
    tecla(Qt::Key_X, "\x18", 2, true, Qt::ControlModifier);
    tecla(Qt::Key_A, "\x01", 2, false, Qt::ControlModifier);
    tecla(Qt::Key_C, "\x03", 1, false, Qt::ControlModifier);
    tecla(Qt::Key_Backspace, "\b", 1, true, Qt::ControlModifier);
    return teclas;
}

// What a hostile user pastes.
QStringList TextosPegados()
{
    QStringList t{
        QString(),
        QStringLiteral(","),
        QStringLiteral("0"),
        QStringLiteral("-0"),
        QStringLiteral("-0,0"),
        QStringLiteral("0,"),
        QStringLiteral("0,0"),
        QStringLiteral(",5"),
        QStringLiteral("1E400"),
        QStringLiteral("-1E400"),
        QStringLiteral("1E-400"),
        QStringLiteral("1E308"),
        QStringLiteral("1,7976931348623157E308"),
        QStringLiteral("4,9E-324"),
        QStringLiteral("-5"),
        QStringLiteral("-273,151"),
        QStringLiteral("-459,671"),
        QStringLiteral("999999"),
        QStringLiteral("1000000"),
        QStringLiteral("99999999999999999999999"),
        QString(1000, u'9'),
        QStringLiteral("1") + QString(400, u'0'),
        QString(QChar(0)),
        QStringLiteral("1") + QChar(0) + QStringLiteral("2"),
        QStringLiteral("🧪😀"),
        QStringLiteral("1,2,3"),
        QStringLiteral(" "),
        QStringLiteral("  12  "),
        QStringLiteral("1.5"),
        QStringLiteral("1-2"),
        QStringLiteral("-"),
        QStringLiteral("+5"),
        QStringLiteral("1E5"),
        QStringLiteral("e5"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("NaN"),
        QStringLiteral("Infinity"),
        QStringLiteral("0x1A"),
        QStringLiteral("١٢٣"),
        QStringLiteral("１２"),
        QStringLiteral("12\n34"),
        QStringLiteral("\t7"),
        QStringLiteral("H2O"),
        QStringLiteral("NaCl"),
        QStringLiteral("CH3COOH"),
        QStringLiteral("C6H12O6"),
        QStringLiteral("Og"),
        QStringLiteral("Xx"),
        QStringLiteral("2H2O"),
        QStringLiteral("H2O)"),
        QStringLiteral("H999999999999999999"),
        QStringLiteral("H") + QString(400, u'9'),
        QStringLiteral("Co-60"),
        QStringLiteral("días"),
        QStringLiteral("mCi"),
        QStringLiteral("Ana"),
        QStringLiteral("ñµ"),
    };
    t << QStringLiteral("H2O").repeated(300);
    t << QStringLiteral("x").repeated(20000);
    return t;
}

// The name the program gives the control a widget belongs to: Qt's own
// parts of a control (the line of a date picker, the page of a rich-text
// box) go by their control's name.
QString NombreDe(const QWidget *w)
{
    for (; w != nullptr; w = w->parentWidget()) {
        const QString n = w->objectName();
        if (!n.isEmpty() && !n.startsWith(QLatin1String("qt_")))
            return n;
        if (w->isWindow())
            break;
    }
    return QStringLiteral("(window)");
}

QString Recortado(const QString &texto)
{
    QString t = texto.size() > 24 ? texto.left(20) + QStringLiteral("…(%1)").arg(texto.size()) : texto;
    t.replace(QChar(0), QStringLiteral("\\0"));
    t.replace(u'\n', QStringLiteral("\\n"));
    t.replace(u'\t', QStringLiteral("\\t"));
    t.replace(u'\r', QStringLiteral("\\r"));
    t.replace(u'\b', QStringLiteral("\\b"));
    return t;
}

// The key that types `c` on a Spanish keyboard, near enough for the windows,
// which judge a key by its text.
Qt::Key TeclaDe(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return Qt::Key(Qt::Key_0 + (c.unicode() - u'0'));
    if (c >= u'a' && c <= u'z')
        return Qt::Key(Qt::Key_A + (c.unicode() - u'a'));
    if (c >= u'A' && c <= u'Z')
        return Qt::Key(Qt::Key_A + (c.unicode() - u'A'));
    switch (c.unicode()) {
    case u',':
        return Qt::Key_Comma;
    case u'.':
        return Qt::Key_Period;
    case u'-':
        return Qt::Key_Minus;
    case u' ':
        return Qt::Key_Space;
    default:
        return Qt::Key_unknown;
    }
}

QString NombreTecla(const Pulsacion &p)
{
    QString n;
    if (p.modificadores & Qt::ControlModifier)
        n += QStringLiteral("Ctrl+");
    if ((p.modificadores & Qt::ShiftModifier) && p.texto.size() != 1)
        n += QStringLiteral("Shift+");
    if (p.texto.size() == 1 && p.texto.front().isPrint())
        return n + u'\'' + p.texto + u'\'';
    return n + QKeySequence(p.tecla).toString();
}

// Aborts the whole program, saying where, when one event has not come back
// within the limit: a hung window would otherwise hang the build.
class Vigia {
public:
    explicit Vigia(std::chrono::milliseconds limite) : m_limite(limite)
    {
        m_hilo = std::thread([this] { Vigilar(); });
    }
    ~Vigia()
    {
        {
            std::lock_guard<std::mutex> cerrojo(m_mutex);
            m_fin = true;
        }
        m_cambio.notify_one();
        m_hilo.join();
    }
    Vigia(const Vigia &) = delete;
    Vigia &operator=(const Vigia &) = delete;

    void Empieza(const QString &que)
    {
        std::lock_guard<std::mutex> cerrojo(m_mutex);
        m_que = que.toStdString();
        m_desde = Reloj::now();
        m_activo = true;
    }
    void Termina()
    {
        std::lock_guard<std::mutex> cerrojo(m_mutex);
        m_activo = false;
    }

private:
    void Vigilar()
    {
        std::unique_lock<std::mutex> cerrojo(m_mutex);
        while (!m_fin) {
            m_cambio.wait_for(cerrojo, std::chrono::milliseconds(50));
            if (m_activo && Reloj::now() - m_desde > m_limite) {
                std::fprintf(stderr, "\nMONKEY: %s has not come back after %lld ms: the window hangs.\n", m_que.c_str(),
                             static_cast<long long>(m_limite.count()));
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    std::chrono::milliseconds m_limite;
    std::mutex m_mutex;
    std::condition_variable m_cambio;
    std::string m_que;
    Reloj::time_point m_desde;
    bool m_activo = false;
    bool m_fin = false;
    std::thread m_hilo;
};

// Beside the run: keeps the program's own timers from ticking by the clock
// (the stream fires them), closes each completion window the puzzle opens
// as it shows, and closes any real message box, which is a finding.
class Filtro : public QObject {
public:
    QString claseProbada;
    QStringList cajasReales;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Timer) {
            const auto *reloj = qobject_cast<QTimer *>(objeto);
            return reloj != nullptr && !reloj->objectName().isEmpty() &&
                   qobject_cast<QWidget *>(reloj->parent()) != nullptr;
        }
        if (evento->type() != QEvent::Show)
            return false;
        if (auto *caja = qobject_cast<QMessageBox *>(objeto)) {
            cajasReales << caja->text();
            QMetaObject::invokeMethod(caja, &QDialog::reject, Qt::QueuedConnection);
        } else if (auto *dialogo = qobject_cast<QDialog *>(objeto)) {
            if (dialogo->objectName() == u"FormFinTabla" && claseProbada != u"FormFinTabla")
                QMetaObject::invokeMethod(dialogo, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }
};

// The offscreen platform's notes on what it cannot do (window hints, raise,
// keyboard grabs) say nothing about the program; they would bury a finding
// under thousands of lines.
QtMessageHandler &AvisosAnteriores()
{
    static QtMessageHandler anterior = nullptr;
    return anterior;
}

void Avisos(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (texto.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (AvisosAnteriores() != nullptr)
        AvisosAnteriores()(tipo, contexto, texto);
}

// The platform seams, pointed away from the user's machine for the run.
class Entorno {
public:
    explicit Entorno(const QString &clase)
    {
        AvisosAnteriores() = qInstallMessageHandler(Avisos);
        m_carpetaAnterior = InstalarCarpetaAjustes(m_carpeta.path());
        // Each game is dealt from the next seed: 1, 2, 3...
        InstalarManejadorSemilla([this] { return ++m_partidas; });
        m_hoyAnterior = InstalarHoy([] { return kHoy; });
        filtro.claseProbada = clase;
        QCoreApplication::instance()->installEventFilter(&filtro);
    }
    ~Entorno()
    {
        qInstallMessageHandler(AvisosAnteriores());
        QCoreApplication::instance()->removeEventFilter(&filtro);
        InstalarHoy(m_hoyAnterior);
        InstalarManejadorSemilla({});
        InstalarCarpetaAjustes(m_carpetaAnterior);
    }
    Entorno(const Entorno &) = delete;
    Entorno &operator=(const Entorno &) = delete;

    RegistroMensajes mensajes;
    RegistroSonidos sonidos;
    Filtro filtro;

private:
    QTemporaryDir m_carpeta;
    QString m_carpetaAnterior;
    ProveedorFecha m_hoyAnterior;
    std::uint32_t m_partidas = 0;
};

class Mono {
public:
    Mono(const FichaVentana &ficha, Reglas &reglas, const OpcionesMono &opciones)
        : m_ficha(ficha), m_clase(ficha.Clase()), m_reglas(reglas), m_opciones(opciones), m_azar(opciones.semilla),
          m_entorno(m_clase), m_vigia(opciones.vigia), m_teclado(Teclado()), m_pegados(TextosPegados())
    {
        for (const Pulsacion &p : m_teclado)
            m_pesoTeclado += p.peso;
        m_valores = reglas.Valores();
    }

    CifrasMono Correr();

private:
    int Azar(int n) { return n <= 1 ? 0 : static_cast<int>(m_azar() % static_cast<std::uint32_t>(n)); }
    template <class T> T &Uno(std::vector<T> &v)
    {
        return v[static_cast<std::size_t>(Azar(static_cast<int>(v.size())))];
    }

    void Abrir();
    void Cerrar();
    void Vigilar(QLineEdit *caja);
    bool Abierta() const { return m_ventana != nullptr && m_ventana->isVisible(); }

    Evento Siguiente();
    void Tecla(Evento &e);
    void Pegar(Evento &e);
    void Edicion(Evento &e);
    void Editar(Evento &e);
    bool Clic(Evento &e, QWidget *control);
    void Lista(Evento &e);
    void Fecha(Evento &e);
    void Tic(Evento &e);
    void Dato(Evento &e);
    void Enviar(Evento &e);
    void Teclear(QWidget *destino, const Pulsacion &p, bool repetida);

    QWidget *Foco() const;
    std::vector<QWidget *> Clicables(bool etiquetas) const;
    std::vector<QComboBox *> Listas() const;
    std::vector<QDateEdit *> Fechas() const;
    std::vector<QTimer *> Relojes() const;

    void ComprobarTextos();
    void Revisar(const QString &texto, const QWidget *control, const char *que);
    void Informar(const Evento &e, std::size_t desde);

    const FichaVentana &m_ficha;
    QString m_clase;
    Reglas &m_reglas;
    OpcionesMono m_opciones;
    std::mt19937 m_azar;
    Entorno m_entorno;
    Vigia m_vigia;
    std::vector<Pulsacion> m_teclado;
    int m_pesoTeclado = 0;
    QStringList m_pegados;
    std::vector<Datos> m_valores;

    QPointer<QWidget> m_ventana;
    std::unique_ptr<QObject> m_contexto; // the connections to the window open now
    QList<QLabel *> m_etiquetas;
    QList<QLineEdit *> m_cajas;
    QList<QTextEdit *> m_ricas;
    QList<QComboBox *> m_listas;
    QList<QListWidget *> m_listados;
    QList<QGroupBox *> m_marcos;
    QList<QAbstractButton *> m_botones;
    QList<QDateEdit *> m_fechas;
    QHash<const QLineEdit *, bool> m_delUsuario;    // its text is what the user typed
    QSet<const QLineEdit *> m_editando;             // an edit reported, its change to come
    QHash<const QTextEdit *, int> m_revisadas;      // revision of a fixed text checked
    QHash<const QListWidget *, int> m_lineasVistas; // lines of a list checked

    bool m_enEvento = false;
    Evento *m_actual = nullptr;
    std::deque<QString> m_historia;
    std::map<QString, int> m_porInvariante;
    CifrasMono m_cifras;
};

void Mono::Abrir()
{
    const std::size_t antes = m_reglas.hallazgos.size();
    m_vigia.Empieza(QStringLiteral("%1: opening").arg(m_clase));
    m_ventana = Lanzador::Abrir(m_ficha);
    if (m_ventana == nullptr) {
        m_vigia.Termina();
        return;
    }
    ++m_cifras.aperturas;
    m_ventana->activateWindow();
    if (!QTest::qWaitForWindowActive(m_ventana))
        m_reglas.Exigir(false, "the window opens and becomes the active one");
    Procesar();

    m_contexto = std::make_unique<QObject>();
    m_etiquetas = m_ventana->findChildren<QLabel *>();
    m_cajas = m_ventana->findChildren<QLineEdit *>();
    m_ricas = m_ventana->findChildren<QTextEdit *>();
    m_listas = m_ventana->findChildren<QComboBox *>();
    m_listados = m_ventana->findChildren<QListWidget *>();
    m_marcos = m_ventana->findChildren<QGroupBox *>();
    m_botones = m_ventana->findChildren<QAbstractButton *>();
    m_fechas = m_ventana->findChildren<QDateEdit *>();
    m_delUsuario.clear();
    m_editando.clear();
    m_revisadas.clear();
    m_lineasVistas.clear();
    for (QLineEdit *caja : m_cajas)
        Vigilar(caja);
    for (QTextEdit *rica : m_ricas) {
        if (rica->isReadOnly())
            continue;
        QObject::connect(rica, &QTextEdit::textChanged, m_contexto.get(), [this, rica] {
            if (m_enEvento && m_actual != nullptr && rica->hasFocus() &&
                (m_actual->tipo == Evento::Tipo::Tecla || m_actual->tipo == Evento::Tipo::Pegar ||
                 m_actual->tipo == Evento::Tipo::Edicion || m_actual->tipo == Evento::Tipo::Dato))
                m_actual->editadas.insert(NombreDe(rica));
        });
    }
    m_reglas.sonidos << std::exchange(m_entorno.sonidos.rutas, {});
    for (const MensajeMostrado &m : std::exchange(m_entorno.mensajes.mensajes, {})) {
        ++m_cifras.mensajes;
        ++m_cifras.porMensaje[m.texto];
    }
    // What takes input is not hidden under something else.
    for (QWidget *control : m_ventana->findChildren<QWidget *>()) {
        const bool entrada =
            qobject_cast<QAbstractButton *>(control) != nullptr || qobject_cast<QComboBox *>(control) != nullptr ||
            qobject_cast<QAbstractSpinBox *>(control) != nullptr || qobject_cast<QListWidget *>(control) != nullptr ||
            (qobject_cast<QLineEdit *>(control) != nullptr && NombreDe(control) == control->objectName()) ||
            (qobject_cast<QTextEdit *>(control) != nullptr && !static_cast<QTextEdit *>(control)->isReadOnly());
        if (entrada && Visible(control))
            m_reglas.Exigir(AlAlcance(control), "every control that takes input can be clicked",
                            NombreDe(control) + QStringLiteral(" lies under ") + LoQueLoTapa(control));
    }
    m_reglas.Abierta(m_ventana);
    // Everything the window shows when it opens is checked too.
    ComprobarTextos();
    for (QComboBox *lista : m_listas)
        for (int i = 0; i < lista->count(); ++i)
            Revisar(lista->itemText(i), lista, "list entry");
    m_vigia.Termina();
    Evento apertura;
    apertura.descripcion = QStringLiteral("opening the window");
    Informar(apertura, antes);
}

// Whose text a box shows: the program's or the user's. A change is the
// user's when the box reports it as an edit (keys, paste, undo), which it
// does right before it reports the change itself.
void Mono::Vigilar(QLineEdit *caja)
{
    QObject::connect(caja, &QLineEdit::textEdited, m_contexto.get(), [this, caja] {
        m_delUsuario[caja] = true;
        m_editando.insert(caja);
        if (m_enEvento && m_actual != nullptr)
            m_actual->editadas.insert(NombreDe(caja));
    });
    QObject::connect(caja, &QLineEdit::textChanged, m_contexto.get(), [this, caja] {
        m_delUsuario[caja] = m_editando.remove(caja);
        if (!m_delUsuario[caja] && m_enEvento && m_actual != nullptr)
            m_actual->escritas.insert(NombreDe(caja));
    });
}

void Mono::Cerrar()
{
    m_contexto.reset();
    if (m_ventana != nullptr)
        m_ventana->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Procesar();
}

QWidget *Mono::Foco() const
{
    QWidget *foco = QApplication::focusWidget();
    if (foco == nullptr || foco->window() != m_ventana)
        return m_ventana;
    return foco;
}

// The controls a user can click: those that nothing covers in the middle.
std::vector<QWidget *> Mono::Clicables(bool etiquetas) const
{
    std::vector<QWidget *> lista;
    const auto anadir = [&](QWidget *w) {
        if (Visible(w) && w->width() > 0 && w->height() > 0 && AlAlcance(w))
            lista.push_back(w);
    };
    if (etiquetas) {
        for (QLabel *l : m_etiquetas)
            anadir(l);
        return lista;
    }
    for (QAbstractButton *b : m_botones)
        anadir(b);
    for (QLineEdit *c : m_cajas)
        if (qobject_cast<QComboBox *>(c->parentWidget()) == nullptr &&
            qobject_cast<QAbstractSpinBox *>(c->parentWidget()) == nullptr)
            anadir(c);
    for (QTextEdit *r : m_ricas)
        anadir(r);
    for (QListWidget *l : m_listados)
        anadir(l);
    for (QDateEdit *f : m_fechas)
        anadir(f);
    return lista;
}

std::vector<QComboBox *> Mono::Listas() const
{
    std::vector<QComboBox *> v;
    for (QComboBox *c : m_listas)
        if (Visible(c) && c->isEnabled() && c->count() > 0)
            v.push_back(c);
    return v;
}

std::vector<QDateEdit *> Mono::Fechas() const
{
    std::vector<QDateEdit *> v;
    for (QDateEdit *f : m_fechas)
        if (Visible(f) && f->isEnabled())
            v.push_back(f);
    return v;
}

std::vector<QTimer *> Mono::Relojes() const
{
    std::vector<QTimer *> v;
    for (QTimer *t : m_ventana->findChildren<QTimer *>())
        if (!t->objectName().isEmpty() && t->isActive() && m_reglas.TicPermitido(t))
            v.push_back(t);
    return v;
}

Evento Mono::Siguiente()
{
    Evento e;
    struct Opcion {
        Evento::Tipo tipo;
        int peso;
    };
    std::vector<Opcion> opciones{
        {Evento::Tipo::Tecla, 40}, {Evento::Tipo::Pegar, 6}, {Evento::Tipo::Edicion, 6}, {Evento::Tipo::Clic, 30}};
    if (!Listas().empty())
        opciones.push_back({Evento::Tipo::Lista, 5});
    if (!Fechas().empty())
        opciones.push_back({Evento::Tipo::Fecha, 3});
    if (!Relojes().empty())
        opciones.push_back({Evento::Tipo::Tic, 6});
    if (!m_valores.empty())
        opciones.push_back({Evento::Tipo::Dato, 12});

    QWidget *jugada = m_reglas.Jugada();
    if (jugada != nullptr)
        opciones.push_back({Evento::Tipo::Jugada, m_reglas.PesoJugada()});
    // Now and then the user closes the window, whatever is under way, and
    // opens it again from the menu.
    if (Azar(250) == 0)
        opciones = {{Evento::Tipo::Cierre, 1}};
    int total = 0;
    for (const Opcion &o : opciones)
        total += o.peso;
    int r = Azar(total);
    for (const Opcion &o : opciones) {
        if (r < o.peso) {
            e.tipo = o.tipo;
            break;
        }
        r -= o.peso;
    }

    switch (e.tipo) {
    case Evento::Tipo::Tecla:
        Tecla(e);
        break;
    case Evento::Tipo::Pegar:
        Pegar(e);
        break;
    case Evento::Tipo::Edicion:
        Edicion(e);
        break;
    case Evento::Tipo::Clic: {
        std::vector<QWidget *> controles = Clicables(Azar(2) == 0);
        if (controles.empty())
            controles = Clicables(false);
        if (controles.empty() || !Clic(e, Uno(controles)))
            Tecla(e);
        break;
    }
    case Evento::Tipo::Lista:
        Lista(e);
        break;
    case Evento::Tipo::Fecha:
        Fecha(e);
        break;
    case Evento::Tipo::Tic:
        Tic(e);
        break;
    case Evento::Tipo::Jugada:
        if (!Clic(e, jugada))
            Tecla(e);
        else
            e.tipo = Evento::Tipo::Jugada;
        break;
    case Evento::Tipo::Dato:
        Dato(e);
        break;
    case Evento::Tipo::Cierre:
        e.destino = m_ventana;
        e.descripcion = QStringLiteral("close box");
        break;
    }
    return e;
}

void Mono::Dato(Evento &e)
{
    const Datos &d = Uno(m_valores);
    auto *caja = m_ventana->findChild<QWidget *>(QString::fromUtf8(d.caja));
    if (caja == nullptr || !Visible(caja) || !caja->isEnabled() || d.valores.isEmpty())
        return Tecla(e);
    e.destino = caja;
    e.texto = d.valores[Azar(static_cast<int>(d.valores.size()))];
    e.edita = true;
    e.descripcion = QStringLiteral("types \"%1\"").arg(e.texto);
}

void Mono::Tecla(Evento &e)
{
    e.tipo = Evento::Tipo::Tecla;
    int r = Azar(m_pesoTeclado);
    const Pulsacion *p = &m_teclado.front();
    for (const Pulsacion &t : m_teclado) {
        if (r < t.peso) {
            p = &t;
            break;
        }
        r -= t.peso;
    }
    e.destino = Foco();
    e.tecla = p->tecla;
    e.modificadores = p->modificadores;
    e.texto = p->texto;
    e.edita = p->edita;
    e.descripcion = QStringLiteral("key %1").arg(NombreTecla(*p));
}

void Mono::Pegar(Evento &e)
{
    e.destino = Foco();
    e.tecla = Qt::Key_V;
    e.modificadores = Qt::ControlModifier;
    e.texto = m_pegados[Azar(static_cast<int>(m_pegados.size()))];
    e.edita = true;
    e.descripcion = QStringLiteral("paste \"%1\"").arg(Recortado(e.texto));
}

// The ways a box's text changes with no key. An event's `tecla` holds the
// way, plus ten times the menu entry.
enum class ViaEdicion { Menu, BotonCentral, Soltar };
constexpr int kVias = 10;

constexpr const char *kAccionesDelMenu[] = {"edit-paste", "edit-cut", "edit-delete", "edit-undo", "edit-redo"};

void Mono::Edicion(Evento &e)
{
    QWidget *foco = Foco();
    const bool caja = (qobject_cast<QLineEdit *>(foco) != nullptr && !static_cast<QLineEdit *>(foco)->isReadOnly()) ||
                      (qobject_cast<QTextEdit *>(foco) != nullptr && !static_cast<QTextEdit *>(foco)->isReadOnly());
    if (!caja)
        return Pegar(e);
    e.tipo = Evento::Tipo::Edicion;
    e.destino = foco;
    e.edita = true;
    e.texto = m_pegados[Azar(static_cast<int>(m_pegados.size()))];
    switch (Azar(3)) {
    case 0: {
        const int accion = Azar(static_cast<int>(std::size(kAccionesDelMenu)));
        e.tecla = static_cast<int>(ViaEdicion::Menu) + kVias * accion;
        e.descripcion = QStringLiteral("context menu %1 (clipboard \"%2\")")
                            .arg(QString::fromLatin1(kAccionesDelMenu[accion]), Recortado(e.texto));
        break;
    }
    case 1:
        e.tecla = static_cast<int>(ViaEdicion::BotonCentral);
        e.descripcion = QStringLiteral("middle-button paste \"%1\"").arg(Recortado(e.texto));
        break;
    default:
        e.tecla = static_cast<int>(ViaEdicion::Soltar);
        e.descripcion = QStringLiteral("drop \"%1\"").arg(Recortado(e.texto));
        break;
    }
}

// Sent to the box as the user's hand would: the menu's own entry, the
// middle button at a point of the text, a drag entering and dropping there.
void Mono::Editar(Evento &e)
{
    QPointer<QWidget> caja = e.destino;
    if (caja == nullptr)
        return;
    QWidget *superficie = caja;
    if (auto *rica = qobject_cast<QTextEdit *>(caja.data()))
        superficie = rica->viewport();
    const QPoint punto(Azar(superficie->width()), superficie->height() / 2);
    switch (static_cast<ViaEdicion>(e.tecla % kVias)) {
    case ViaEdicion::Menu: {
        QGuiApplication::clipboard()->setText(e.texto);
        std::unique_ptr<QMenu> menu;
        if (auto *linea = qobject_cast<QLineEdit *>(caja.data()))
            menu.reset(linea->createStandardContextMenu());
        else if (auto *rica = qobject_cast<QTextEdit *>(caja.data()))
            menu.reset(rica->createStandardContextMenu());
        const QString nombre = QString::fromLatin1(kAccionesDelMenu[e.tecla / kVias]);
        QAction *accion = menu ? menu->findChild<QAction *>(nombre) : nullptr;
        if (accion != nullptr && accion->isEnabled())
            accion->trigger();
        else
            e.descripcion += QStringLiteral(", not available");
        break;
    }
    case ViaEdicion::BotonCentral:
        // Offscreen has no selection to paste: the click only places the caret.
        QGuiApplication::clipboard()->setText(e.texto, QClipboard::Selection);
        QTest::mouseClick(superficie, Qt::MiddleButton, {}, punto);
        break;
    case ViaEdicion::Soltar: {
        QMimeData datos;
        datos.setText(e.texto);
        QDragEnterEvent entrar(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(superficie, &entrar);
        QDragMoveEvent mover(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        if (caja != nullptr && entrar.isAccepted())
            QCoreApplication::sendEvent(superficie, &mover);
        QDropEvent soltar(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        if (caja != nullptr && mover.isAccepted())
            QCoreApplication::sendEvent(superficie, &soltar);
        break;
    }
    }
}

// A click where the user would make it: a point of the control that no
// other control covers, sent to whatever is on top there (the page of a
// rich-text box, the line of a date picker).
bool Mono::Clic(Evento &e, QWidget *control)
{
    for (int intento = 0; intento < 4; ++intento) {
        const QRect r = control->rect();
        const QPoint punto = intento == 3 ? r.center() : QPoint(r.x() + Azar(r.width()), r.y() + Azar(r.height()));
        const QPoint enVentana = control->mapTo(m_ventana.data(), punto);
        QWidget *arriba = m_ventana->childAt(enVentana);
        if (arriba != control && !control->isAncestorOf(arriba))
            continue;
        e.tipo = Evento::Tipo::Clic;
        e.destino = arriba;
        e.texto = QStringLiteral("%1,%2").arg(enVentana.x()).arg(enVentana.y());
        e.descripcion = QStringLiteral("click at (%1)").arg(e.texto);
        return true;
    }
    return false;
}

void Mono::Lista(Evento &e)
{
    std::vector<QComboBox *> listas = Listas();
    QComboBox *lista = Uno(listas);
    const int i = Azar(lista->count());
    e.destino = lista;
    e.tecla = i;
    e.texto = lista->itemText(i);
    e.descripcion = QStringLiteral("list entry \"%1\"").arg(e.texto);
}

void Mono::Fecha(Evento &e)
{
    std::vector<QDateEdit *> fechas = Fechas();
    QDateEdit *fecha = Uno(fechas);
    constexpr int kSaltos[] = {-3650, -365, -30, -7, -1, 0, 1, 7, 30, 365, 3650};
    QDate dia;
    switch (Azar(5)) {
    case 0:
        dia = fecha->minimumDate();
        break;
    case 1:
        dia = fecha->maximumDate();
        break;
    case 2:
        dia = kHoy.addDays(Azar(73000) - 36500);
        break;
    default:
        dia = fecha->date().addDays(kSaltos[Azar(static_cast<int>(std::size(kSaltos)))]);
        break;
    }
    e.destino = fecha;
    e.texto = dia.toString(Qt::ISODate);
    e.descripcion = QStringLiteral("date %1").arg(e.texto);
}

void Mono::Tic(Evento &e)
{
    std::vector<QTimer *> relojes = Relojes();
    e.reloj = Uno(relojes);
    e.control = e.reloj->objectName();
    e.descripcion = QStringLiteral("tick of %1").arg(e.control);
}

void Mono::Teclear(QWidget *destino, const Pulsacion &p, bool repetida)
{
    QPointer<QWidget> w(destino);
    QTest::sendKeyEvent(QTest::Press, w, p.tecla, p.texto, p.modificadores);
    if (repetida && w != nullptr) {
        // Held down: the keyboard repeats the key until it is let go.
        QKeyEvent suelta(QEvent::KeyRelease, p.tecla, p.modificadores, p.texto, true);
        QCoreApplication::sendEvent(w, &suelta);
        if (w != nullptr) {
            QKeyEvent otra(QEvent::KeyPress, p.tecla, p.modificadores, p.texto, true);
            QCoreApplication::sendEvent(w, &otra);
        }
    }
    if (w != nullptr)
        QTest::sendKeyEvent(QTest::Release, w, p.tecla, p.texto, p.modificadores);
}

void Mono::Enviar(Evento &e)
{
    if (e.destino != nullptr && e.control.isEmpty())
        e.control = NombreDe(e.destino);
    if (e.tipo != Evento::Tipo::Tic)
        e.descripcion += QStringLiteral(" on %1").arg(e.control);
    switch (e.tipo) {
    case Evento::Tipo::Tecla:
    case Evento::Tipo::Pegar: {
        if (e.tipo == Evento::Tipo::Pegar)
            QGuiApplication::clipboard()->setText(e.texto);
        const Pulsacion p{Qt::Key(e.tecla), e.tipo == Evento::Tipo::Pegar ? QStringLiteral("\x16") : e.texto,
                          e.modificadores, e.edita, 0};
        const bool repetida =
            e.tipo == Evento::Tipo::Tecla && e.texto.size() == 1 && e.texto.front().isPrint() && Azar(30) == 0;
        if (repetida)
            e.descripcion += QStringLiteral(", held");
        Teclear(e.destino, p, repetida);
        break;
    }
    case Evento::Tipo::Edicion:
        Editar(e);
        break;
    case Evento::Tipo::Clic:
    case Evento::Tipo::Jugada: {
        const QStringList xy = e.texto.split(u',');
        const QPoint enVentana(xy.value(0).toInt(), xy.value(1).toInt());
        if (e.destino != nullptr)
            QTest::mouseClick(e.destino, Qt::LeftButton, {}, e.destino->mapFrom(m_ventana.data(), enVentana));
        break;
    }
    case Evento::Tipo::Lista: {
        // The click that opens the list gives it the focus; the entry is then
        // chosen from it.
        QPointer<QComboBox> lista = static_cast<QComboBox *>(e.destino.data());
        if (lista != nullptr)
            lista->setFocus(Qt::MouseFocusReason);
        if (lista != nullptr) {
            lista->setCurrentIndex(e.tecla);
            emit lista->activated(e.tecla);
            if (lista != nullptr)
                emit lista->textActivated(e.texto);
        }
        break;
    }
    case Evento::Tipo::Fecha: {
        QPointer<QDateEdit> fecha = static_cast<QDateEdit *>(e.destino.data());
        if (fecha != nullptr)
            fecha->setFocus(Qt::MouseFocusReason);
        if (fecha != nullptr)
            fecha->setDate(QDate::fromString(e.texto, Qt::ISODate));
        break;
    }
    case Evento::Tipo::Tic:
        if (e.reloj != nullptr)
            Disparar(e.reloj);
        break;
    case Evento::Tipo::Cierre:
        m_ventana->close();
        break;
    case Evento::Tipo::Dato: {
        // Clicked into, everything in it selected, and the value typed over it.
        QPointer<QWidget> caja = e.destino;
        caja->setFocus(Qt::MouseFocusReason);
        Procesar();
        // A check on the box left may have taken the focus back there.
        if (caja == nullptr || !caja->hasFocus()) {
            e.edita = false;
            e.descripcion += QStringLiteral(", which did not take the focus");
            break;
        }
        Teclear(caja, {Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier, false, 0}, false);
        qsizetype tecleados = 0;
        for (const QChar c : e.texto) {
            // A message may have sent the focus elsewhere meanwhile.
            if (caja == nullptr || !caja->hasFocus())
                break;
            Teclear(caja, {TeclaDe(c), QString(c), Qt::NoModifier, true, 0}, false);
            ++tecleados;
        }
        if (tecleados < e.texto.size())
            e.descripcion += QStringLiteral(", of which %1 characters went in").arg(tecleados);
        e.edita = tecleados > 0;
        break;
    }
    }
}

CifrasMono Mono::Correr()
{
    const auto inicio = Reloj::now();
    Abrir();
    if (m_ventana == nullptr) {
        ADD_FAILURE() << m_clase.toStdString() << " does not open";
        return m_cifras;
    }
    for (int n = 1; n <= m_opciones.eventos && m_cifras.hallazgos < kHallazgosMaximos; ++n) {
        if (!Abierta() || m_reglas.Reabrir()) {
            Cerrar();
            Abrir();
            if (m_ventana == nullptr)
                break;
        }
        const std::size_t antes = m_reglas.hallazgos.size();

        Evento e = Siguiente();
        e.focoAntes = NombreDe(QApplication::focusWidget());
        m_vigia.Empieza(
            QStringLiteral("%1, event %2 (%3 on %4)").arg(m_clase).arg(n).arg(e.descripcion, NombreDe(e.destino)));
        const std::size_t mensajesAntes = m_entorno.mensajes.mensajes.size();
        m_reglas.Antes(e);
        m_actual = &e;
        m_enEvento = true;
        Enviar(e);
        Procesar();
        m_enEvento = false;
        m_actual = nullptr;
        // A list or calendar left open would take every key that follows.
        for (int i = 0; i < 4 && QApplication::activePopupWidget() != nullptr; ++i)
            QApplication::activePopupWidget()->close();
        m_vigia.Termina();

        const auto &mensajes = m_entorno.mensajes.mensajes;
        for (std::size_t i = mensajesAntes; i < mensajes.size(); ++i) {
            e.mensajes << mensajes[i].texto;
            ++m_cifras.porMensaje[mensajes[i].texto];
        }
        m_cifras.mensajes += static_cast<int>(mensajes.size() - mensajesAntes);
        m_entorno.mensajes.mensajes.clear();
        e.focoDespues = NombreDe(QApplication::focusWidget());

        m_historia.push_back(
            QStringLiteral("#%1 %2%3")
                .arg(n)
                .arg(e.descripcion)
                .arg(e.mensajes.isEmpty()
                         ? QString()
                         : QStringLiteral(" -> \"%1\"").arg(e.mensajes.join(QStringLiteral("\", \"")))));
        if (m_historia.size() > 12)
            m_historia.pop_front();

        for (const QString &caja : std::exchange(m_entorno.filtro.cajasReales, {}))
            m_reglas.Exigir(false, "messages go through the program's seam, never a real box", caja);
        m_reglas.sonidos << std::exchange(m_entorno.sonidos.rutas, {});
        if (Abierta()) {
            m_reglas.Despues(e);
            ComprobarTextos();
        } else if (!m_reglas.PuedeCerrarse() && e.tipo != Evento::Tipo::Cierre) {
            m_reglas.Exigir(false, "the window stays open until the user closes it");
        }
        ++m_cifras.eventos;
        Informar(e, antes);
    }
    m_vigia.Empieza(QStringLiteral("%1: after the last event").arg(m_clase));
    const std::size_t antes = m_reglas.hallazgos.size();
    m_reglas.AlFinal();
    Informar(Evento{}, antes);
    Cerrar();
    CerrarVentanas();
    m_vigia.Termina();

    m_cifras.segundos = std::chrono::duration<double>(Reloj::now() - inicio).count();
    m_cifras.comprobaciones = m_reglas.comprobaciones;
    return m_cifras;
}

void Mono::Revisar(const QString &texto, const QWidget *control, const char *que)
{
    ++m_reglas.comprobaciones;
    if (const auto palabra = PalabraSinSentido(texto))
        m_reglas.Exigir(false, "no text shows inf, nan or -0",
                        QStringLiteral("%1 %2 shows \"%3\" in \"%4\"")
                            .arg(QString::fromUtf8(que), NombreDe(control), *palabra, Recortado(texto)));
}

// Every text the program wrote: labels, boxes it filled, fixed texts, list
// lines, titles. What the user typed is the user's business.
void Mono::ComprobarTextos()
{
    Revisar(m_ventana->windowTitle(), m_ventana, "the title of");
    for (const QLabel *l : m_etiquetas)
        Revisar(l->text(), l, "label");
    for (const QLineEdit *c : m_cajas)
        if (!m_delUsuario.value(c) && !m_reglas.TextoDelUsuario(c))
            Revisar(c->text(), c, "box");
    for (const QTextEdit *r : m_ricas) {
        const int revision = r->document()->revision();
        if (r->isReadOnly() && m_revisadas.value(r, -1) != revision) {
            m_revisadas[r] = revision;
            Revisar(r->toPlainText(), r, "text");
        }
    }
    for (const QComboBox *l : m_listas)
        if (!l->isEditable())
            Revisar(l->currentText(), l, "list");
    for (const QListWidget *l : m_listados) {
        for (int i = m_lineasVistas.value(l); i < l->count(); ++i)
            Revisar(l->item(i)->text(), l, "list line of");
        m_lineasVistas[l] = l->count();
    }
    for (const QGroupBox *g : m_marcos)
        Revisar(g->title(), g, "frame");
    for (const QAbstractButton *b : m_botones)
        Revisar(b->text(), b, "button");
}

void Mono::Informar(const Evento &e, std::size_t desde)
{
    for (std::size_t i = desde; i < m_reglas.hallazgos.size(); ++i) {
        const Hallazgo &h = m_reglas.hallazgos[i];
        ++m_cifras.hallazgos;
        if (++m_porInvariante[h.invariante] > kInformesPorInvariante)
            continue;
        QString historia;
        for (const QString &linea : m_historia)
            historia += QStringLiteral("\n    ") + linea;
        ADD_FAILURE() << m_clase.toStdString() << ": \"" << h.invariante.toStdString() << "\" broken"
                      << (e.descripcion.isEmpty() ? std::string(" at the end")
                                                  : " after " + e.descripcion.toStdString())
                      << ": " << h.detalle.toStdString() << "\n  seed " << m_opciones.semilla
                      << ", events so far:" << historia.toStdString();
    }
}

std::uint32_t Fnv(const QString &texto)
{
    std::uint32_t h = 2166136261U;
    for (const char c : texto.toUtf8()) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619U;
    }
    return h;
}

int Entero(const char *variable, int porDefecto)
{
    const QByteArray valor = qgetenv(variable);
    bool bien = false;
    const int n = valor.toInt(&bien);
    return bien && n >= 0 ? n : porDefecto;
}

} // namespace

OpcionesMono OpcionesDelEntorno(const QString &clase)
{
#ifdef ORVELLA_SANITIZE
    // Every access checked: a shorter run in a window of more time.
    constexpr int kEventos = 2000;
    constexpr int kVigiaMs = 30000;
#else
    constexpr int kEventos = 5000;
    constexpr int kVigiaMs = 5000;
#endif
    OpcionesMono o;
    o.eventos = Entero("ORVELLA_MONKEY_EVENTOS", kEventos);
    o.semilla = static_cast<std::uint32_t>(Entero("ORVELLA_MONKEY_SEMILLA", 12)) ^ Fnv(clase);
    o.vigia = std::chrono::milliseconds(Entero("ORVELLA_MONKEY_VIGIA_MS", kVigiaMs));
    return o;
}

CifrasMono CorrerMono(const FichaVentana &ficha, Reglas &reglas, const OpcionesMono &opciones)
{
    Mono mono(ficha, reglas, opciones);
    return mono.Correr();
}
