// Draws the worked examples of the user guide (docs/guia.md) into
// docs/guia/*.png, and prints what each window then shows: the figures the
// guide quotes. Each window is opened as its menu entry opens it, and the
// example is typed and clicked into it key by key, as a user would, on the
// offscreen platform, with today's date and the games' seed fixed. Message
// boxes are written down instead of shown; an example that gives a message
// it should not give fails the run.
// Usage: orvella_guia [output folder]

#include "core/elementos.h"
#include "platform/Ajustes.h"
#include "platform/Sonido.h"
#include "puzzle/puzle.h"
#include "shell/Ventanas.h"
#include "tools/comun/Captura.h"
#include "widgets/Controles.h"
#include "widgets/Mensajes.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <initializer_list>

namespace {

QStringList g_mensajes;

// Closes the completion window of a puzzle as soon as it shows: it is
// modal, and the game goes on behind it once it is closed.
class CerradorFinTabla : public QObject {
protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Show && objeto->objectName() == u"FormFinTabla") {
            if (auto *fin = qobject_cast<QDialog *>(objeto))
                QMetaObject::invokeMethod(fin, &QDialog::accept, Qt::QueuedConnection);
        }
        return false;
    }
};

// One window of the program, opened from the list of windows and driven
// through its controls by name.
class Ventana {
public:
    explicit Ventana(const char *clase) : m_ventana(AbrirVentana(QString::fromLatin1(clase)))
    {
        if (m_ventana == nullptr)
            return;
        m_ventana->show();
        m_ventana->activateWindow();
        if (!QTest::qWaitForWindowActive(m_ventana))
            std::fprintf(stderr, "orvella_guia: %s did not become active\n", clase);
    }
    ~Ventana()
    {
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Ventana(const Ventana &) = delete;
    Ventana &operator=(const Ventana &) = delete;

    bool abierta() const { return m_ventana != nullptr; }

    template <class C = QWidget> C *control(const QString &nombre) const
    {
        C *c = m_ventana == nullptr ? nullptr : m_ventana->findChild<C *>(nombre);
        if (c == nullptr)
            std::fprintf(stderr, "orvella_guia: no control %s\n", qPrintable(nombre));
        return c;
    }

    // Each character pressed and released in the control, which gets the
    // focus first.
    void teclear(const char *nombre, const char *teclas)
    {
        QWidget *c = control(QString::fromUtf8(nombre));
        if (c == nullptr)
            return;
        c->setFocus();
        for (const char *t = teclas; *t != '\0'; ++t)
            QTest::keyClick(c, *t);
    }
    // What the box held is replaced: all of it selected, then typed over.
    void reemplazar(const char *nombre, const char *teclas)
    {
        tecla(nombre, Qt::Key_A, Qt::ControlModifier);
        teclear(nombre, teclas);
    }
    void tecla(const char *nombre, Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier)
    {
        if (QWidget *c = control(QString::fromUtf8(nombre))) {
            c->setFocus();
            QTest::keyClick(c, tecla, modificadores);
        }
    }
    void clic(const QString &nombre)
    {
        if (QWidget *c = control(nombre))
            QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
    }
    void clic(const char *nombre) { clic(QString::fromUtf8(nombre)); }

    // An entry of a drop-down list clicked in the open list.
    void elegir(const char *lista, const char *entrada)
    {
        auto *combo = control<QComboBox>(QString::fromUtf8(lista));
        if (combo == nullptr)
            return;
        const QModelIndex indice = combo->model()->index(combo->findText(QString::fromUtf8(entrada)), 0);
        if (!indice.isValid()) {
            std::fprintf(stderr, "orvella_guia: no entry %s in %s\n", entrada, lista);
            return;
        }
        combo->showPopup();
        QCoreApplication::processEvents();
        combo->view()->scrollTo(indice);
        QTest::mouseClick(combo->view()->viewport(), Qt::LeftButton, {}, combo->view()->visualRect(indice).center());
        // A desktop gives the window back its activation when the list
        // closes; the offscreen platform does not.
        m_ventana->activateWindow();
        QCoreApplication::processEvents();
    }

    // What a control shows.
    QString texto(const QString &nombre) const { return TextoDe(control(nombre)); }

    // "Name=text" for each control, the hidden ones left out.
    void imprimir(std::initializer_list<const char *> nombres) const
    {
        for (const char *n : nombres) {
            const QString nombre = QString::fromUtf8(n);
            const QWidget *c = control(nombre);
            if (c != nullptr && c->isVisibleTo(m_ventana))
                std::printf("  %s = %s\n", n, qPrintable(texto(nombre)));
        }
    }

    QWidget *ventana() const { return m_ventana; }

private:
    QPointer<QWidget> m_ventana;
};

struct Ejemplo {
    const char *archivo;
    const char *clase;
    std::function<void(Ventana &)> hacer;
    // The messages the example gives on purpose, "Title: text".
    QStringList mensajes = {};
};

// The periodic table: a click on iron.
void Hierro(Ventana &v)
{
    auto *fe = v.control(QStringLiteral("Fe"));
    QTest::mousePress(fe, Qt::LeftButton, {}, fe->rect().center());
    QTest::mouseRelease(fe, Qt::LeftButton, {}, fe->rect().center());
    v.imprimir({"Label3", "Label4", "Label1", "Label2"});
}

// Glucose: its molar mass, the grams of 0,25 mol and its composition; then
// its empirical formula from the percentages.
void Glucosa(Ventana &v)
{
    v.teclear("BoxFormulaEmp", "C6H12O6");
    v.teclear("BoxMoles", "0,25");
    v.clic("cbCalcular");
    v.teclear("Elemento1", "C");
    v.teclear("Porcent1", "40");
    v.teclear("Elemento2", "H");
    v.teclear("Porcent2", "6,71");
    v.teclear("Elemento3", "O");
    v.teclear("Porcent3", "53,29");
    v.clic("CalcInd");
    v.imprimir({"LbMasaMolecular", "BoxMoles", "BoxGramos", "Atomo1", "Porcentaje1", "Atomo2", "Porcentaje2", "Atomo3",
                "Porcentaje3", "Indice1", "Indice2", "Indice3"});
}

// 500 ml of 0,1 M sodium chloride from the solid.
void ClorurosSolido(Ventana &v)
{
    v.teclear("RTBFormula", "NaCl");
    v.reemplazar("TextConcFinal", "0,1");
    v.tecla("TextVolumen", Qt::Key_Return);
    v.imprimir(
        {"TextPm", "TextConcFinal", "ComboConcFinal", "TextVolumen", "ComboVolumen", "LabelResultado", "UnidadResul"});
}

// The same solution from a 1 M stock.
void ClorurosDilucion(Ventana &v)
{
    v.teclear("RTBFormula", "NaCl");
    v.reemplazar("TextConcFinal", "0,1");
    v.clic("OptionDisol");
    v.clic("cbCalcular");
    v.imprimir({"TextPm", "TextConcInicial", "ComboConcInicial", "LabelResultado", "UnidadResul"});
}

// Ammonia, N2 + 3 H2 -> 2 NH3: 28 g obtained from 6 g of hydrogen.
void Amoniaco(Ventana &v)
{
    v.teclear("BoxFormulaEmpReact", "H2");
    v.teclear("BoxFormulaEmpProd", "NH3");
    v.reemplazar("TextCoefReact", "3");
    v.reemplazar("TextCoefProd", "2");
    v.teclear("TextMasaReact", "6");
    v.teclear("TextMasaProd", "28");
    v.clic("cbCalcular");
    v.imprimir({"TextCoefReact", "TextCoefProd", "TextMasaReact", "TextMasaProd", "LabelRendimiento"});
}

// The element card: mercury, found by typing its name.
void Mercurio(Ventana &v)
{
    v.control<QComboBox>(QStringLiteral("ComboElemento"))->lineEdit()->clear();
    v.teclear("ComboElemento", "mercurio");
    v.tecla("ComboElemento", Qt::Key_Return);
    v.imprimir({"ComboElemento", "LabelConfiguracion", "LabelElectronegatividad", "LabelIonizacion", "LabelFusion",
                "LabelEbullicion", "LabelDensidad", "LabelEstado", "LabelFamilia", "LabelDescubrimiento",
                "LabelOxidacion", "ListaIsotopos"});
}

// The property view: the state of matter at 300 K.
void Estados300(Ventana &v)
{
    v.elegir("ComboPropiedad", "Estado de la materia");
    if (auto *temperatura = v.control<QSlider>(QStringLiteral("SliderTemperatura")))
        temperatura->setValue(300);
    v.imprimir({"LabelTemperatura", "CeldaHg", "CeldaBr", "CeldaGa", "CeldaCs"});
}

// Formulation: a name typed in, the formula and every other name out.
void SulfatoFerrico(Ventana &v)
{
    v.teclear("TextEntrada", "sulfato de hierro(III)");
    v.tecla("TextEntrada", Qt::Key_Return);
    v.imprimir({"LabelFormula", "LabelTipo", "LabelComposicion", "LabelStock", "LabelHidrogeno", "LabelSustitucion",
                "LabelTradicional"});
}

// Practice: the first question of the fixed seed, answered with capitals.
void Practica(Ventana &v)
{
    v.imprimir({"LabelEnunciado", "LabelPregunta"});
    v.teclear("TextRespuesta", "Bromuro de Magnesio");
    v.tecla("TextRespuesta", Qt::Key_Return);
    v.imprimir({"LabelAciertos", "LabelFallos", "LabelSolucion"});
}

void Temperatura(Ventana &v)
{
    v.teclear("TextC", "37");
    v.imprimir({"TextC", "TextF", "TextK"});
}

void Presion(Ventana &v)
{
    v.teclear("TextHg", "750");
    v.imprimir({"TextAtm", "TextHg", "TextBar", "TextPa", "TextDina", "TextKg"});
}

void Energia(Ventana &v)
{
    v.teclear("TextJ", "100");
    v.teclear("TexteV", "1");
    v.imprimir({"TextCal", "TextJ", "TextCalMol", "TextJMol", "TexteV"});
}

// A sample of iodine-131 of 370 MBq at 9:00 on the first day, measured again
// eight days later at 15:30.
void Yodo131(Ventana &v)
{
    v.elegir("ComboRadionucl", "I-131");
    v.elegir("ComboUnidades", "MBq");
    v.reemplazar("TextAct1", "370");
    v.reemplazar("TextHora1", "9");
    if (auto *fecha = v.control<QDateEdit>(QStringLiteral("DTPicker2")))
        fecha->setDate(fecha->date().addDays(8));
    v.reemplazar("TextHora2", "15");
    v.reemplazar("TextMin2", "30");
    v.imprimir({"DTPicker1", "TextHora1", "TextMin1", "DTPicker2", "TextHora2", "TextMin2", "TextAct1", "ComboUnidades",
                "ComboRadionucl", "TextPeriodo", "ComboTiempo", "LabelDias", "Label41", "LabelHoras", "Label44",
                "LabelMin", "Label45", "LabelAct2", "LabelUnidades"});
}

// Hydrogen iodide, H2 + I2 <-> 2 HI with K = 49 from 1 mol/l of each:
// 45 x² - 98 x + 49 = 0.
void Cuadratica(Ventana &v)
{
    v.teclear("Texta", "45");
    v.teclear("Textb", "-98");
    v.teclear("Textc", "49");
    v.tecla("Textc", Qt::Key_Return);
    v.imprimir({"Texta", "Textb", "Textc", "Resultado1", "Resultado2"});
}

// Water from 4 g of hydrogen and 16 g of oxygen: the balance, then the
// grams typed into the table's cells.
void Agua(Ventana &v)
{
    v.teclear("TextEcuacion", "H2 + O2 -> H2O");
    v.tecla("TextEcuacion", Qt::Key_Return);
    auto *tabla = v.control<QTableWidget>(QStringLiteral("TablaEstequiometria"));
    if (tabla == nullptr)
        return;
    for (const auto &[fila, gramos] : {std::pair{0, "4"}, std::pair{1, "16"}}) {
        tabla->setFocus();
        tabla->setCurrentCell(fila, 4);
        for (const char *t = gramos; *t != '\0'; ++t)
            QTest::keyClick(QApplication::focusWidget(), *t);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    v.imprimir({"LabelAjustada", "LabelLimitante", "LabelExceso"});
    for (int f = 0; f < tabla->rowCount(); ++f) {
        QStringList celdas;
        for (int c = 0; c < tabla->columnCount(); ++c)
            celdas << (tabla->item(f, c) != nullptr ? tabla->item(f, c)->text() : QString());
        std::printf("  %s\n", qPrintable(celdas.join(QStringLiteral(" | "))));
    }
}

// A game of the puzzle: the cell that takes the clicks for an element.
QString Celda(bool reducido, const QString &simbolo)
{
    const std::string s = simbolo.toStdString();
    return QString::fromStdString(reducido ? Calculos::NombreCubierta(s) : Calculos::NombreCelda(s));
}

// A wrong click: the cell of the next element of the table, or of the one
// before, whichever is still empty.
void Fallar(Ventana &v, bool reducido)
{
    const QString pedido = v.texto(QStringLiteral("Label1"));
    for (const Calculos::Elemento &e : Calculos::TablaElementos) {
        if (QString::fromUtf8(e.simbolo) != pedido)
            continue;
        for (int z : {e.z + 1, e.z - 1}) {
            if (z < 1 || z > Calculos::kNumeroElementos)
                continue;
            const std::string_view vecino = Calculos::TablaElementos[static_cast<std::size_t>(z - 1)].simbolo;
            auto *celda = v.ventana()->findChild<QLabel *>(Celda(reducido, QString::fromUtf8(vecino)));
            if (celda != nullptr && !celda->isHidden() && celda->text().isEmpty())
                return v.clic(celda->objectName());
        }
    }
}

// The stopwatch started and then moved on by hand, one second a tick.
QTimer *Cronometro(Ventana &v)
{
    v.clic("CommandStart");
    auto *reloj = v.control<QTimer>(QStringLiteral("Timer1"));
    if (reloj != nullptr)
        reloj->stop();
    return reloj;
}

void Segundos(QTimer *reloj, int n)
{
    for (; reloj != nullptr && n > 0; --n)
        QMetaObject::invokeMethod(reloj, "timeout");
}

// `aciertos` elements placed, `fallos` wrong clicks among the first ones,
// `segundos` on the stopwatch.
void Jugar(Ventana &v, bool reducido, int aciertos, int fallos, int segundos)
{
    QTimer *reloj = Cronometro(v);
    for (int i = 0; i < aciertos; ++i) {
        Segundos(reloj, segundos / aciertos + (i < segundos % aciertos ? 1 : 0));
        if (i < fallos)
            Fallar(v, reducido);
        v.clic(Celda(reducido, v.texto(QStringLiteral("Label1"))));
    }
}

// The full table halfway through a game.
void PuzleCompleto(Ventana &v)
{
    Jugar(v, false, 12, 1, 95);
    v.imprimir({"Label1", "LabelMinutos", "LabelSegundos", "LabelFallos", "Label4", "List1"});
}

// A whole game of the reduced table, and its best time saved.
void PuzleReducido(Ventana &v)
{
    Jugar(v, true, Calculos::ElementosDe(Calculos::Tablero::Reducido), 2, 205);
    // The completion window is closed, and the record shown, from the event loop.
    QCoreApplication::sendPostedEvents();
    v.imprimir({"FrameMejorMarca", "CommandRegistrarMarca"});
    v.teclear("TextNombrePuzleRedu", "Ana");
    v.clic("CommandRegistrarMarca");
    v.imprimir({"LabelMinutos", "LabelSegundos", "LabelFallos", "Label18", "List1", "FrameMejorMarca",
                "TextNombrePuzleRedu", "MarcaMin", "MarcaSg", "MarcaFallos"});
}

const QString kFallo = QStringLiteral("Error: Posición incorrecta.");

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrepararProgramaFijo();

    // Nothing of the user's is read or written, and nothing is heard.
    QTemporaryDir ajustes;
    InstalarCarpetaAjustes(ajustes.path());
    InstalarManejadorSonido([](const QString &, const FinSonido &fin) { fin(); });
    InstalarManejadorMensajes([](QWidget *, const QString &texto, const QString &titulo, Icono) {
        g_mensajes << titulo + QStringLiteral(": ") + texto;
    });
    CerradorFinTabla cerrador;
    app.installEventFilter(&cerrador);

    const QDir carpeta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/guia"));
    if (!QDir().mkpath(carpeta.path())) {
        std::fprintf(stderr, "orvella_guia: cannot create %s\n", qPrintable(carpeta.path()));
        return 1;
    }

    const Ejemplo ejemplos[] = {
        {"tabla-hierro.png", "FormPrincipal", Hierro},
        {"calculadora-glucosa.png", "FormCalculadoraMolar", Glucosa},
        {"disoluciones-nacl.png", "FormDisoluciones", ClorurosSolido},
        {"disoluciones-nacl-dilucion.png", "FormDisoluciones", ClorurosDilucion},
        {"rendimiento-amoniaco.png", "FormRendimiento", Amoniaco},
        {"temperatura-37.png", "FormTemperatura", Temperatura},
        {"presion-750.png", "FormPresion", Presion},
        {"energia.png", "FormEnergia", Energia},
        {"decaimiento-yodo131.png", "FormDecay", Yodo131},
        {"cuadratica-yoduro.png", "FormEcCuadratica", Cuadratica},
        {"ecuaciones-agua.png", "FormEcuaciones", Agua},
        {"puzle-completo.png", "FormPuzle", PuzleCompleto, {kFallo}},
        {"puzle-reducido-marca.png", "FormPuzle2", PuzleReducido, {kFallo, kFallo}},
        {"ficha-mercurio.png", "FormFicha", Mercurio},
        {"propiedades-300k.png", "FormPropiedades", Estados300},
        {"formulacion-sulfato.png", "FormFormulacion", SulfatoFerrico},
        {"practica-formulacion.png", "FormPracticaFormulacion", Practica},
    };
    int fallos = 0;
    for (const Ejemplo &e : ejemplos) {
        g_mensajes.clear();
        Ventana v(e.clase);
        if (!v.abierta()) {
            std::fprintf(stderr, "orvella_guia: no window %s\n", e.clase);
            ++fallos;
            continue;
        }
        const QString ruta = carpeta.filePath(QString::fromLatin1(e.archivo));
        std::printf("%s\n", qPrintable(ruta));
        e.hacer(v);
        for (const QString &m : g_mensajes)
            std::printf("  message: %s\n", qPrintable(m));
        if (g_mensajes != e.mensajes) {
            std::fprintf(stderr, "orvella_guia: %s gave other messages than expected\n", e.archivo);
            ++fallos;
        }
        Esperar(100);
        if (!GuardarCaptura(v.ventana(), ruta)) {
            std::fprintf(stderr, "orvella_guia: cannot write %s\n", qPrintable(ruta));
            ++fallos;
        }
    }
    return fallos == 0 ? 0 : 1;
}
