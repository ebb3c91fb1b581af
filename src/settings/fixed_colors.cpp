#include "fixed_colors.h"

#include "mouse_tables.h"

#include <QStringList>

namespace FixedColors {

const QList<Colour> &palette() {
    static const QList<Colour> colours = [] {
        QList<Colour> list;
        for (const QJsonValue &v : MouseTables::data()[QLatin1String("fixedColours")].toArray()) {
            const QJsonArray rgb = v[QLatin1String("rgb")].toArray();
            list.append({MouseTables::keep(v[QLatin1String("name")].toString()),
                         static_cast<unsigned char>(rgb[0].toInt()),
                         static_cast<unsigned char>(rgb[1].toInt()),
                         static_cast<unsigned char>(rgb[2].toInt())});
        }
        return list;
    }();
    return colours;
}

QString names() {
    QStringList list;
    for (const Colour &c : palette())
        list.append(QLatin1String(c.name));
    return list.join(QStringLiteral(", "));
}

} // namespace FixedColors
