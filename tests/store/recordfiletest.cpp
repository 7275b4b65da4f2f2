#include "store/datafiles.h"
#include "store/dates.h"
#include "store/folder.h"
#include "store/penastore.h"
#include "store/storeerror.h"
#include "support/faultyops.h"
#include "support/tempfolder.h"

#include <QFile>
#include <QFileInfo>
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

namespace {

// The platform refuses to replace files, as a folder without rights would.
QList<PenaRecord> threePenas() {
    QList<PenaRecord> penas;
    for (int i = 1; i <= 3; ++i) {
        PenaRecord p = makeSimplePena(QStringLiteral("PEÑA %1").arg(i), QStringLiteral("Todos"),
                                      QDate(2023, 1, i), {{{i, 11, 21, 31, 41}, {1, 2}}});
        p.hits[12] = static_cast<qint16>(10 * i);
        p.lastCounted = oleFromDate(QDate(2023, 3, i));
        penas.append(p);
    }
    return penas;
}

} // namespace

TEST(PenaStore, DeletingThePeñaInTheMiddleMovesTheLastDownIntact) {
    TempFolder dir;
    const QList<PenaRecord> penas = threePenas();
    dir.writePenas(penas);
    ASSERT_EQ(dir.read(QStringLiteral("apuestas.dat")).size(), 2397);

    DataFiles files;
    files.openAll(dir.path());
    deletePenaRecord(files, 2);
    EXPECT_EQ(files.penas().count(), 2);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("apuestas.tmp"))));
    const QByteArray after = dir.read(QStringLiteral("apuestas.dat"));
    EXPECT_EQ(after.size(), 1598);
    EXPECT_EQ(after, penas[0].encode() + penas[2].encode());
    EXPECT_EQ(files.readPena(2)->hits[12], 30);
    // The handle is open on the new file.
    files.writePena(3, penas[1]);
    EXPECT_EQ(files.penas().count(), 3);
}

TEST(PenaStore, DeletingTheOnlyPeñaLeavesAnEmptyFile) {
    TempFolder dir;
    dir.writePenas({threePenas()[0]});
    DataFiles files;
    files.openAll(dir.path());
    deletePenaRecord(files, 1);
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")).size(), 0);
    EXPECT_EQ(files.penas().count(), 0);
}

TEST(PenaStore, RefusedReplaceKeepsTheFileAndReportsAccess) {
    TempFolder dir;
    dir.writePenas(threePenas());
    const QByteArray before = dir.read(QStringLiteral("apuestas.dat"));
    DataFiles files(refusingOps());
    files.openAll(dir.path());
    try {
        deletePenaRecord(files, 2);
        FAIL() << "deletion reported success";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::Access);
    }
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), before);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("apuestas.tmp"))));
    EXPECT_EQ(files.penas().count(), 3);
}

TEST(PenaStore, PermissionMessageText) {
    EXPECT_EQ(permissionErrorText(),
              QStringLiteral("Para modificar el archivo necesita permiso de Administrador.\r\n"
                             "Cierre el programa y ejecútelo en modo Administrador y repita la "
                             "operación.\r\n(Encima del icono, botón derecho y elija "
                             "\"Ejecutar como administrador\")"));
}

TEST(Folder, TheSeparatorIsAppendedOnce) {
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/opt/vantiko")),
              QStringLiteral("/opt/vantiko/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/opt/vantiko/")),
              QStringLiteral("/opt/vantiko/"));
}

TEST(Folder, EnvironmentVariableChoosesTheDataFolder) {
    TempFolder dir;
    const QString wanted = dir.path() + QStringLiteral("datos");
    qputenv("VANTIKO_FOLDER", wanted.toLocal8Bit());
    EXPECT_EQ(resolveDataFolder(QStringLiteral("/nonexistent")), wanted + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(wanted).isDir());
    qunsetenv("VANTIKO_FOLDER");
    EXPECT_EQ(resolveDataFolder(dir.path()), dir.path());
}
