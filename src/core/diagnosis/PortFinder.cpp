#include "PortFinder.h"

#include "DeviceSurvey.h"

QString PortFinder::look(const QStringList &present)
{
    if (found_.isEmpty()) {
        for (const QString &path : present) {
            if (!last_.contains(path)) {
                found_ = path;
                break;
            }
        }
    }
    last_ = present;
    return found_;
}

QStringList PresentSerialPaths()
{
    QStringList paths;
    for (const SurveyedDevice &d : SurveySerialDevices(CurrentSystem()))
        paths << (d.byId.isEmpty() ? d.path : d.byId);
    return paths;
}
