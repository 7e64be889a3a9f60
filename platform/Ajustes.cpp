#include "platform/Ajustes.h"

#include "core/aplicacion.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <utility>

namespace {

QString &Carpeta()
{
    static QString carpeta;
    return carpeta;
}

// Opened by file name, so that a chosen folder and the user's own take the
// same path through the code. The file is plain INI: a damaged line is
// skipped on reading and the rest is kept when the file is written back.
std::unique_ptr<QSettings> Almacen()
{
    return std::make_unique<QSettings>(ArchivoAjustes(), QSettings::IniFormat);
}

} // namespace

QString ArchivoAjustes()
{
    const QString nombre = QString::fromUtf8(kTituloAplicacion);
    if (Carpeta().isEmpty())
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, nombre, nombre).fileName();
    return QDir(Carpeta()).filePath(nombre + u'/' + nombre + QStringLiteral(".conf"));
}

QString LeerAjuste(const QString &clave)
{
    const QVariant valor = Almacen()->value(clave);
    // A value edited by hand with commas in it and no quotes reads as a list.
    if (valor.typeId() == QMetaType::QStringList)
        return valor.toStringList().join(QStringLiteral(", "));
    return valor.toString();
}

void GuardarAjuste(const QString &clave, const QString &valor)
{
    Almacen()->setValue(clave, valor);
}

void BorrarSeccionAjustes(const QString &seccion)
{
    Almacen()->remove(seccion);
}

QString InstalarCarpetaAjustes(const QString &carpeta)
{
    return std::exchange(Carpeta(), carpeta);
}
