#include "platform/Idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstalarIdioma()
{
    const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(espanol);
    auto *traductor = new QTranslator(QCoreApplication::instance());
    // Without the translation installed, Qt's texts stay in English.
    if (traductor->load(espanol, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traductor);
    else
        delete traductor;
}
