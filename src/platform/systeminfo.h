#pragma once

#include <QString>

// What the running system says of itself, for the about box.
struct OsIdentity {
    bool windows = false;
    // Windows only: platform id (2 for the NT family), major and minor version.
    int platformId = 0;
    int major = 0;
    int minor = 0;
    // Elsewhere: the system's own name, such as "Debian GNU/Linux 12 (bookworm)".
    QString productName;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual OsIdentity identity() const = 0;
};

// The running system, through Qt (on Windows Qt asks RtlGetVersion, which
// gives the true version whatever the program's manifest declares).
class QtSystemInfo : public SystemInfo {
public:
    OsIdentity identity() const override;
};
