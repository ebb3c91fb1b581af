#pragma once

#include "command_table.h"
#include "device_table.h"
#include "hid_backend.h"

#include <QFuture>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <memory>

class DeviceOwner;
class QSettings;

// Device access: the device list, the transport with its cipher, the command layer with
// both command sets, the handshake and the device watch.
//
// Threads: everything runs on the GUI thread except the write task of each set command
// and the device watch, both on the global thread pool. Transfers are serialised by the
// idle flag; the device list is shared with those tasks (entries are shared pointers, the
// list and the paths are guarded by a mutex), so a device check may replace it at any time.
class Hid_Thread : public QObject {
    Q_OBJECT
public:
    static constexpr int kDataBufferSize = 512;
    static constexpr int kFrameReportSize = 9;
    static constexpr int kIdleTries = 255;
    static constexpr int kPauseMs = 8;
    static constexpr int kAckPauseMs = 64;
    static constexpr int kWatchReadMs = 500;
    // The watch's read is made of slices this long, so that stopping it waits at most one.
    static constexpr int kWatchSliceMs = 50;
    // A data-phase input report that does not come within this time fails the read; the
    // layer would otherwise stay busy for good.
    static constexpr int kDataReadTimeoutMs = 1000;

    // `backend` is not owned and must outlive this object; null means no bus at all.
    explicit Hid_Thread(HidBackend *backend = nullptr, QObject *parent = nullptr);
    ~Hid_Thread() override;

    void setBackend(HidBackend *backend) { m_backend = backend; }
    HidBackend *backend() const { return m_backend; }
    void setOwnerWindow(DeviceOwner *owner) { m_owner = owner; }
    DeviceOwner *ownerWindow() const { return m_owner; }
    // The application config: secrecy codes (common/sCode<i>). Not owned.
    void setAppConfig(QSettings *apConfig) { m_appConfig = apConfig; }

    // The device the commands address; others read it as the device type (0 keyboard, 1 mouse).
    int currentDeviceIndex() const { return m_currentIndex.load(std::memory_order_acquire); }

    // ---- device list
    void updateDeviceList(const QList<DeviceInfo> &records);
    QList<DeviceEntry> deviceList() const; // a copy

    // ---- transport. Both set the idle flag on every exit.
    bool sendFrame(int dataLength, bool waitAck);
    bool queryFrame(int dataLength);
    HidDevice *openPrimary(int index);
    HidDevice *openSecondary(int index);

    // ---- command layer
    bool waitIdle();
    // The acknowledgement pause: 64 ms, and 64 more unless the device acknowledged. The
    // device can acknowledge before the write call returns, so the flag is armed with
    // armAck() before the write whose acknowledgement the pause waits for, never after it.
    void armAck();
    void waitAck();
    // Pauses that saw no acknowledgement and ran their full 128 ms, since construction.
    int fullAckPauses() const { return m_fullAckPauses.load(std::memory_order_relaxed); }
    bool isIdle() const { return m_idle.load(std::memory_order_acquire); }
    bool ackFlag() const { return m_ack.load(std::memory_order_acquire); }
    // Blocks until no write task of this object is running any more.
    void waitForTransfers() const;

    // ---- supervision
    void startWatch(int index);
    void stopWatch();
    bool isWatchRunning() const { return m_watchRunning.load(std::memory_order_acquire); }
    bool watchFinished() const { return m_watchFuture.isFinished(); }

    uchar requestReport[kFrameReportSize] = {};
    uchar replyReport[kFrameReportSize] = {};
    uchar dataBuffer[kDataBufferSize] = {};

public slots:
    void swichCurDevice(uint did);
    void chkDeviceIsEnCode();

