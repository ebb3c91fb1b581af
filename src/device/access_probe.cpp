#include "access_probe.h"

#include "hid_backend.h"

QStringList unopenableInterfaces(HidBackend &bus, quint16 vid, quint16 pid) {
    QStringList refused;
    const QList<HidInterfaceInfo> interfaces = bus.enumerate(vid, pid);
    for (const HidInterfaceInfo &info : interfaces) {
        if (!bus.open(info.path) && !refused.contains(info.path))
            refused.append(info.path);
    }
    return refused;
}
