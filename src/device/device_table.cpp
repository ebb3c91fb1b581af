#include "device_table.h"

#include <QSettings>

namespace {

quint16 hex16(QSettings &table, const char *key) {
    return quint16(table.value(QLatin1String(key)).toString().toUInt(nullptr, 16));
}

} // namespace

QList<DeviceInfo> readDeviceTable(QSettings &table, const QStringList &names) {
    QList<DeviceInfo> records;
    const int total =
        qBound(0, table.value(QStringLiteral("common/total"), 0).toInt(), kMaxDeviceRecords);
    for (int i = 0; i < total; ++i) {
        table.beginGroup(QString::number(i));
        DeviceInfo info;
        bool ok = false;
        const QVariant type = table.value(QStringLiteral("type"));
        info.type = type.isValid() ? qint32(type.toString().toInt(&ok, 16)) : -1;
        info.vid = hex16(table, "vid");
        info.pid = hex16(table, "pid");
        info.usagePage = hex16(table, "usagePage");
        info.usage = hex16(table, "usage");
        info.usagePage2 = hex16(table, "usagePage2");
        info.usage2 = hex16(table, "usage2");
        const quint32 length = table.value(QStringLiteral("reportLength")).toString().toUInt();
        info.reportLength = length <= kMaxReportLength ? length : 0;
        info.name = names.value(i);
        table.endGroup();
        records.append(info);
    }
    return records;
}

bool deviceTableEncrypts(QSettings &table) {
    return table.value(QStringLiteral("common/isEncode"), false).toBool();
}
