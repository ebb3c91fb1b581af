// The host view's language slots: short forwards to the language catalog.
#include "device_flags.h"
#include "dialogs.h"
#include "language_catalog.h"
#include "myqquickview.h"

#include <cstdio>

QVariantMap myQQuickView::chkLanguages() {
    return LanguageCatalog().chkLanguages();
}

QStringList myQQuickView::getGlobalStrings(QString langCode) {
    const LanguageCatalog catalog;
    const QStringList strings = catalog.getGlobalStrings(langCode, &m_messages);
    const QString path = catalog.filePath(langCode);
    const QString problem = m_languageNotice.afterLoad(
        path.isEmpty() ? QStringLiteral("lang_%1.ini").arg(langCode) : path,
        DeviceFlags::languageCheck.load(std::memory_order_acquire));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "r8config: %s\n", qPrintable(problem));
        if (dialogs())
            dialogs()->warning(window()->windowTitle(), problem);
    }
    return strings;
}

QStringList myQQuickView::getProductLayoutStrings_R8(QString langCode) {
    return LanguageCatalog().getProductLayoutStrings_R8(langCode);
}