    // ---- mouse commands (and the shared 00H, 01H, 81H)
    void hid_01H_SetReportRate(uchar rate);
    void hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2);
    void hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3);
    void hid_0BH_SetCurrentDPIStage(uchar dpiStage);
    void hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);
    void hid_10H_SetLED8StageColor(uchar type, uchar *src24);
    void hid_11H_SetDPISet(uchar dpiStage, uchar *src8);
    void hid_12H_SetKeyMatrix(uchar *src64);
    void hid_13H_SetMacroKey(uchar macroId, uchar *src128);

    void hid_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid_81H_GetReportRate(uchar &rate);
    void hid_83H_GetFunctionOption(uchar &type, uchar &option1, uchar &option2);
    bool hid_87H_GetLEDInstructFunction(uchar type, uchar &option1, uchar &option2, uchar &option3);
    void hid_8BH_GetCurrentDPIStage(uchar &dpiStage);
    void hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2);
    void hid_90H_GetLED8StageColor(uchar type, uchar *src24);
    bool hid_91H_GetDPISet(uchar &dpiMAXStage, uchar *src8);
    void hid_92H_GetKeyMatrix(uchar *src64);
    void hid_93H_GetMacroKey(uchar macroId, uchar *src128);

    // ---- keyboard commands
    void hid_02H_SetCurrentProfile(uchar profile);
    void hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);
    void hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                            uchar direction);
    void hid_09H_SetKeyboardMode(uchar mode);
    void hid_0DH_SetKeyMatrix(uchar *src512);
    void hid_0EH_SetKeyOnOff(uchar *src21);
    void hid_11H_SetMacroKey(uchar macroId, uchar *src192);
    void hid_12H_SetUserPicture(uchar index, uchar option, uchar *src512);
    void hid_13H_SetRecoveryData();
    void hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);

    void hid_80H_GetFWVersion(QString &version);
    void hid_82H_GetCurrentProfile(uchar &profile);
    void hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid_84H_GetButtonSensitivity(uchar &sens1, uchar &sens2, uchar &sens3, uchar &sens4);
    void hid_88H_GetLEDType(uchar &effect, uchar &speed, uchar &light, uchar &color,
                            uchar &direction);
    void hid_89H_GetKeyboardMode(uchar &mode);
    void hid_8DH_GetKeyMatrix(uchar *src512);
    void hid_8EH_GetKeyOnOff(uchar *src21);
    void hid_91H_GetMacroKey(uchar macroId, uchar *src192);
    void hid_92H_GetUserPicture(uchar index, uchar *src512);
    void hid_94H_GetColor(uchar index, uchar &rValue, uchar &gValue, uchar &bValue);

private:
    enum class ReadOutcome { Busy, Failed, Done };

    // The two command patterns. `n` is the data length when the row leaves it to the slot.
    void runSet(const SetCommand &row, std::initializer_list<uchar> args,
                const uchar *block = nullptr, int n = kLengthFromSlot);
    ReadOutcome runRead(const ReadCommand &row, std::initializer_list<uchar> args,
                        std::initializer_list<uchar *> outs, uchar *block = nullptr,
                        int n = kLengthFromSlot);

    std::shared_ptr<DeviceEntry> entryAt(int index) const;
    QString pathOf(const DeviceEntry &entry, bool primary) const;
    void clearPath(DeviceEntry &entry, bool primary);
    HidDevice *openInterface(int index, bool primary);
    bool transferAllowed() const;
    // Checks the refusals, opens the primary interface, enciphers and sends the request
    // frame. Returns the open primary interface, or null (nothing left open) on failure.
    HidDevice *sendRequest(int index);
    // Payload bytes per data report of the entry at `index`; 0 when no data phase can run.
    int dataReportLength(int index, int dataLength) const;
    void runSendTask(int dataLength, bool waitAck);
    // Gives the idle flag back and wakes a waitIdle at once.
    void releaseIdle();
    void deviceWatch(int index);
    void keepWatching(int index);
    void refuseUnknownDevice();

    HidBackend *m_backend = nullptr;
    DeviceOwner *m_owner = nullptr;
    QSettings *m_appConfig = nullptr;

    mutable QMutex m_listMutex; // the list and every entry's paths
    QList<std::shared_ptr<DeviceEntry>> m_devices;
    std::atomic<int> m_currentIndex{1};

    std::unique_ptr<HidDevice> m_primary;
    std::unique_ptr<HidDevice> m_secondary;

    std::atomic<bool> m_idle{true};
    QMutex m_idleMutex;
    QWaitCondition m_idleReleased;
    std::atomic<bool> m_watchRunning{false};
    std::atomic<bool> m_ack{true};
    std::atomic<int> m_sendTasks{0};
    std::atomic<int> m_fullAckPauses{0};
    QFuture<void> m_watchFuture;
};
