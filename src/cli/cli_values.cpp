#include "cli_values.h"

#include "fixed_colors.h"
#include "key_names.h"

#include <QRegularExpression>
#include <QStringList>

namespace CliValues {

std::optional<int> integer(const QString &text, int low, int high, const QString &what,
                           Status *error) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < low || value > high) {
        *error =
            Status::badInput(QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                                 .arg(what)
                                 .arg(low)
                                 .arg(high)
                                 .arg(text));
        return std::nullopt;
    }
    return value;
}

std::optional<int> profile(const QString &text, Status *error) {
    static const QRegularExpression form(QStringLiteral("^[Pp]?0*([0-9]+)$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    const int number = m.hasMatch() ? m.captured(1).toInt() : 0;
    if (number < 1 || number > 10) {
        *error = Status::badInput(
            QStringLiteral("no profile '%1': profiles are 1..10 (P01..P10)").arg(text));
        return std::nullopt;
    }
    return number - 1;
}

QString squash(const QString &text) {
    QString out;
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('_') && c != QLatin1Char('-'))
            out.append(c.toLower());
    }
    return out;
}

std::optional<QList<Colour>> colours(const QStringList &words, Status *error) {
    QList<Colour> list;
    for (const QString &word : words) {
        const std::optional<Colour> c = colour(word, error);
        if (!c)
            return std::nullopt;
        list.append(*c);
    }
    return list;
}

std::optional<Colour> colour(const QString &text, Status *error) {
    const QString t = text.trimmed();
    const QList<FixedColors::Colour> &fixed = FixedColors::palette();
    for (int id = 0; id < fixed.size(); ++id) {
        if (t.compare(QLatin1String(fixed[id].name), Qt::CaseInsensitive) == 0)
            return Colour{{fixed[id].r, fixed[id].g, fixed[id].b}, id};
    }
    static const QRegularExpression hex(QStringLiteral("^#([0-9A-Fa-f]{6})$"));
    if (const QRegularExpressionMatch m = hex.match(t); m.hasMatch()) {
        const uint v = m.captured(1).toUInt(nullptr, 16);
        return Colour{{int(v >> 16), int((v >> 8) & 0xFF), int(v & 0xFF)}, -1};
    }
    const QStringList parts = t.split(QLatin1Char(','));
    if (parts.size() == 3) {
        Colour c;
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            const int v = parts[i].trimmed().toInt(&ok, 10);
            if (!ok) {
                *error = Status::badInput(
                    QStringLiteral("colour '%1': '%2' is not a number").arg(text, parts[i]));
                return std::nullopt;
            }
            if (v < 0 || v > 255) {
                *error = Status::badInput(
                    QStringLiteral("colour '%1': component %2 is out of 0..255").arg(text).arg(v));
                return std::nullopt;
            }
            c.rgb[size_t(i)] = v;
        }
        return c;
    }
    QStringList names;
    for (const FixedColors::Colour &f : fixed)
        names.append(QLatin1String(f.name));
    *error =
        Status::badInput(QStringLiteral("colour '%1' is neither R,G,B nor #RRGGBB nor one of: %2")
                             .arg(text, names.join(QStringLiteral(", "))));
    return std::nullopt;
}

std::optional<unsigned char> keyName(const QString &text, Status *error, QString *canonical) {
    if (const uchar code = keyCodeForName(text)) {
        if (canonical)
            *canonical = text;
        return code;
    }
    const QString wanted = text.trimmed();
    const QMap<QString, uchar> &table = keyNameTable();
    for (auto it = table.begin(); it != table.end(); ++it) {
        if (it.key().trimmed().compare(wanted, Qt::CaseInsensitive) == 0) {
            if (canonical)
                *canonical = it.key();
            return it.value();
        }
    }
    // The arrow keys are named by arrow characters; allow their words too.
    static const QList<QPair<const char *, uchar>> arrows = {
        {"right", 0x4F}, {"left", 0x50}, {"down", 0x51}, {"up", 0x52}};
    for (const auto &arrow : arrows) {
        if (wanted.compare(QLatin1String(arrow.first), Qt::CaseInsensitive) == 0) {
            for (auto it = table.begin(); it != table.end(); ++it) {
                if (it.value() == arrow.second) {
                    if (canonical)
                        *canonical = it.key();
                    return arrow.second;
                }
            }
        }
    }
    *error = Status::badInput(QStringLiteral("unknown key name '%1'").arg(text));
    return std::nullopt;
}

std::optional<bool> onOff(const QString &text, const QString &what, Status *error) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("on") || t == QLatin1String("true") || t == QLatin1String("yes") ||
        t == QLatin1String("1"))
        return true;
    if (t == QLatin1String("off") || t == QLatin1String("false") || t == QLatin1String("no") ||
        t == QLatin1String("0"))
        return false;
    *error = Status::badInput(QStringLiteral("%1 must be on or off, not '%2'").arg(what, text));
    return std::nullopt;
}

} // namespace CliValues
