#pragma once

#include <QString>

// English display names of Qt 4.8's QLocale::Language and QLocale::Country numbers, as
// Qt 4's languageToString / countryToString gave them: 0 is "Default", a number Qt 4 did
// not know "Unknown".
QString qt4LanguageName(int number);
QString qt4CountryName(int number);
