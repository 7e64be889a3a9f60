#pragma once

#include "puzzle/FormPuzle.h"
#include "puzzle/FormPuzle2.h"
#include "puzzle/marcas.h"
#include "tests/support/RegistroSonidos.h"
#include "tests/support/Ventana.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <type_traits>

// Deals every game from a fixed seed, keeps the records in a folder of the
// test's own, records the sounds and closes each completion window as soon
// as it shows.
class EntornoPuzle : public QObject {
public:
    EntornoPuzle();
    ~EntornoPuzle() override;

    static void Sembrar(std::uint32_t semilla);
    static QString Archivo();
    // A puzzle's record in the store, "name|minutes|seconds|misses"; saving
    // an empty one erases it.
    static QString Marca(Calculos::Tablero tablero);
    static void GuardarMarca(Calculos::Tablero tablero, const QStringList &marca);

    QTemporaryDir carpeta;
    RegistroSonidos sonidos;
    int finales = 0;                  // completion windows shown
    std::function<void()> alTerminar; // runs as one shows

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QString m_carpetaAnterior;
};

// An open puzzle window, played through its controls.
template <class V> struct PuzleAbierto : Abierta<V> {
    static constexpr bool kReducido = std::is_same_v<V, FormPuzle2>;
    static constexpr Calculos::Tablero kTablero = kReducido ? Calculos::Tablero::Reducido : Calculos::Tablero::Completo;
    static constexpr const char *kPalabraFallos = kReducido ? "Label18" : "Label4";
    static constexpr const char *kNombreMarca = kReducido ? "TextNombrePuzleRedu" : "TextNombrePuzleFull";

    // The label that takes the clicks on an element's cell.
    static QString Celda(const QString &simbolo)
    {
        const std::string s = simbolo.toStdString();
        return QString::fromStdString(kReducido ? Calculos::NombreCubierta(s) : Calculos::NombreCelda(s));
    }
    QString Pedido() const { return this->texto(QStringLiteral("Label1")); }
    QTimer *Reloj() const { return this->template control<QTimer>(QStringLiteral("Timer1")); }

    // a: the start button; c: the cell asked for; f: a miss, on a cell
    // neither asked for nor filled.
    void Jugar(const char *jugadas)
    {
        for (const char *j = jugadas; *j != '\0'; ++j) {
            if (*j == 'a')
                this->clic(QStringLiteral("CommandStart"));
            else if (*j == 'c')
                this->clic(Celda(Pedido()));
            else
                Fallar();
        }
    }
    void Fallar()
    {
        for (const char *s : {"H", "He", "Li"}) {
            QLabel *celda = this->template control<QLabel>(Celda(QString::fromLatin1(s)));
            if (QString::fromLatin1(s) != Pedido() && !celda->isHidden() && celda->text().isEmpty())
                return this->clic(celda->objectName());
        }
        ADD_FAILURE() << "no cell to miss on";
    }
    void Tics(int n)
    {
        for (QTimer *reloj = Reloj(); n > 0; --n)
            Disparar(reloj);
    }
    // Places every element left and gives the symbols asked for.
    QStringList Terminar()
    {
        QStringList pedidos;
        QWidget *marco = this->template control<QWidget>(QStringLiteral("FrameMejorMarca"));
        for (int i = 0; i < Calculos::ElementosDe(kTablero) && marco->isHidden(); ++i) {
            pedidos << Pedido();
            Jugar("c");
            // The completion window is closed, and the record shown, from
            // the event loop; timers stay out of it.
            QCoreApplication::sendPostedEvents();
        }
        return pedidos;
    }
    // A whole game of `segundos` on the stopwatch; 0: without it.
    void Partida(int segundos)
    {
        Jugar(segundos > 0 ? "a" : "");
        Tics(segundos);
        Terminar();
    }

    QString Marca() const { return this->textos({kNombreMarca, "MarcaMin", "MarcaSg", "MarcaFallos"}); }
    QStringList Lista() const
    {
        QStringList lineas;
        const QListWidget *lista = this->template control<QListWidget>(QStringLiteral("List1"));
        for (int i = 0; i < lista->count(); ++i)
            lineas << lista->item(i)->text();
        return lineas;
    }
};
