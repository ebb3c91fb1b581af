// Profile and config values as the pages and r8ctl read them: a profile file, the
// application config and r8ctl's remembered profile, each part of the input one file.
#include "app_config.h"
#include "fuzz_support.h"
#include "key_assignment.h"
#include "mouse_settings.h"
#include "profile_store.h"
#include "r8ctl_app.h"

#include <QTextStream>

#include <cstdlib>

namespace {

void runCli(const QString &folder, const QStringList &words) {
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    (void)runR8ctl(QStringList{QStringLiteral("r8ctl")} + words, folder, out, err);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureApp();
    const QList<QByteArray> files = fuzz::parts(fuzz::bytes(data, size), "\n%%\n", 3);
    const QString folder = fuzz::scratch() + QStringLiteral("/values");
    const QString setting = folder + QStringLiteral("/modules/setting");
    fuzz::writeFile(setting + QStringLiteral("/p1.bin"), files[0]);
    fuzz::writeFile(setting + QStringLiteral("/pD.bin"), files[0]);
    fuzz::writeFile(setting + QStringLiteral("/apConfig.bin"), files[1]);
    fuzz::writeFile(setting + QStringLiteral("/r8ctl.ini"), files[2]);

    {
        ProfileStore store(setting);
        MouseSettings mouse(store, nullptr);
        KeyAssignment keys(store);
        (void)mouse.currentDpiStage();
        (void)mouse.dpiSet();
        for (unsigned char type = 0; type < 3; ++type)
            (void)mouse.stageColors(type);
        (void)mouse.ledEffect();
        for (int id = 0; id < 17; ++id)
            (void)keys.keyDefine(id);
        (void)keys.scrollPinSwap();
        for (int page = 0; page < 4; ++page)
            (void)store.defaultList(page);

        AppConfig config(setting + QStringLiteral("/apConfig.bin"),
                         setting + QStringLiteral("/apConfigD.bin"));
        (void)config.load();
        (void)config.loadDevice();
    }

    // What r8ctl prints of the same files.
    runCli(folder, {QStringLiteral("profile"), QStringLiteral("show")});
    runCli(folder, {QStringLiteral("--json"), QStringLiteral("profile"), QStringLiteral("list")});
    return 0;
}
