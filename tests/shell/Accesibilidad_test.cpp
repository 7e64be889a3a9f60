// What a screen reader finds in every window of the program, and where Tab
// takes the keyboard.

#include "core/elementos.h"
#include "puzzle/puzle.h"
#include "shell/Ventanas.h"
#include "tests/support/Ventana.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include <tuple>

#include <gtest/gtest.h>

namespace {

// What a screen reader announces as a control's name. On Linux Qt gives a
// drop-down list's entry as its name (the screen reader reads the list's own
// name from its caption); the name the program gives it is its
// accessibleName.
QString Nombre(QWidget *control)
{
    if (auto *lista = qobject_cast<QComboBox *>(control))
        return lista->accessibleName();
    QAccessibleInterface *interfaz = QAccessible::queryAccessibleInterface(control);
    return interfaz == nullptr ? QString() : interfaz->text(QAccessible::Name);
}

QString Descripcion(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
}

bool EsPulsable(QWidget *control)
{
    return qobject_cast<QLabel *>(control) != nullptr &&
           QAccessible::queryAccessibleInterface(control)->role() == QAccessible::Button;
}

// A name a person reads: words, not the shape of a control's name in the
// program ("TextPm", "cbCalcular", "Label3", "Command_Z").
bool EsLegible(const QString &nombre)
{
    static const QRegularExpression palabra(QStringLiteral("\\p{L}{2,}"));
    static const QRegularExpression identificador(QStringLiteral("\\p{Ll}\\p{Lu}|_|^Label\\d|^Text[A-Z]"));
    return nombre.contains(palabra) && !identificador.match(nombre).hasMatch();
}

// The controls of a window that a user acts on: those that take the focus,
// the buttons and the labels that act as buttons; not Qt's own parts of them
// (an editable list's box, a date picker's text) nor other windows (popups).
QList<QWidget *> Controles(QWidget *ventana)
{
    QList<QWidget *> controles;
    for (QWidget *w : ventana->findChildren<QWidget *>()) {
        if (w->window() != ventana || w->focusProxy() != nullptr || w->objectName().startsWith(u"qt_"))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton *>(w) != nullptr || EsPulsable(w))
            controles << w;
    }
    return controles;
}

// What Tab has to reach: every control that shows and is enabled; of a group
// of option buttons, the one that is chosen (the arrow keys choose another).
bool TabDebeLlegar(QWidget *w)
{
    if (!w->isVisible() || !w->isEnabled())
        return false;
    if (auto *opcion = qobject_cast<QRadioButton *>(w); opcion != nullptr && opcion->autoExclusive())
        return opcion->isChecked();
    return (w->focusPolicy() & Qt::TabFocus) || EsPulsable(w);
}

class VentanaAbierta : public DeLaLista {
public:
    using DeLaLista::DeLaLista;

    QWidget *Buscar(const QString &ruta) const
    {
        QWidget *w = ventana();
        for (const QString &parte : ruta.split(u'/'))
            w = w == nullptr ? nullptr : w->findChild<QWidget *>(parte);
        EXPECT_NE(w, nullptr) << ruta.toStdString();
        return w;
    }

    // A half-life typed in the decay window: leaving the activity then
    // calculates without sending the focus to the half-life box to ask for
    // one.
    void ListaParaTab()
    {
        if (ventana()->objectName() == u"FormDecay")
            teclear(QStringLiteral("TextPeriodo"), "8");
    }

    QString Foco() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

    // Tab from wherever the focus is, until it comes back to the first
    // control it reached: the controls in the order Tab visits them.
    QStringList RecorrerConTab()
    {
        QStringList visitados;
        for (int n = 0; n < 400; ++n) {
            QWidget *foco = QApplication::focusWidget();
            QTest::keyClick(foco != nullptr ? foco : ventana(), Qt::Key_Tab);
            Procesar();
            const QString ahora = Foco();
            if (!visitados.isEmpty() && ahora == visitados.front())
                return visitados;
            // A date picker goes through its day, month and year first.
            if (visitados.isEmpty() || visitados.back() != ahora)
                visitados << ahora;
        }
        ADD_FAILURE() << "Tab never came back to " << visitados.value(0).toStdString();
        return visitados;
    }
};

