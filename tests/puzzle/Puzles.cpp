#include "tests/puzzle/Puzles.h"

#include "platform/Ajustes.h"
#include "platform/Azar.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>

namespace {

QStringList Claves(Calculos::Tablero tablero)
{
    const Calculos::SeccionesMarca s = Calculos::SeccionesDe(tablero);
    QStringList claves;
    for (const std::string_view seccion : {s.nombre, s.minutos, s.segundos, s.fallos})
        claves << QString::fromStdString(Calculos::ClaveAjustes(seccion));
    return claves;
}

} // namespace

EntornoPuzle::EntornoPuzle()
{
    Sembrar(2024);
    m_carpetaAnterior = InstalarCarpetaAjustes(carpeta.path());
    QCoreApplication::instance()->installEventFilter(this);
}

EntornoPuzle::~EntornoPuzle()
{
    InstalarCarpetaAjustes(m_carpetaAnterior);
    InstalarManejadorSemilla({});
}

void EntornoPuzle::Sembrar(std::uint32_t semilla)
{
    InstalarManejadorSemilla([semilla] { return semilla; });
}

QString EntornoPuzle::Archivo()
{
    return ArchivoAjustes();
}

QString EntornoPuzle::Marca(Calculos::Tablero tablero)
{
    QStringList valores;
    for (const QString &clave : Claves(tablero))
        valores << LeerAjuste(clave);
    return valores.join(u'|');
}

void EntornoPuzle::GuardarMarca(Calculos::Tablero tablero, const QStringList &marca)
{
    const QStringList claves = Claves(tablero);
    for (qsizetype i = 0; i < claves.size(); ++i) {
        if (marca.isEmpty())
            BorrarSeccionAjustes(claves[i].section(u'/', 0, 0));
        else
            GuardarAjuste(claves[i], marca.value(i));
    }
}

bool EntornoPuzle::eventFilter(QObject *objeto, QEvent *evento)
{
    auto *fin = qobject_cast<QDialog *>(objeto);
    if (evento->type() == QEvent::Show && fin != nullptr && fin->objectName() == QStringLiteral("FormFinTabla")) {
        ++finales;
        if (alTerminar)
            alTerminar();
        // Closed from its own loop, once it is really up.
        QMetaObject::invokeMethod(fin, &QDialog::reject, Qt::QueuedConnection);
    }
    return false;
}
