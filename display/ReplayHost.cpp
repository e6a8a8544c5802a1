#include "display/ReplayHost.h"

#include <QLineEdit>

#include "display/SpectrumDisplay.h"
#include "engine/NumberText.h"

namespace kestrel::display {

bool replayMayStart(const ReplayHost& host) {
    if (!host.display->spanUsable()) {
        host.critical(QStringLiteral("IF Start and IF Stop must differ: change them and Solve Matrix again"),
                      QStringLiteral("Spectrum Analyzer"));
        return false;
    }
    for (QLineEdit* marker : {host.txtMarker1, host.txtMarker2}) {
        if (toSingleStrict(marker->text().toStdString())) continue;
        host.critical(QStringLiteral("Please Use Numeric Values Only"), QStringLiteral("Numeric Check"));
        marker->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

QString frequencyText(float value, const QString& unit) {
    return QString::fromStdString(shortText(value)) + QLatin1Char(' ') + unit;
}

} // namespace kestrel::display
