#include "print/corrections.h"
#include "store/datafiles.h"
#include "support/tempfolder.h"

#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QByteArray floatBytes(float v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

} // namespace

TEST(Corrections, TypedTheWayTheLocaleWritesDecimals) {
    const struct {
        const char* text;
        const QLocale& locale;
        bool ok;
        float value;
    } cases[] = {
        {"3,5", kSpanish, true, 3.5f}, {"-2,25", kSpanish, true, -2.25f},
        {"12", kSpanish, true, 12.0f}, {"0", kSpanish, true, 0.0f},
        {"3.5", kSpanish, false, 0},   {"1.000", kSpanish, false, 0},
        {"abc", kSpanish, false, 0},   {"", kSpanish, false, 0},
        {"3,5x", kSpanish, false, 0},  {"inf", kSpanish, false, 0},
        {"1e40", kSpanish, false, 0},  {"2000", kSpanish, false, 0},
        {"3.5", kEnglish, true, 3.5f}, {"3,5", kEnglish, false, 0},
    };
    for (const auto& c : cases) {
        const std::optional<float> v = parseCorrection(QString::fromUtf8(c.text), c.locale);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (v && c.ok) {
            EXPECT_FLOAT_EQ(*v, c.value) << c.text;
        }
    }
    EXPECT_EQ(formatCorrection(3.5f, kSpanish), QStringLiteral("3,5"));
    EXPECT_EQ(formatCorrection(0.0f, kSpanish), QStringLiteral("0"));
    EXPECT_EQ(formatCorrection(0.1f, kSpanish), QStringLiteral("0,1"));
    EXPECT_EQ(formatCorrection(1234.5f, kSpanish), QStringLiteral("1234,5"));
    EXPECT_EQ(formatCorrection(-7.25f, kEnglish), QStringLiteral("-7.25"));
}

TEST(Corrections, NumsIniKeepsItsReservedBytesAndIsRepairedWhenDamaged) {
    const QByteArray nan = floatBytes(std::nanf(""));
    const QByteArray huge = floatBytes(3e38f);
    const struct {
        const char* what;
        QByteArray file;
        float x, y;
        QByteArray head, tail; // the reserved bytes after saving
    } cases[] = {
        {"sound", QByteArray("ABCD") + floatBytes(2.5f) + floatBytes(-1.5f) + "EF", 2.5f, -1.5f,
         "ABCD", "EF"},
        {"new, empty file", QByteArray(), 0, 0, QByteArray(4, '\0'), QByteArray(2, '\0')},
        {"short file", QByteArray("ABCDEFG"), 0, 0, QByteArray(4, '\0'), QByteArray(2, '\0')},
        {"not numbers", QByteArray("WXYZ") + nan + huge + "QR", 0, 0, "WXYZ", "QR"},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        dir.write(kSettingsFile, c.file);
        DataFiles files;
        files.openAll(dir.path());
        Corrections corrections(files.readSettings());
        EXPECT_FLOAT_EQ(corrections.x(), c.x) << c.what;
        EXPECT_FLOAT_EQ(corrections.y(), c.y) << c.what;

        corrections.textChanged(Axis::X, QStringLiteral("3,5"), kSpanish);
        files.writeSettings(corrections.record());
        files.closeAll();
        const QByteArray saved = dir.read(kSettingsFile);
        ASSERT_EQ(saved.size(), 14) << c.what;
        EXPECT_EQ(saved.mid(0, 4), c.head) << c.what;
        EXPECT_EQ(saved.mid(4, 4), floatBytes(3.5f)) << c.what;
        EXPECT_EQ(saved.mid(8, 4), floatBytes(c.y)) << c.what;
        EXPECT_EQ(saved.mid(12, 2), c.tail) << c.what;
    }
}