struct Lectura {
    const char *ventana;
    const char *control; // a path of names: "UpDown1/Arriba"
    const char *nombre;
    const char *descripcion = nullptr; // nullptr: not checked
};

// The names a screen reader announces as each window opens.
const Lectura kLecturas[] = {
    {"FormPrincipal", "Fe", "Hierro, número atómico 26", "Metal de transición. Grupo 8, periodo 4"},
    {"FormPrincipal", "H", "Hidrógeno, número atómico 1", "No metal. Grupo 1, periodo 1"},
    {"FormPrincipal", "La", "Lantano, número atómico 57", "Lantánido. Lantánidos, columna 1"},
    {"FormPrincipal", "Lr", "Laurencio, número atómico 103", "Actínido. Actínidos, columna 15"},
    {"FormPrincipal", "TY", "Itrio, número atómico 39", "Metal de transición. Grupo 3, periodo 5"},
    {"FormPrincipal", "Label21", "Grupo 8"},
    {"FormPrincipal", "Label1", "Símbolo: H"},
    {"FormPrincipal", "Label2", "Elemento: Hidrógeno"},
    {"FormPrincipal", "Label3", "Número atómico: 1"},
    {"FormPrincipal", "Label4", "Masa atómica: 1,0080"},

    {"FormCalculadoraMolar", "BoxFormulaEmp", "Fórmula"},
    {"FormCalculadoraMolar", "LbMasaMolecular", "Masa molecular (g/mol)"},
    {"FormCalculadoraMolar", "BoxMoles", "Moles"},
    {"FormCalculadoraMolar", "BoxGramos", "Gramos"},
    {"FormCalculadoraMolar", "cbCalcular", "Calcular", "Calcula con los datos escritos"},
    {"FormCalculadoraMolar", "cbBorrar", "Borrar", "Borra los datos y los resultados"},
    {"FormCalculadoraMolar", "Información", "Información", "Muestra u oculta la explicación"},
    {"FormCalculadoraMolar", "Elemento1", "Elemento 1"},
    {"FormCalculadoraMolar", "Porcent10", "Porcentaje 10"},
    {"FormCalculadoraMolar", "Indice3", "Subíndice 3"},
    {"FormCalculadoraMolar", "CalcInd", "Calcular la fórmula empírica"},
    {"FormCalculadoraMolar", "RichTextBox1", "Explicación"},

    {"FormDisoluciones", "RTBFormula", "Fórmula del soluto"},
    {"FormDisoluciones", "TextPm", "Masa molecular (g/mol)"},
    {"FormDisoluciones", "OptionSolido", "Sólido"},
    {"FormDisoluciones", "OptionLiquido", "Líquido"},
    {"FormDisoluciones", "TextDensidad", "Densidad del líquido (g/ml)"},
    {"FormDisoluciones", "TextConcInicial", "Concentración de la disolución de partida"},
    {"FormDisoluciones", "ComboConcInicial", "Unidad de la concentración de partida"},
    {"FormDisoluciones", "TextConcFinal", "Concentración de la disolución deseada"},
    {"FormDisoluciones", "TextVolumen", "Volumen de la disolución deseada"},
    {"FormDisoluciones", "ComboVolumen", "Unidad del volumen"},
    {"FormDisoluciones", "LabelResultado", "Cantidad de soluto"},
    {"FormDisoluciones", "LabelResultado2", "Volumen del líquido"},

    {"FormRendimiento", "BoxFormulaEmpReact", "Fórmula del reactivo limitante"},
    {"FormRendimiento", "TextCoefProd", "Coeficiente del producto",
     "Coeficiente estequiométrico del producto en la ecuación balanceada."},
    {"FormRendimiento", "TextMasaReact", "Masa del reactivo limitante (g)"},
    {"FormRendimiento", "LabelRendimiento", "Porcentaje de rendimiento"},
    {"FormRendimiento", "Borrar", "Borrar"},

    {"FormDecay", "DTPicker1", "Fecha inicial"},
    {"FormDecay", "TextMin2", "Minutos finales"},
    {"FormDecay", "TextAct1", "Actividad inicial"},
    {"FormDecay", "ComboRadionucl", "Radionúclido", "Elegir uno da su período de semidesintegración"},
    {"FormDecay", "TextPeriodo", "Período de semidesintegración"},
    {"FormDecay", "ComboTiempo", "Unidad del período de semidesintegración",
     "Unidad del período de semidesintegración"},
    {"FormDecay", "UpDown1/Arriba", "Subir la hora inicial"},
    {"FormDecay", "UpDown9/Abajo", "Bajar los minutos finales de diez en diez"},
    {"FormDecay", "UpDown7/Arriba", "Subir la actividad inicial de cien en cien"},
    {"FormDecay", "LabelDias", "Intervalo de tiempo: 0 días"},
    {"FormDecay", "LabelAct2", "Actividad"},
    {"FormDecay", "Image1", "Señal de radiactividad"},

    {"FormEcCuadratica", "Texta", "Coeficiente a"},
    {"FormEcCuadratica", "Textc", "Coeficiente c"},
    {"FormEcCuadratica", "Label2", "a x al cuadrado más b x más c igual a 0"},
    {"FormEcCuadratica", "Resultado1", "Primera solución"},
    {"FormEcCuadratica", "Calcular", "Calcular", "Calcula con los datos escritos"},
    {"FormEcuaciones", "TextEcuacion", "Ecuación"},
    {"FormEcuaciones", "TablaAtomos", "Comprobación de átomos y carga"},
    {"FormEcuaciones", "TablaEstequiometria", "Estequiometría"},
    {"FormEcuaciones", "LabelLimitante", "Reactivo limitante"},

    {"FormFormulacion", "TextEntrada", "Fórmula o nombre"},
    {"FormFormulacion", "LabelTradicional", "Nombre tradicional"},
    {"FormPracticaFormulacion", "TextRespuesta", "Respuesta"},
    {"FormPracticaFormulacion", "ComboModo", "Modo de práctica"},

    {"FormTemperatura", "TextF", "Grados Fahrenheit"},
    {"FormPresion", "TextHg", "Milímetros de mercurio (torr)"},
    {"FormEnergia", "TextJMol", "Kilojulios por mol"},
    {"FormEnergia", "Información", "Información"},

    // A cell says where it stands, never what goes there.
    {"FormPuzle", "Fe", "Grupo 8, periodo 4"},
    {"FormPuzle", "La", "Lantánidos, columna 1"},
    {"FormPuzle", "CommandStart", "Activar cronómetro"},
    {"FormPuzle", "Command_Z", "Mostrar los números atómicos"},
    {"FormPuzle", "Command_No_Z", "Ocultar los números atómicos"},
    {"FormPuzle", "LabelFallos", "Fallos: 0"},
    {"FormPuzle", "LabelMinutos", "Cronómetro, minutos: 0"},
    {"FormPuzle", "List1", "Elementos fallados", "El elemento pedido en cada fallo"},
    {"FormPuzle", "TextNombrePuzleFull", "Nombre"},
    {"FormPuzle", "MarcaFallos", "Mejor marca, fallos: 13"},
    {"FormPuzle", "CommandRegistrarMarca", "Registra tu marca"},
    {"FormPuzle2", "LabelLa", "Grupo 3, periodo 6"},
    {"FormPuzle2", "La", "Grupo 3, periodo 6"},
    {"FormPuzle2", "LabelCs", "Grupo 1, periodo 6"},
    {"FormPuzle2", "TextNombrePuzleRedu", "Nombre"},

    {"FormFicha", "ComboElemento", "Elemento", "Escriba parte del nombre, el símbolo o el número y pulse Intro"},
    {"FormFicha", "LabelElectronegatividad", "Electronegatividad (Pauling): 2,2"},
    {"FormFicha", "ListaIsotopos", "Isótopos naturales y de vida más larga"},
    {"FormPropiedades", "ComboPropiedad", "Propiedad"},
    {"FormPropiedades", "CeldaFe", "Hierro: 1,83"},
    {"FormPropiedades", "CeldaAr", "Argón: sin dato"},
    {"FormPropiedades", "Leyenda", "Escala: de 0,7 a 3,98"},

    {"FormFinTabla", "Image1", "Trofeo", "Una copa dorada: has completado la tabla"},
    {"FormAcercaDe", "Image3", "Átomo", "Un átomo cuyos electrones giran"},
    {"FormAcercaDe", "Image11", "Carta"},
};

} // namespace

