// profile apply: what the current profile holds, sent to the mouse (profile switch, and an
// import or reset of the current profile, end with it too).
#include "cli.h"
#include "macro_slot_uploader.h"
#include "profile_apply.h"

#include <QJsonArray>
#include <QSettings>

Status applyProfile(Cli &cli) {
    if (Status s = cli.needDevice(); !s.ok())
        return s;
    ProfileApply apply(cli.profiles(), cli.mouse(), cli.keys(), cli.device().hid());
    apply.setMacroUploader(mouseMacroSlotUploader(cli.macroLibrary()));
    QJsonArray sent;
    QStringList failed;
    for (const ProfileApply::Step &step : apply.run()) {
        if (step.reached)
            sent.append(step.setting);
        else
            failed.append(step.setting);
    }
    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("sent"), sent);
    if (!failed.isEmpty() && !cli.device().isDemo())
        return Status::deviceFailure(
            QStringLiteral("%1 did not reach the mouse").arg(failed.join(QStringLiteral(", "))));
    return Status::done();
}

Status switchAndApplyProfile(Cli &cli, int index) {
    cli.profiles().select(index);
    // The choice is remembered even when the mouse cannot be reached.
    if (!cli.rememberProfile(index))
        return Status::badInput(
            QStringLiteral("cannot write %1: the choice is not stored").arg(Cli::stateFile()));
    // The window or another r8ctl may have changed the file since we opened it.
    cli.profiles().current()->sync();
    return applyProfile(cli);
}
