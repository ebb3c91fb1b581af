// The host view's language slots: short forwards to the language catalog.
#include "language_catalog.h"
#include "myqquickview.h"

QVariantMap myQQuickView::chkLanguages() {
    return LanguageCatalog().chkLanguages();
}

QStringList myQQuickView::getGlobalStrings(QString langCode) {
    return LanguageCatalog().getGlobalStrings(langCode, &m_messages);
}

QStringList myQQuickView::getProductLayoutStrings_R8(QString langCode) {
    return LanguageCatalog().getProductLayoutStrings_R8(langCode);
}
