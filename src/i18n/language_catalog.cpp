#include "language_catalog.h"

#include "device_flags.h"
#include "language_file.h"
#include "qt4_locale_names.h"

#include <QDir>

namespace {
constexpr int kChinaCountry = 44;
constexpr int kTaiwanCountry = 208;

// Codes come from file names and from QML. Only plain digits and letters name a file in the
// folder; anything else (a separator, "..") would reach outside it, so it names no file.
bool isSafeCode(const QString &code) {
    for (QChar c : code)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('-'))
            return false;
    return true;
}
} // namespace

LanguageCatalog::LanguageCatalog(QString folder) : m_folder(std::move(folder)) {}

QString LanguageCatalog::filePath(const QString &langCode) const {
    if (!isSafeCode(langCode))
        return QString();
    return m_folder + QStringLiteral("/lang_") + langCode + QStringLiteral(".ini");
}

QString LanguageCatalog::displayName(const QString &langCode) {
    // Non-digits read as 0, as the numbers of a malformed name would.
    const int language = langCode.left(3).toInt();
    const int country = langCode.mid(3, 3).toInt();
    QString name = qt4LanguageName(language).toUpper();
    if (country == kChinaCountry)
        name += QStringLiteral(" (Simp)");
    else if (country == kTaiwanCountry)
        name += QStringLiteral(" (Trad)");
    else if (country != 0)
        name += QStringLiteral(" (") + qt4CountryName(country).toUpper() + QLatin1Char(')');
    return name;
}

QVariantMap LanguageCatalog::chkLanguages() const {
    // Name filters ignore case unless told otherwise, and "Lang_031000.ini" is not the file
    // that loading the code opens.
    const QStringList files =
        QDir(m_folder).entryList({QStringLiteral("lang_*.ini")}, QDir::Files | QDir::CaseSensitive,
                                 QDir::Name | QDir::IgnoreCase);
    QVariantMap languages;
    for (const QString &file : files) {
        const QString code = file.mid(5, 6);
        languages.insert(displayName(code), code);
    }
    return languages;
}

QStringList LanguageCatalog::getGlobalStrings(const QString &langCode,
                                              QStringList *messages) const {
    const QString path = filePath(langCode);
    const LanguageFile file = path.isEmpty() ? LanguageFile() : LanguageFile::read(path);
    if (messages) {
        *messages = file.messages;
        while (messages->size() < LanguageFile::kMessageCount)
            messages->append(QString());
    }
    DeviceFlags::languageCheck.store(file.passesCheck(), std::memory_order_release);
    return QStringList{file.fontFamily} + file.strings;
}

QStringList LanguageCatalog::getProductLayoutStrings_R8(const QString &langCode) const {
    const QString path = filePath(langCode);
    QStringList layout = path.isEmpty() ? QStringList() : LanguageFile::read(path).layoutStrings;
    while (layout.size() < LanguageFile::kLayoutCount)
        layout.append(QString());
    return layout;
}
