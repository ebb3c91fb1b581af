#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

// One record of the device table as read.
struct DeviceInfo {
    qint32 type = -1; // 0 keyboard, 1 mouse
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0; // primary interface
    quint16 usage = 0;
    quint16 usagePage2 = 0; // secondary interface
    quint16 usage2 = 0;
    QString name;
    quint32 reportLength = 0; // payload bytes per data-phase report
};

// One element of the device list: the record plus the paths found on the bus.
struct DeviceEntry {
    qint32 index = 0;
    QString name;
    qint32 type = -1;
    QString primaryPath;
    QString secondaryPath;
    quint32 reportLength = 0;
};

// Reads every record of the table (group "common": total; groups "0".."total-1"). Numbers
// are text in their stated base; what does not parse is 0 (type: -1 when missing). Record
// i is named names[i], or empty when the list is shorter.
//
// A damaged table cannot make the reader loop or allocate without end: no more than
// kMaxDeviceRecords records are read, and a report length above kMaxReportLength reads as 0
// (a device nothing can be transferred with) rather than sizing a buffer after it.
constexpr int kMaxDeviceRecords = 64;
constexpr quint32 kMaxReportLength = 1024; // a high-speed HID report at most
QList<DeviceInfo> readDeviceTable(QSettings &table, const QStringList &names);

// The table's encryption switch (common/isEncode, false when missing).
bool deviceTableEncrypts(QSettings &table);
