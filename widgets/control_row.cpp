#include "widgets/control_row.h"

namespace tarvanel {

QString accessibleNameOf(const ControlRow& row, const char* endHeading) {
    const char* own = row.caption          ? row.caption
                      : row.accessibleName ? row.accessibleName
                                           : row.toolTip;
    QString name = QString::fromUtf8(own ? own : "");
    if (endHeading && row.end != LinkEnd::None && !(row.caption && row.kind == Kind::ResultLabel))
        name += QLatin1Char(' ') + QString::fromUtf8(endHeading);
    return name;
}

} // namespace tarvanel
