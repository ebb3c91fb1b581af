#include "profile_apply.h"

#include "dpi_table.h"
#include "fixed_colors.h"
#include "hid_thread.h"
#include "key_assignment.h"
#include "lighting_table.h"
#include "mouse_settings.h"
#include "stored_profile.h"

template <typename Send> ProfileApply::Step ProfileApply::step(const QString &setting, Send send) {
    const quint64 serial = m_hid ? m_hid->nextTransferSerial() : 0;
    send();
    if (!m_hid)
        return {setting, true};
    m_hid->waitForTransfers();
    bool reached = true;
    for (const Hid_Thread::TransferResult &r : m_hid->transferResultsSince(serial))
        reached = reached && r.outcome == Hid_Thread::TransferOutcome::Done;
    return {setting, reached};
}

QList<ProfileApply::Step> ProfileApply::run() {
    QList<Step> steps;
    steps.append(step(QStringLiteral("rate"), [&] {
        m_mouse.setReportRate(StoredProfile::reportRateCode(m_mouse.reportRate().toInt()));
    }));

    steps.append(step(QStringLiteral("dpi"), [&] {
        const int sensorType = m_mouse.sensorType();
        const int stages = m_mouse.syncDpi();
        QVariantList codes, list;
        for (int v : StoredProfile::dpiValues(m_mouse)) {
            codes.append(int(DpiTable::codeFor(sensorType, v)));
            list.append(v);
        }
        m_mouse.setDpiSet(uchar(stages), codes, list);
        m_mouse.setCurrentDpiStage(
            uchar(StoredProfile::dpiStage(m_mouse.currentDpiStage().toInt())));
    }));

    // The logo LED decides which stage colours the mouse shows: fixed ids or RGB. A profile
    // without the matching list sends none, but a failed question still counts.
    bool coloursSent = false;
    const Step colours = step(QStringLiteral("dpiColors"), [&] {
        const bool fixedColours = m_mouse.isLogoLedWorking();
        const QVariantList ids = m_mouse.stageColors(2);
        const QVariantList rgb = m_mouse.stageColors(1);
        if (fixedColours && ids.size() == DpiTable::kStages) {
            QVariantList stored;
            for (const QVariant &id : ids)
                stored.append(FixedColors::storedId(id.toInt()));
            m_mouse.setStageColors(2, stored);
            coloursSent = true;
        } else if (!fixedColours && rgb.size() == 3 * DpiTable::kStages) {
            m_mouse.setStageColors(1, rgb);
            coloursSent = true;
        }
    });
    if (coloursSent || !colours.reached)
        steps.append(colours);
    if (const QVariantList palette = m_mouse.stageColors(0); palette.size() == 24)
        steps.append(step(QStringLiteral("palette"), [&] { m_mouse.setStageColors(0, palette); }));

    const QVariantList configs = m_mouse.ledEffect();
    if (StoredProfile::Lighting l; StoredProfile::lighting(configs, &l)) {
        steps.append(step(QStringLiteral("light"), [&] {
            const LightingTable::Bytes sent =
                LightingTable::commandBytes(l.on, l.position, l.brightness, l.speed);
            m_mouse.setLedEffect(sent.effect, sent.brightness, sent.speed, configs);
        }));
    }

    steps.append(step(QStringLiteral("buttons"), [&] {
        m_keys.setScrollPinSwap(m_keys.scrollPinSwap());
        QVariantList flat;
        for (const auto &record : StoredProfile::keyMatrix(m_keys, m_store))
            for (unsigned char b : record)
                flat.append(int(b));
        m_keys.setMouseKeyMatrix(flat);
    }));
    return steps;
}