TEST(Accesibilidad, NombresDeCadaVentana)
{
    for (const FichaVentana &ficha : ListaVentanas()) {
        const QString clase = ficha.Clase();
        VentanaAbierta v(clase);
        for (const Lectura &l : kLecturas) {
            if (clase != QLatin1String(l.ventana))
                continue;
            QWidget *control = v.Buscar(QString::fromUtf8(l.control));
            if (control == nullptr)
                continue;
            EXPECT_EQ(Nombre(control), QString::fromUtf8(l.nombre)) << l.ventana << " " << l.control;
            if (l.descripcion != nullptr) {
                EXPECT_EQ(Descripcion(control), QString::fromUtf8(l.descripcion)) << l.ventana << " " << l.control;
            }
        }
    }
}

TEST(Accesibilidad, VentanasDescritas)
{
    for (const auto &[clase, descripcion] : {
             std::pair{"FormPresentacion", "El nombre del programa sobre ondas en el agua"},
             std::pair{"FormAcercaDe", "Orvella, versión 3.0, sobre el dibujo de una galaxia"},
         }) {
        VentanaAbierta v(QString::fromLatin1(clase));
        EXPECT_EQ(Descripcion(v.ventana()), QString::fromUtf8(descripcion)) << clase;
    }
}

// Every control of every window, shown or not yet, has a name a person
// reads.
TEST(Accesibilidad, TodoControlTieneNombre)
{
    int vistos = 0;
    for (const FichaVentana &ficha : ListaVentanas()) {
        VentanaAbierta v(ficha.Clase());
        for (QWidget *control : Controles(v.ventana())) {
            ++vistos;
            EXPECT_TRUE(EsLegible(Nombre(control)))
                << ficha.Clase().toStdString() << " " << control->objectName().toStdString() << ": \""
                << Nombre(control).toStdString() << '"';
        }
    }
    EXPECT_GT(vistos, 118 + 118 + 75);
}

