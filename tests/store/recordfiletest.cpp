#include "store/recordfile.h"
#include "store/datafiles.h"
#include "store/storeerror.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(RecordFile, FreshFolderGetsEmptyDataFiles) {
    TempFolder dir;
    DataFiles files;
    files.openAll(dir.path());
    for (const char* name : {"apuestas.dat", "numeros.dat", "www.txt", "nums.ini"})
        EXPECT_TRUE(QFile::exists(dir.file(QString::fromLatin1(name)))) << name;
    EXPECT_EQ(files.penas().count(), 0);
    EXPECT_EQ(files.draws().count(), 0);
    EXPECT_FALSE(files.readDraw(1).has_value());
    EXPECT_EQ(files.readSettings().correctionX(), 0.0f);
}

TEST(RecordFile, TrailingFragmentIsIgnoredAndKept) {
    TempFolder dir;
    const DrawRecord a = makeDraw(QDate(2023, 2, 21), {1, 2, 3, 4, 5}, {1, 2});
    const DrawRecord b = makeDraw(QDate(2023, 2, 24), {6, 7, 8, 9, 10}, {3, 4});
    const QByteArray image = a.encode() + b.encode() + QByteArray("\x01\x02", 1);
    ASSERT_EQ(image.size(), 45);
    dir.write(QStringLiteral("numeros.dat"), image);

    DataFiles files;
    files.openAll(dir.path());
    EXPECT_EQ(files.draws().count(), 2);
    EXPECT_EQ(files.readDraw(2)->numbers[0], 6);
    EXPECT_FALSE(files.readDraw(3).has_value());
    EXPECT_EQ(files.readAllDraws().size(), 2);
    files.closeAll();
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), image);
}

TEST(RecordFile, WritingPastTheEndExtendsAndTheLimitIsRefused) {
    TempFolder dir;
    RecordFile f(kDrawRecordSize);
    f.open(dir.file(QStringLiteral("numeros.dat")));
    f.write(1, QByteArray(22, 'a'));
    f.write(2, QByteArray(22, 'b'));
    EXPECT_EQ(f.count(), 2);
    EXPECT_EQ(*f.read(2), QByteArray(22, 'b'));
    try {
        f.write(kMaxRecords + 1, QByteArray(22, 'c'));
        FAIL() << "no error past the limit";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::TooManyRecords);
    }
    EXPECT_EQ(f.count(), 2);
    f.close();
    EXPECT_EQ(QFile(dir.file(QStringLiteral("numeros.dat"))).size(), 44);
}
