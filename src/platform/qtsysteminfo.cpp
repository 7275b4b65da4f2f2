#include "platform/systeminfo.h"

#include <QOperatingSystemVersion>
#include <QSysInfo>

OsIdentity QtSystemInfo::identity() const {
    OsIdentity id;
#ifdef Q_OS_WIN
    const QOperatingSystemVersion v = QOperatingSystemVersion::current();
    id.windows = true;
    id.platformId = 2; // every Windows Qt 6 runs on is of the NT family
    id.major = v.majorVersion();
    id.minor = v.minorVersion();
#endif
    id.productName = QSysInfo::prettyProductName();
    return id;
}
