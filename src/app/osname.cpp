#include "app/osname.h"

#include <array>
#include <utility>

QString windowsVersionText(int platformId, int major, int minor) {
    return QStringLiteral("%1.%2.%3").arg(platformId).arg(major).arg(minor);
}

QString windowsName(const QString& versionText) {
    static const std::array<std::pair<const char*, const char*>, 12> kNames{{
        {"1.0.0", "Windows 95"},
        {"1.1.0", "Windows 98"},
        {"1.9.0", "Windows Millenium"},
        {"2.3.0", "Windows NT 3.51"},
        {"2.4.0", "Windows NT 4.0"},
        {"2.5.0", "Windows 2000"},
        {"2.5.1", "Windows XP"},
        {"2.5.3", "Windows 2003"},
        {"2.6.0", "Windows Vista"},
        {"2.6.1", "Windows 7"},
        {"2.6.2", "Windows 8"},
        {"2.10.0", "Windows 10/11"},
    }};
    for (const auto& [text, name] : kNames)
        if (versionText == QLatin1String(text)) return QString::fromLatin1(name);
    return versionText;
}

QString osLabelText(const OsIdentity& os) {
    QString name;
    if (os.windows)
        name = windowsName(windowsVersionText(os.platformId, os.major, os.minor));
    else
        name = os.productName.isEmpty() ? QStringLiteral("desconocido") : os.productName;
    return QStringLiteral("S.O: ") + name;
}