// On Linux a list is announced by its entry: its name comes in its
// description, in the box one types in and, when it has one, in its caption.
TEST(Accesibilidad, Listas)
{
    VentanaAbierta v(QStringLiteral("FormDecay"));
    for (const auto &[control, rotulo] : {std::pair{"DTPicker1", "Label1"}, std::pair{"TextPeriodo", "Label9"}}) {
        const auto relaciones = QAccessible::queryAccessibleInterface(v.Buscar(QString::fromLatin1(control)))
                                    ->relations(QAccessible::Label);
        ASSERT_EQ(relaciones.size(), 1) << control;
        EXPECT_EQ(relaciones.front().first->object()->objectName(), QString::fromLatin1(rotulo));
    }
    auto *lista = qobject_cast<QComboBox *>(v.Buscar(QStringLiteral("ComboUnidades")));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(Descripcion(lista), QStringLiteral("Unidad de la actividad"));
    EXPECT_EQ(Nombre(lista->lineEdit()), QStringLiteral("Unidad de la actividad"));
}

// Tab from the first control reaches every control of the window that shows.
TEST(Accesibilidad, TabLlegaATodo)
{
    for (const FichaVentana &ficha : ListaVentanas()) {
        const QString clase = ficha.Clase();
        VentanaAbierta v(clase);
        v.ListaParaTab();
        QStringList deben;
        for (QWidget *control : Controles(v.ventana()))
            if (TabDebeLlegar(control))
                deben << control->objectName();
        if (deben.isEmpty())
            continue;
        const QStringList visitados = v.RecorrerConTab();
        for (const QString &control : deben)
            EXPECT_TRUE(visitados.contains(control)) << clase.toStdString() << ": " << control.toStdString();
        EXPECT_EQ(visitados.size(), deben.size()) << clase.toStdString() << ": " << visitados.join(u' ').toStdString();
    }
}

