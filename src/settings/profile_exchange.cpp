#include "profile_exchange.h"

#include "dialogs.h"
#include "profile_store.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("myQQuickView", text);
}

QString desktop() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

void ProfileExchange::saveProfile(int profile) {
    if (!ProfileStore::isValidIndex(profile) || !m_dialogs)
        return;
    const QString target = m_dialogs->saveFile(tr("Save File"), desktop(), tr("Profile(*.pf)"));
    if (target.isEmpty())
        return;
    m_store.exportToFile(profile, target);
}

void ProfileExchange::loadProfile(int profile) {
    if (!ProfileStore::isValidIndex(profile) || !m_dialogs)
        return;
    const QString source = m_dialogs->openFile(tr("Open File"), desktop(), tr("Profile(*.pf)"));
    if (source.isEmpty())
        return;
    m_store.replaceFromFile(profile, source);
}

void ProfileExchange::resetProfile(int profile) {
    m_store.replaceFromFile(profile, m_store.defaultFileName());
}
