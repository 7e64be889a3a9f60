#include "widgets/GrupoCajas.h"

#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/FiltroTeclas.h"
#include "widgets/TextosNumericos.h"

#include <QLabel>
#include <QLineEdit>

GrupoCajas::GrupoCajas(QWidget *ventana, std::span<const CajaConversion> cajas, const Calculos::Conversor &conversor)
    : QObject(ventana), m_definicion(cajas.begin(), cajas.end()), m_conversor(conversor)
{
    for (const CajaConversion &c : m_definicion) {
        auto *caja = Crear<QLineEdit>(ventana, QString::fromUtf8(c.nombre), {c.x, c.y, kAncho, kAlto});
        caja->setFont(Letra());
        Nombrar(caja, QString::fromUtf8(c.lectura));
        InstalarFiltro(caja, c.filtro);
        const int i = static_cast<int>(m_cajas.size());
        // Converted once the box has told everyone else of its change (a
        // window may watch a box, and correct it, before it is converted).
        connect(caja, &QLineEdit::textEdited, this, [this, caja, i] {
            connect(
                caja, &QLineEdit::textChanged, this, [this, i] { Caja_Change(i); }, Qt::SingleShotConnection);
        });
        m_cajas.push_back(caja);
    }
}

QLineEdit *GrupoCajas::Caja(int i) const
{
    return m_cajas[static_cast<std::size_t>(i)];
}

QFont GrupoCajas::Letra()
{
    return Fuente(QStringLiteral("Arial"), 12);
}

void GrupoCajas::Caja_Change(int i)
{
    const int grupo = m_definicion[static_cast<std::size_t>(i)].grupo;
    for (std::size_t otra = 0; otra < m_cajas.size(); ++otra) {
        if (static_cast<int>(otra) != i && m_definicion[otra].grupo == grupo)
            m_cajas[otra]->clear();
    }
    Convertir(i);
}

void GrupoCajas::Convertir(int origen)
{
    if (!LeerNumero(Caja(origen)))
        return;
    // Each write may change what a later one reads (a rounded box, a value
    // snapped by a watcher), so every value is read right before its write.
    for (const Calculos::PasoConversion &paso : m_conversor.plan(origen)) {
        const auto x = LeerNumero(Caja(paso.fuente));
        if (!x) {
            Caja(paso.destino)->clear();
            continue;
        }
        EscribirNumero(Caja(paso.destino), m_conversor.valor(paso.fuente, paso.destino, *x));
    }
}

QLabel *EtiquetaDeCaja(QWidget *padre, const char *nombre, const QString &texto, int x, int y)
{
    auto *etiqueta = CrearEtiqueta(padre, QString::fromUtf8(nombre), texto, {x, y, 0, GrupoCajas::kAlto});
    etiqueta->setFont(GrupoCajas::Letra());
    etiqueta->adjustSize();
    etiqueta->setFixedHeight(GrupoCajas::kAlto);
    return etiqueta;
}
