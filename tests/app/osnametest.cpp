#include "app/osname.h"
#include "support/printers.h"

#include <gtest/gtest.h>

TEST(OsName, WindowsVersionsAreNamedFromTheTableAndOthersShownAsTheyAre) {
    struct Case {
        OsIdentity os;
        const char* label;
    };
    const auto win = [](int id, int major, int minor) {
        OsIdentity os;
        os.windows = true;
        os.platformId = id;
        os.major = major;
        os.minor = minor;
        os.productName = QStringLiteral("Windows 11 Version 23H2"); // never used on Windows
        return os;
    };
    const auto other = [](const char* name) {
        OsIdentity os;
        os.productName = QString::fromUtf8(name);
        return os;
    };
    const Case cases[] = {
        {win(1, 0, 0), "S.O: Windows 95"},
        {win(1, 9, 0), "S.O: Windows Millenium"},
        {win(2, 4, 0), "S.O: Windows NT 4.0"},
        {win(2, 5, 1), "S.O: Windows XP"},
        {win(2, 6, 1), "S.O: Windows 7"},
        {win(2, 6, 2), "S.O: Windows 8"},
        // Not in the table: the version text itself.
        {win(2, 6, 3), "S.O: 2.6.3"},
        {win(2, 10, 0), "S.O: Windows 10/11"},
        {win(2, 10, 1), "S.O: 2.10.1"},
        {other("Debian GNU/Linux 12 (bookworm)"), "S.O: Debian GNU/Linux 12 (bookworm)"},
        {other("macOS Sonoma (14.4)"), "S.O: macOS Sonoma (14.4)"},
        {other(""), "S.O: desconocido"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(osLabelText(c.os), QString::fromUtf8(c.label));
}
