#include "platform/Archivos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ArchivoDelPrograma(const QString &nombre)
{
    const QDir programa(QCoreApplication::applicationDirPath());
    const QString junto = programa.filePath(nombre);
    if (QFileInfo::exists(junto))
        return junto;
    const QString instalado =
        QDir::cleanPath(programa.filePath(QString::fromUtf8(ORVELLA_DATOS_RELATIVOS) + u'/' + nombre));
    return QFileInfo::exists(instalado) ? instalado : junto;
}
