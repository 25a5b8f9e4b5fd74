#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// Installs the program's translation for a locale (tavrin_<lang>.qm from bin/translations beside
// the program, else the installed share/tavrin/translations) and Qt's own for the standard
// buttons. English is the source: a locale without a translation leaves every text as it is.
// True when the program's translation was found.
bool installTranslations(QCoreApplication &app, const QLocale &locale, const QString &programDirectory);
