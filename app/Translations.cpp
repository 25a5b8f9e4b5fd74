#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

bool installTranslations(QCoreApplication &app, const QLocale &locale, const QString &programDirectory)
{
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;

    const QDir dir(programDirectory);
    const QStringList places = {dir.filePath(QStringLiteral("translations")),
                                dir.filePath(QStringLiteral("../share/tavrin/translations"))};
    for (const QString &place : places) {
        auto *own = new QTranslator(&app);
        if (own->load(locale, QStringLiteral("tavrin"), QStringLiteral("_"), place)) {
            QCoreApplication::installTranslator(own);
            return true;
        }
        delete own;
    }
    return false;
}
