#include "app_config.h"

#include "file_replace.h"

#include <QFile>
#include <QSettings>

AppConfig::AppConfig(const QString &path, const QString &factoryPath, QObject *parent)
    : QObject(parent), m_path(path), m_factoryPath(factoryPath),
      m_settings(new QSettings(path, QSettings::IniFormat, this)) {}

void AppConfig::save(const QVariantList &entries) {
    m_settings->setValue(QStringLiteral("common/total"), int(entries.size()));
    for (int i = 0; i < entries.size(); ++i)
        m_settings->setValue(QStringLiteral("common/%1").arg(i), entries.at(i));
}

QVariantList AppConfig::load() const {
    QVariantList entries;
    const auto total = [this] {
        return qMin(m_settings->value(QStringLiteral("common/total"), 0).toInt(), kMaxEntries);
    };
    for (int i = 0; i < total(); ++i)
        entries.append(m_settings->value(QStringLiteral("common/%1").arg(i), 0));
    return entries;
}

QVariantList AppConfig::loadDevice() const {
    return {m_settings->value(QStringLiteral("R8/colorMaxStage"), kDefaultColorMaxStage).toInt()};
}

void AppConfig::reset() {
    // Flush pending writes to the old file first: left pending, the old object would merge
    // them into the fresh copy when the event loop finally deletes it.
    const QString fileName = m_settings->fileName();
    m_settings->sync();
    m_settings->setParent(nullptr);
    m_settings->deleteLater();
    // One rename: a failed copy (no factory file, a full disk) leaves the config as it was
    // rather than deleted. The config keeps its own permissions, so a read-only factory file
    // does not make it read-only.
    if (!replaceWithCopy(m_factoryPath, fileName) && !QFile::exists(m_factoryPath))
        QFile::remove(fileName);
    m_settings = new QSettings(m_path, QSettings::IniFormat, this);
}
