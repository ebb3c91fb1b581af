// pointer and scroll-swap.
#include "cli.h"
#include "cli_values.h"
#include "pointer_backend.h"
#include "pointer_settings.h"

namespace {

// Passes every call on and remembers whether the system took the last one: the settings
// object only logs a refusal, the user of a command line wants to see it.
class ObservedPointer : public PointerBackend {
public:
    explicit ObservedPointer(PointerBackend *inner) : m_inner(inner) {}
    bool lastAccepted = true;
    bool setPointerSpeed(int v) override { return note(m_inner && m_inner->setPointerSpeed(v)); }
    bool setWheelScrollLines(int v) override {
        return note(m_inner && m_inner->setWheelScrollLines(v));
    }
    bool setDoubleClickTime(int v) override {
        return note(m_inner && m_inner->setDoubleClickTime(v));
    }
    bool acceleration(bool *e) override { return note(m_inner && m_inner->acceleration(e)); }
    bool setAcceleration(bool e) override { return note(m_inner && m_inner->setAcceleration(e)); }

private:
    bool note(bool accepted) {
        lastAccepted = accepted;
        return accepted;
    }
    PointerBackend *m_inner;
};

} // namespace

Status runPointer(Cli &cli, Arguments &args) {
    if (args.size() < 2)
        return Status::badInput(
            QStringLiteral("usage: pointer speed|lines|double-click N (0..10)"));
    const QString what = args.takeFirst();
    Status error;
    const auto position = CliValues::integer(args.takeFirst(), 0, 10, QStringLiteral("N"), &error);
    if (!position)
        return error;
    if (what != QLatin1String("speed") && what != QLatin1String("lines") &&
        what != QLatin1String("double-click"))
        return Status::badInput(
            QStringLiteral("unknown pointer setting '%1' (speed, lines, double-click)").arg(what));
    if (Status s = expectNoMore(args); !s.ok())
        return s;

    ObservedPointer observed(cli.pointerBackend());
    PointerSettings pointer(cli.profiles(), &observed);
    int systemValue = 0;
    if (what == QLatin1String("speed")) {
        pointer.setCursorSpeed(uint(*position));
        systemValue = PointerSettings::pointerSpeed(uint(*position));
    } else if (what == QLatin1String("lines")) {
        pointer.setVerticalScrollLines(uint(*position));
        systemValue = PointerSettings::scrollLines(uint(*position));
    } else {
        pointer.setDoubleClickSpeed(uint(*position));
        systemValue = PointerSettings::doubleClickTime(uint(*position));
    }
    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("setting"), what);
    cli.report().set(QStringLiteral("position"), *position);
    cli.report().set(QStringLiteral("systemValue"), systemValue);
    cli.report().set(QStringLiteral("systemAccepted"), observed.lastAccepted);
    if (!observed.lastAccepted)
        cli.report().warn(
            QStringLiteral(
                "the system did not take the %1 setting; it is stored in the profile only")
                .arg(what));
    return Status::done();
}

Status runScrollSwap(Cli &cli, Arguments &args) {
    if (args.size() < 1)
        return Status::badInput(QStringLiteral("usage: scroll-swap on|off"));
    Status error;
    const auto swap = CliValues::onOff(args.takeFirst(), QStringLiteral("scroll-swap"), &error);
    if (!swap)
        return error;
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    if (Status s = cli.needDevice(); !s.ok())
        return s;
    cli.keys().setScrollPinSwap(*swap);
    cli.report().set(QStringLiteral("profile"), cli.profiles().currentIndex() + 1);
    cli.report().set(QStringLiteral("scrollSwap"), *swap);
    return Status::done();
}
