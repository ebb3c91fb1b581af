#include "macro_text.h"

#include "cli_values.h"
#include "macro_encoder.h"

#include <QRegularExpression>

namespace MacroText {

namespace {

bool delayLine(const QString &value, QString *line) {
    bool ok = false;
    const int ms = value.trimmed().toInt(&ok, 10);
    if (!ok || ms <= 0)
        return false;
    *line = QString::number(ms) + MacroTag::delay;
    return true;
}

bool keyLine(const QString &value, const QString &tag, QString *line, Status *error) {
    QString canonical;
    if (!CliValues::keyName(value, error, &canonical))
        return false;
    *line = canonical + tag;
    return true;
}

// One action; false with `error` set when it is not one.
bool parseLine(const QString &raw, QString *line, Status *error) {
    // The stored form first: its tag is the last ten characters.
    if (raw.size() > MacroTag::length) {
        const QString tag = raw.right(MacroTag::length);
        const QString value = raw.left(raw.size() - MacroTag::length);
        if (tag == MacroTag::down || tag == MacroTag::up)
            return keyLine(value, tag, line, error);
        if (tag == MacroTag::delay) {
            if (delayLine(value, line))
                return true;
            *error =
                Status::badInput(QStringLiteral("delay '%1' is not a positive number").arg(value));
            return false;
        }
    }
    static const QRegularExpression delay(QStringLiteral("^(\\S+)\\s*ms$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString t = raw.trimmed();
    if (const QRegularExpressionMatch m = delay.match(t); m.hasMatch()) {
        if (delayLine(m.captured(1), line))
            return true;
        *error = Status::badInput(
            QStringLiteral("delay '%1' is not a positive number").arg(m.captured(1)));
        return false;
    }
    const int blank = t.lastIndexOf(QLatin1Char(' '));
    const QString action = blank < 0 ? QString() : t.mid(blank + 1).toLower();
    const QString key = blank < 0 ? QString() : t.left(blank).trimmed();
    if (action == QLatin1String("down"))
        return keyLine(key, MacroTag::down, line, error);
    if (action == QLatin1String("up"))
        return keyLine(key, MacroTag::up, line, error);
    *error =
        Status::badInput(QStringLiteral("'%1' is not an action (KEY down, KEY up, N ms)").arg(t));
    return false;
}

} // namespace

bool parse(const QString &text, const QString &source, QStringList *lines, Status *error) {
    QStringList out;
    const QStringList raw = text.split(QLatin1Char('\n'));
    for (int i = 0; i < raw.size(); ++i) {
        QString r = raw[i];
        if (r.endsWith(QLatin1Char('\r')))
            r.chop(1);
        if (r.trimmed().isEmpty() || r.trimmed().startsWith(QLatin1Char('#')))
            continue;
        QString line;
        Status e;
        if (!parseLine(r, &line, &e)) {
            *error =
                Status::badInput(QStringLiteral("%1:%2: %3").arg(source).arg(i + 1).arg(e.message));
            return false;
        }
        out.append(line);
    }
    *lines = out;
    return true;
}

QString readable(const QString &storedLine) {
    const QString tag = storedLine.right(MacroTag::length);
    const QString value = storedLine.left(storedLine.size() - MacroTag::length);
    if (storedLine.size() > MacroTag::length) {
        if (tag == MacroTag::down)
            return value + QStringLiteral(" down");
        if (tag == MacroTag::up)
            return value + QStringLiteral(" up");
        if (tag == MacroTag::delay)
            return value + QStringLiteral(" ms");
    }
    return storedLine;
}

} // namespace MacroText
