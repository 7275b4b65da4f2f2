#include "store/penastore.h"
#include "store/datafiles.h"
#include "store/dates.h"
#include "store/storeerror.h"
#include "support/faultyops.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

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