// Reading order: top to bottom, left to right, a frame at a time; the data
// before the buttons that use them.
TEST(Accesibilidad, OrdenDeTabulacion)
{
    struct Caso {
        const char *ventana;
        const char *orden; // from the control the window opens with
    };
    const Caso casos[] = {
        {"FormCalculadoraMolar", "BoxMoles BoxGramos cbCalcular cbBorrar Información Elemento1 Porcent1 Elemento2"},
        {"FormDisoluciones", "TextPm OptionSolido TextDensidad TextConcInicial ComboConcInicial TextConcFinal "
                             "ComboConcFinal TextVolumen ComboVolumen cbCalcular Información RTBFormula"},
        {"FormRendimiento", "BoxFormulaEmpProd TextCoefReact TextCoefProd TextMasaReact TextMasaProd cbCalcular Borrar "
                            "Información BoxFormulaEmpReact"},
        {"FormDecay", "ComboTiempo Información DTPicker1 TextHora1 TextMin1 DTPicker2 TextHora2 TextMin2 TextAct1 "
                      "ComboUnidades ComboRadionucl TextPeriodo"},
        {"FormEcCuadratica", "Textb Textc Calcular Borrar Información Texta"},
        {"FormEcuaciones", "Calcular Borrar Información TablaAtomos TablaEstequiometria TextEcuacion"},
        {"FormPresion", "TextHg TextBar TextPa TextDina TextKg Información TextAtm"},
        // The board by rows, the two rows of the series after it.
        {"FormPrincipal", "H He Li Be B C N O F Ne Na"},
        {"FormPuzle", "TTl Pb Bi Po At Rn Fr Ra Rf"},
        {"FormPuzle2", "LabelH LabelHe LabelLi"},
        {"FormPropiedades", "CeldaH CeldaHe CeldaLi"},
    };
    for (const Caso &c : casos) {
        VentanaAbierta v(QString::fromLatin1(c.ventana));
        v.ListaParaTab();
        if (QLatin1String(c.ventana) == u"FormPuzle")
            v.Buscar(QStringLiteral("Hg"))->setFocus();
        QStringList visitados = v.RecorrerConTab();
        const QStringList orden = QString::fromUtf8(c.orden).split(u' ');
        visitados = visitados.mid(0, orden.size());
        EXPECT_EQ(visitados, orden) << c.ventana;
    }
}

TEST(Accesibilidad, LasSeriesTrasLaTabla)
{
    for (const auto &[ventana, ultimaDelCuerpo, primera] :
         {std::tuple{"FormPrincipal", "Og", "La"}, std::tuple{"FormPuzle", "Og", "La"}}) {
        VentanaAbierta v(QString::fromLatin1(ventana));
        v.Buscar(QString::fromLatin1(ultimaDelCuerpo))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(v.Foco(), QString::fromLatin1(primera)) << ventana;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(v.Foco(), QString::fromLatin1(ultimaDelCuerpo)) << ventana;
    }
}

