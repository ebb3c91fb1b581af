#pragma once

#include <QStringList>

class HidBackend;

// Interfaces that `bus` lists for the device vid:pid but will not open. On Linux a hidraw
// node the user may not read and write: the device is there, the permission is missing,
// which start-up tells apart from a device that is not plugged in at all.
//
// Opens (and closes at once) every listed interface; call it only while no transfer runs.
QStringList unopenableInterfaces(HidBackend &bus, quint16 vid, quint16 pid);
