#pragma once

#include <QList>
#include <QString>
#include <memory>

// The HID bus as the device layer sees it. One production implementation (hidapi) and one
// emulated bus for tests and for running without hardware.
//
// Report buffers always start with the report ID; these devices use ID 0, so a 32-byte
// report travels as 33 bytes: 0x00 followed by the 32 payload bytes.

// One open interface. Destroying it closes it. Not thread-safe: one user at a time.
class HidDevice {
public:
    virtual ~HidDevice() = default;
    // Sends `length` bytes (report ID first) as a feature report. Returns the bytes sent or -1.
    virtual int sendFeatureReport(const unsigned char *data, size_t length) = 0;
    // Reads a feature report into `data`; data[0] names the report ID on entry. Returns the
    // bytes read (report ID included) or -1.
    virtual int getFeatureReport(unsigned char *data, size_t length) = 0;
    // Writes `length` bytes (report ID first) as an output report. Returns the bytes written or -1.
    virtual int write(const unsigned char *data, size_t length) = 0;
    // Reads one input report of at most `length` bytes. Waits at most `timeoutMs`
    // (-1: forever). Returns the bytes read, 0 on time-out, -1 on error. Input reports carry
    // no report-ID byte when the device uses ID 0.
    virtual int readTimeout(unsigned char *data, size_t length, int timeoutMs) = 0;
};

struct HidInterfaceInfo {
    QString path;
    unsigned short usagePage = 0;
    unsigned short usage = 0;
};

// The bus. Implementations must allow open() and the HidDevice calls from any thread.
class HidBackend {
public:
    virtual ~HidBackend() = default;
    // Every interface of the devices with this vendor and product ID, in bus order.
    virtual QList<HidInterfaceInfo> enumerate(unsigned short vid, unsigned short pid) = 0;
    // Opens an interface by the path enumerate() gave; null when it cannot be opened.
    virtual std::unique_ptr<HidDevice> open(const QString &path) = 0;
};