// The periodic table from the keyboard: Tab to a tile, Enter shows it in the
// panel, and the panel reads what it shows.
TEST(Accesibilidad, TablaConElTeclado)
{
    VentanaAbierta v(QStringLiteral("FormPrincipal"));
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "no tile shows a focus frame when the window opens";
    for (int n = 0; n < 26; ++n)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : v.ventana(), Qt::Key_Tab);
    ASSERT_EQ(v.Foco(), QStringLiteral("Fe"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(v.textos({"Label1", "Label2", "Label3", "Label4"}), QStringLiteral("Fe|Hierro|26|55,845"));
    QStringList nombres;
    for (const char *etiqueta : {"Label1", "Label2", "Label3", "Label4"})
        nombres << Nombre(v.Buscar(QString::fromLatin1(etiqueta)));
    EXPECT_EQ(nombres.join(u'|'),
              QStringLiteral("Símbolo: Fe|Elemento: Hierro|Número atómico: 26|Masa atómica: 55,845"));
    // Pressed and let go: the tile has its border back.
    EXPECT_EQ(qobject_cast<QLabel *>(v.Buscar(QStringLiteral("Fe")))->frameShape(), QFrame::Box);
}

// The results are read with what they show, after each calculation.
TEST(Accesibilidad, ResultadosLeidos)
{
    {
        VentanaAbierta v(QStringLiteral("FormCalculadoraMolar"));
        v.teclear(QStringLiteral("BoxFormulaEmp"), "C6H12O6");
        v.clic(QStringLiteral("cbCalcular"));
        EXPECT_EQ(Nombre(v.Buscar(QStringLiteral("LbMasaMolecular"))),
                  QStringLiteral("Masa molecular (g/mol): ") + v.texto(QStringLiteral("LbMasaMolecular")));
        // A shorter formula after it: no row keeps the name of the first one.
        v.clic(QStringLiteral("cbBorrar"));
        v.teclear(QStringLiteral("BoxFormulaEmp"), "NaCl");
        v.clic(QStringLiteral("cbCalcular"));
        for (int fila = 1; fila <= 3; ++fila) {
            const QString n = QString::number(fila);
            QString esperado = QStringLiteral("Porcentaje");
            if (!v.texto(QStringLiteral("Porcentaje") + n).isEmpty())
                esperado = QStringLiteral("Porcentaje de ") + v.texto(QStringLiteral("Atomo") + n) +
                           QStringLiteral(": ") + v.texto(QStringLiteral("Porcentaje") + n);
            EXPECT_EQ(Nombre(v.Buscar(QStringLiteral("Porcentaje") + n)), esperado) << fila;
        }
        EXPECT_EQ(Nombre(v.Buscar(QStringLiteral("Porcentaje1"))).left(17), QStringLiteral("Porcentaje de Cl:"));
    }
    {
        VentanaAbierta v(QStringLiteral("FormDecay"));
        v.teclear(QStringLiteral("TextPeriodo"), "8");
        ASSERT_FALSE(v.texto(QStringLiteral("LabelAct2")).isEmpty());
        EXPECT_EQ(Nombre(v.Buscar(QStringLiteral("LabelAct2"))), QStringLiteral("Actividad: ") +
                                                                     v.texto(QStringLiteral("LabelAct2")) + u' ' +
                                                                     v.texto(QStringLiteral("LabelUnidades")));
        EXPECT_EQ(Nombre(v.Buscar(QStringLiteral("LabelHoras"))), QStringLiteral("Intervalo de tiempo: 6 horas"));
    }
}

// The arrows of the decay window from the box they step.
TEST(Accesibilidad, FlechasDesdeSuCaja)
{
    VentanaAbierta v(QStringLiteral("FormDecay"));
    struct Caso {
        const char *caja;
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        const char *valor;
    };
    const Caso casos[] = {
        {"TextHora1", Qt::Key_Up, Qt::NoModifier, "13"},          {"TextHora1", Qt::Key_Down, Qt::NoModifier, "12"},
        {"TextMin2", Qt::Key_PageUp, Qt::NoModifier, "10"},       {"TextMin2", Qt::Key_Up, Qt::NoModifier, "11"},
        {"TextAct1", Qt::Key_Up, Qt::NoModifier, "11"},           {"TextAct1", Qt::Key_PageUp, Qt::NoModifier, "21"},
        {"TextAct1", Qt::Key_PageUp, Qt::ControlModifier, "121"},
    };
    for (const Caso &c : casos) {
        v.tecla(QString::fromLatin1(c.caja), c.tecla, c.modificadores);
        EXPECT_EQ(v.texto(QString::fromLatin1(c.caja)), QString::fromLatin1(c.valor)) << c.caja << " " << c.tecla;
    }
}

namespace {

template <Calculos::Tablero kTablero> struct Puzle : VentanaAbierta {
    Puzle()
        : VentanaAbierta(kTablero == Calculos::Tablero::Completo ? QStringLiteral("FormPuzle")
                                                                 : QStringLiteral("FormPuzle2"))
    {
    }
    // The label that takes the clicks for an element.
    QWidget *Celda(const QString &simbolo) const
    {
        const std::string s = simbolo.toStdString();
        return Buscar(QString::fromStdString(kTablero == Calculos::Tablero::Completo ? Calculos::NombreCelda(s)
                                                                                     : Calculos::NombreCubierta(s)));
    }
    QString Pedido() const { return texto(QStringLiteral("Label1")); }
    static QString Lectura(const QString &simbolo, Calculos::MuestraCelda muestra)
    {
        const Calculos::Elemento *e = Calculos::BuscarElemento(simbolo.toStdString());
        return QString::fromStdString(Calculos::LecturaCelda(kTablero, e->z, muestra));
    }
};

} // namespace

// The puzzle played from the keyboard: Enter on the cell asked for places
// it, Enter on another is a miss; each cell reads what it shows.
TEST(Accesibilidad, PuzleConElTeclado)
{
    Puzle<Calculos::Tablero::Completo> p;
    const QString pedido = p.Pedido();
    EXPECT_EQ(Nombre(p.Buscar(QStringLiteral("Label1"))), QStringLiteral("Elemento pedido: ") + pedido);

    const QString otro = pedido == u"He" ? QStringLiteral("Ne") : QStringLiteral("He");
    p.Celda(otro)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(p.mensajes.mensajes.size(), 1U);
    EXPECT_EQ(Nombre(p.Buscar(QStringLiteral("LabelFallos"))), QStringLiteral("Fallos: 1"));

    p.Celda(pedido)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(p.mensajes.mensajes.size(), 1U);
    EXPECT_NE(p.Pedido(), pedido);
    EXPECT_EQ(Nombre(p.Celda(pedido)), p.Lectura(pedido, Calculos::MuestraCelda::Elemento));
    EXPECT_EQ(QApplication::focusWidget(), p.Celda(pedido));

    // The atomic numbers shown are read too; the button that hides them
    // takes the focus from the one that showed them.
    p.Buscar(QStringLiteral("Command_Z"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(p.Foco(), QStringLiteral("Command_No_Z"));
    EXPECT_EQ(Nombre(p.Celda(otro)), p.Lectura(otro, Calculos::MuestraCelda::Numero));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(p.Foco(), QStringLiteral("Command_Z"));
    EXPECT_EQ(Nombre(p.Celda(pedido)), p.Lectura(pedido, Calculos::MuestraCelda::Nada));
}

// The reduced puzzle hides its symbols from a screen reader until they are
// uncovered; the focus goes on to the next cover.
TEST(Accesibilidad, PuzleReducidoNoDaLaRespuesta)
{
    Puzle<Calculos::Tablero::Reducido> p;
    const auto sinRespuesta = [&p] {
        for (int k = 1; k <= Calculos::kNumeroReducidos; ++k) {
            const Calculos::Elemento &e =
                Calculos::TablaElementos[static_cast<std::size_t>(Calculos::NumeroReducido(k) - 1)];
            QWidget *simbolo = p.Buscar(QString::fromStdString(Calculos::NombreCelda(e.simbolo)));
            const QString nombre = Nombre(simbolo);
            const QString elemento = QString::fromUtf8(e.nombre);
            if (!p.Celda(QString::fromUtf8(e.simbolo))->isHidden()) {
                EXPECT_TRUE(simbolo->isHidden() && !nombre.contains(elemento))
                    << e.simbolo << ": " << nombre.toStdString();
            }
        }
    };
    sinRespuesta();
    const QString pedido = p.Pedido();
    QWidget *cubierta = p.Celda(pedido);
    cubierta->setFocus();
    QTest::keyClick(cubierta, Qt::Key_Return);
    EXPECT_TRUE(cubierta->isHidden());
    QWidget *simbolo = p.Buscar(QString::fromStdString(Calculos::NombreCelda(pedido.toStdString())));
    EXPECT_TRUE(simbolo->isVisible());
    EXPECT_EQ(Nombre(simbolo), p.Lectura(pedido, Calculos::MuestraCelda::Elemento));
    EXPECT_TRUE(EsPulsable(QApplication::focusWidget())) << p.Foco().toStdString();
    sinRespuesta();
}
