#include "store/drawstore.h"
#include "platform/sites.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "store/storeerror.h"
#include "support/fakes.h"
#include "support/faultyops.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kInvalid = QStringLiteral(
    "Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Vantiko.");
const QString kPermission = QStringLiteral(
    "Para modificar el archivo necesita permiso de Administrador.\r\nCierre el programa y "
    "ejecútelo en modo Administrador y repita la operación.\r\n(Encima del icono, botón derecho "
    "y elija \"Ejecutar como administrador\")");
const QString kDeleteAll = QStringLiteral("¿Seguro que quieres borrar todos los sorteos?");
const QString kReset = QStringLiteral(
    "¿Quiere borrar también los aciertos de las peñas?. Si ha borrado los sorteos, se aconseja "
    "que se resetee también los resultados de las peñas y la fecha de creación pasará a ser la de "
    "hoy.");

QList<DrawRecord> tenDraws() {
    QList<DrawRecord> draws;
    QDate day(2023, 1, 3); // a Tuesday
    for (int i = 0; i < 10; ++i) {
        draws.append(makeDraw(day, {1 + i, 11 + i, 21 + i, 31 + i, 41 + i}, {1 + i % 12, 12}));
        day = day.addDays(i % 2 == 0 ? 3 : 4);
    }
    return draws;
}

QByteArray imageOf(const QList<DrawRecord>& draws) {
    QByteArray bytes;
    for (const DrawRecord& d : draws)
        bytes.append(d.encode());
    return bytes;
}

QList<PenaRecord> twoPenas() {
    PenaRecord a = makeSimplePena(QStringLiteral("LOS DEL BAR"), QStringLiteral("Todos"),
                                  QDate(2022, 5, 6), {{{1, 2, 3, 4, 5}, {1, 2}}});
    a.hits = {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 7, 8};
    a.lastCounted = oleFromDate(QDate(2023, 3, 3));
    PenaRecord b = makeMultiplePena(QStringLiteral("OFICINA"), QStringLiteral("Martes"),
                                    QDate(2022, 9, 1), {3, 9, 14, 22, 37, 48}, {4, 7, 9});
    b.hits[12] = 40;
    b.lastCounted = oleFromDate(QDate(2023, 2, 28));
    return {a, b};
}

class DrawStoreTest : public ::testing::Test {
protected:
    void SetUp() override { start(std::make_shared<FileOps>()); }

    void start(std::shared_ptr<FileOps> ops) {
        store.reset();
        state = std::make_unique<AppState>(std::move(ops));
        state->files.openAll(dir.path());
        recount();
        store = std::make_unique<DrawStore>(
            *state, fake.platform,
            DrawRefreshes{[this] {
                              log.append(QStringLiteral("status"));
                              recount();
                          },
                          [this] { log.append(QStringLiteral("results")); },
                          [this](int row) { log.append(QStringLiteral("row %1").arg(row)); }});
    }
    // What RefreshStatus establishes, enough for these operations.
    void recount() {
        state->nextDrawRecord = state->files.draws().count() + 1;
        const auto latest = state->files.readDraw(state->nextDrawRecord - 1);
        state->latestDraw = latest.value_or(DrawRecord{});
    }
    QString data() const { return dir.read(QStringLiteral("numeros.dat")).toHex(); }
    QStringList titles() const {
        QStringList out;
        for (const auto& s : fake.prompter.shown)
            out.append(s.title);
        return out;
    }

    TempFolder dir;
    FakePlatform fake;
    std::unique_ptr<AppState> state;
    std::unique_ptr<DrawStore> store;
    QStringList log;
};

} // namespace

// --- Import -----------------------------------------------------------------

TEST(DrawImportRule, RecordOneMustBeARealTuesdayOrFriday) {
    EXPECT_TRUE(isImportableDrawFile(makeDraw(QDate(2004, 2, 13), {1, 2, 3, 4, 5}, {1, 2})));
    EXPECT_TRUE(isImportableDrawFile(makeDraw(QDate(2020, 4, 21), {1, 2, 3, 4, 5}, {1, 2})));
    EXPECT_FALSE(isImportableDrawFile(makeDraw(QDate(2020, 4, 22), {1, 2, 3, 4, 5}, {1, 2})));
    DrawRecord d;
    EXPECT_FALSE(isImportableDrawFile(d)); // date 0
    d.drawDate = 1;                        // 1899-12-31
    EXPECT_FALSE(isImportableDrawFile(d));
    EXPECT_FALSE(isImportableDrawFile(std::nullopt)); // no record 1
}

TEST_F(DrawStoreTest, CancelledDialogOffersTheShopAndChangesNothing) {
    dir.writeDraws(tenDraws());
    start(std::make_shared<FileOps>());
    const QString before = data();
    fake.prompter.answers = {false};
    store->importDraws();
    ASSERT_EQ(fake.chooser.titles,
              QStringList{QStringLiteral("Seleccione el archivo NUMEROS.DAT")});
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    const auto& q = fake.prompter.shown[0];
    EXPECT_TRUE(q.question);
    EXPECT_EQ(q.title, QStringLiteral("Vantiko"));
    EXPECT_EQ(q.icon, MessageIcon::Question);
    EXPECT_EQ(q.text,
              QStringLiteral("No se ha seleccionado ningún archivo. Recuerde que puede disponer de "
                             "TODOS LOS SORTEOS DESDE LA CREACIÓN DEL EUROMILLONES, obteniéndolo "
                             "desde nuestra tienda virtual. ¿Quiere ir?"));
    EXPECT_TRUE(fake.shell.opened.isEmpty());
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(data(), before);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("numeros.bak"))));

    // "Sí" opens the shop page of the maker's site, wherever that site is set.
    qputenv("VANTIKO_MAKER_SITE", "http://127.0.0.1:8765");
    fake.prompter.answers = {true};
    store->importDraws();
    qunsetenv("VANTIKO_MAKER_SITE");
    ASSERT_EQ(fake.shell.opened.size(), 1);
    EXPECT_TRUE(fake.shell.opened[0].startsWith(QStringLiteral("http://127.0.0.1:8765/")))
        << fake.shell.opened[0].toStdString();
    EXPECT_EQ(data(), before);
}

TEST_F(DrawStoreTest, AcceptedImportKeepsTheBackupByteForByte) {
    const QList<DrawRecord> old = tenDraws().mid(0, 3);
    dir.writeDraws(old);
    dir.writePenas(twoPenas());
    dir.write(QStringLiteral("numeros.bak"), "an older backup");
    start(std::make_shared<FileOps>());
    const QByteArray before = dir.read(QStringLiteral("numeros.dat"));
    const QByteArray penasBefore = dir.read(QStringLiteral("apuestas.dat"));

    TempFolder elsewhere;
    // A complete file, with a trailing fragment that travels with it.
    const QByteArray chosen = imageOf(tenDraws()) + QByteArray("\x07\x00\x01", 3);
    elsewhere.write(QStringLiteral("numeros.dat"), chosen);
    fake.chooser.answers = {elsewhere.file(QStringLiteral("numeros.dat"))};
    store->importDraws();

    EXPECT_EQ(dir.read(QStringLiteral("numeros.bak")), before);
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), chosen);
    EXPECT_EQ(elsewhere.read(QStringLiteral("numeros.dat")), chosen);
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), penasBefore);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("numeros.tmp"))));
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].text,
              QStringLiteral("Archivo de sorteos importado con éxito"));
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Todos los sorteos"));
    EXPECT_EQ(fake.prompter.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(log, (QStringList{QStringLiteral("status"), QStringLiteral("results")}));
    // Reopened on its handle: the new draws are read through it.
    EXPECT_EQ(state->nextDrawRecord, 11);
    EXPECT_EQ(state->files.readDraw(10)->numbers[0], 10);
}

TEST_F(DrawStoreTest, WednesdayOrEmptyFileIsRejectedAndNothingMoves) {
    dir.writeDraws(tenDraws().mid(0, 4));
    start(std::make_shared<FileOps>());
    const QString before = data();
    TempFolder elsewhere;
    const QString wednesday = elsewhere.file(QStringLiteral("numeros.dat"));
    elsewhere.write(QStringLiteral("numeros.dat"),
                    makeDraw(QDate(2023, 3, 1), {1, 2, 3, 4, 5}, {1, 2}).encode() +
                        makeDraw(QDate(2023, 3, 3), {1, 2, 3, 4, 5}, {1, 2}).encode());
    TempFolder other;
    const QString empty = other.file(QStringLiteral("numeros.dat"));
    other.write(QStringLiteral("numeros.dat"), {});

    for (const QString& chosen : {wednesday, empty}) {
        fake.prompter.clear();
        fake.chooser.answers = {chosen};
        store->importDraws();
        ASSERT_EQ(fake.prompter.shown.size(), 1) << chosen.toStdString();
        EXPECT_EQ(fake.prompter.shown[0].text, kInvalid);
        EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("¡Vaya hombre!"));
        EXPECT_EQ(fake.prompter.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(data(), before);
        EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("numeros.bak"))));
        EXPECT_TRUE(log.isEmpty());
        // Still open on its handle.
        EXPECT_EQ(state->files.draws().count(), 4);
    }
}

TEST_F(DrawStoreTest, ChoosingTheProgramsOwnFileLeavesEveryFileIntact) {
    dir.writeDraws(tenDraws());
    dir.write(QStringLiteral("numeros.bak"), "previous backup");
    start(std::make_shared<FileOps>());
    const QString before = data();
    // Through another spelling of the same path.
    fake.chooser.answers = {dir.path() + QStringLiteral("./numeros.dat")};
    store->importDraws();
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("¡Vaya hombre!"));
    EXPECT_EQ(fake.prompter.shown[0].text,
              QStringLiteral("El archivo elegido es el propio archivo de sorteos de Vantiko. No se "
                             "ha importado nada."));
    EXPECT_EQ(data(), before);
    EXPECT_EQ(dir.read(QStringLiteral("numeros.bak")), QByteArray("previous backup"));
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(state->files.draws().count(), 10);
}

TEST_F(DrawStoreTest, UnreadableChoiceIsRejectedWithItsErrorNumber) {
    dir.writeDraws(tenDraws());
    start(std::make_shared<FileOps>());
    const QString before = data();
    TempFolder elsewhere;
    QDir(elsewhere.path()).mkdir(QStringLiteral("numeros.dat"));
    const struct {
        QString path;
        QString error;
    } cases[] = {{elsewhere.file(QStringLiteral("missing/numeros.dat")), QStringLiteral("53")},
                 {elsewhere.file(QStringLiteral("numeros.dat")), QStringLiteral("57")}};
    for (const auto& c : cases) {
        fake.prompter.clear();
        fake.chooser.answers = {c.path};
        store->importDraws();
        EXPECT_EQ(fake.prompter.texts(),
                  (QStringList{kInvalid, kInvalid + QStringLiteral(" Error ") + c.error}));
        EXPECT_EQ(data(), before);
        EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("numeros.bak"))));
        EXPECT_EQ(state->files.draws().count(), 10);
    }
}

TEST_F(DrawStoreTest, ImportingTheBackupItselfSwapsTheTwoFiles) {
    const QList<DrawRecord> draws = tenDraws();
    dir.writeDraws(draws.mid(0, 2));
    dir.write(QStringLiteral("numeros.bak"), imageOf(draws));
    start(std::make_shared<FileOps>());
    fake.chooser.answers = {dir.file(QStringLiteral("numeros.bak"))};
    store->importDraws();
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), imageOf(draws));
    EXPECT_EQ(dir.read(QStringLiteral("numeros.bak")), imageOf(draws.mid(0, 2)));
    EXPECT_EQ(fake.prompter.texts(),
              QStringList{QStringLiteral("Archivo de sorteos importado con éxito")});
}

TEST_F(DrawStoreTest, RefusedReplaceIsNotReportedAsSuccess) {
    dir.writeDraws(tenDraws().mid(0, 3));
    auto ops = std::make_shared<FaultyOps>();
    ops->refuseReplace = [](const QString&, const QString& target) {
        return endsWith(target, "numeros.dat");
    };
    start(ops);
    const QString before = data();
    TempFolder elsewhere;
    elsewhere.writeDraws(tenDraws());
    fake.chooser.answers = {elsewhere.file(QStringLiteral("numeros.dat"))};
    store->importDraws();
    EXPECT_EQ(data(), before);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("numeros.tmp"))));
    // Each step was tried: the backup was made.
    EXPECT_EQ(dir.read(QStringLiteral("numeros.bak")).toHex(), before);
    EXPECT_EQ(fake.prompter.texts(), QStringList{kInvalid + QStringLiteral(" Error 75")});
    EXPECT_EQ(log, (QStringList{QStringLiteral("status"), QStringLiteral("results")}));
    EXPECT_EQ(state->nextDrawRecord, 4);
}

TEST_F(DrawStoreTest, FailedBackupKeepsTheDrawFileAndReportsTheError) {
    dir.writeDraws(tenDraws().mid(0, 3));
    auto ops = std::make_shared<FaultyOps>();
    ops->refuseReplace = [](const QString&, const QString& target) {
        return endsWith(target, "numeros.bak");
    };
    start(ops);
    TempFolder elsewhere;
    elsewhere.writeDraws(tenDraws());
    fake.chooser.answers = {elsewhere.file(QStringLiteral("numeros.dat"))};
    store->importDraws();
    // Without a backup the draws it holds would be lost: it is not replaced.
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), imageOf(tenDraws().mid(0, 3)));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("numeros.tmp"))));
    EXPECT_EQ(fake.prompter.texts(), QStringList{kInvalid + QStringLiteral(" Error 75")});
    EXPECT_EQ(state->nextDrawRecord, 4);
}

// --- Deleting one draw ------------------------------------------------------

TEST_F(DrawStoreTest, ClickingADrawDoesNothingUntilDeleteModeIsOn) {
    dir.writeDraws(tenDraws());
    start(std::make_shared<FileOps>());
    EXPECT_FALSE(store->deleteDraw(1));
    EXPECT_TRUE(fake.prompter.shown.isEmpty());
    EXPECT_EQ(state->files.draws().count(), 10);

    fake.prompter.answers = {false, false};
    store->deleteAllDraws();
    EXPECT_TRUE(state->view.drawDeleteMode);
    EXPECT_EQ(fake.prompter.texts(), (QStringList{kDeleteAll, kReset}));
    EXPECT_EQ(state->files.draws().count(), 10);

    fake.prompter.clear();
    fake.prompter.answers = {false};
    EXPECT_FALSE(store->deleteDraw(1));
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].text,
              QStringLiteral("¿Seguro que quieres eliminar este sorteo?"));
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Borrar..."));
    EXPECT_EQ(fake.prompter.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(state->files.draws().count(), 10);
}

TEST_F(DrawStoreTest, DeletingRowOneOfTenRemovesTheNewestRecord) {
    const QList<DrawRecord> draws = tenDraws();
    dir.writeDraws(draws);
    start(std::make_shared<FileOps>());
    state->view.drawDeleteMode = true;
    fake.prompter.answers = {true};
    EXPECT_TRUE(store->deleteDraw(1));
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), imageOf(draws.mid(0, 9)));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("numeros.tmp"))));
    EXPECT_EQ(log, (QStringList{QStringLiteral("row 1"), QStringLiteral("status")}));
    EXPECT_EQ(state->nextDrawRecord, 10);
    EXPECT_EQ(state->latestDraw.encode(), draws[8].encode());

    // Row 9 of the nine left is the oldest, record 1.
    fake.prompter.answers = {true};
    EXPECT_TRUE(store->deleteDraw(9));
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), imageOf(draws.mid(1, 8)));
    // Rows past the end are no draw.
    EXPECT_FALSE(store->deleteDraw(9));
}

TEST_F(DrawStoreTest, RefusedDeletionShowsThePermissionMessageAndKeepsTheFile) {
    dir.writeDraws(tenDraws());
    auto ops = std::make_shared<FaultyOps>();
    ops->refuseReplace = [](const QString&, const QString& target) {
        return endsWith(target, "numeros.dat");
    };
    start(ops);
    const QString before = data();
    state->view.drawDeleteMode = true;
    fake.prompter.answers = {true};
    EXPECT_FALSE(store->deleteDraw(3));
    ASSERT_EQ(fake.prompter.shown.size(), 2);
    EXPECT_EQ(fake.prompter.shown[1].text, kPermission);
    EXPECT_EQ(fake.prompter.shown[1].title, QStringLiteral("Error de permiso"));
    EXPECT_EQ(fake.prompter.shown[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(data(), before);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("numeros.tmp"))));
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(state->nextDrawRecord, 11);
    EXPECT_EQ(state->files.draws().count(), 10);

    // Any other failure says the file was left as it was.
    ops->kind = StoreError::Kind::Io;
    fake.prompter.clear();
    fake.prompter.answers = {true};
    EXPECT_FALSE(store->deleteDraw(3));
    ASSERT_EQ(fake.prompter.shown.size(), 2);
    EXPECT_TRUE(fake.prompter.shown[1].text.contains(QStringLiteral("se ha dejado como estaba")));
    EXPECT_EQ(data(), before);
}

// --- Deleting all draws and the reset ---------------------------------------

TEST_F(DrawStoreTest, DeletingAllDrawsEmptiesTheFileAndRefreshes) {
    dir.writeDraws(tenDraws());
    dir.writePenas(twoPenas());
    start(std::make_shared<FileOps>());
    const QByteArray penas = dir.read(QStringLiteral("apuestas.dat"));
    fake.prompter.answers = {true, false};
    store->deleteAllDraws();
    EXPECT_EQ(fake.prompter.texts(), (QStringList{kDeleteAll, kReset}));
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("Borrar..."), QStringLiteral("Borrar...")}));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("numeros.dat"))));
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")).size(), 0);
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), penas);
    EXPECT_EQ(log, (QStringList{QStringLiteral("status"), QStringLiteral("results")}));
    EXPECT_EQ(state->nextDrawRecord, 1);
    // The reopened handle takes new draws.
    state->files.writeDraw(1, tenDraws()[0]);
    EXPECT_EQ(state->files.draws().count(), 1);
}

TEST_F(DrawStoreTest, ResetWithoutDeletingKeepsTheDraws) {
    dir.writeDraws(tenDraws());
    const QList<PenaRecord> penas = twoPenas();
    dir.writePenas(penas);
    start(std::make_shared<FileOps>());
    const QString draws = data();
    fake.clock.set(QDate(2023, 3, 9));
    fake.prompter.answers = {false, true};
    store->deleteAllDraws();
    EXPECT_EQ(data(), draws);
    EXPECT_EQ(log, QStringList{QStringLiteral("status")});
    const QList<PenaRecord> after = state->files.readAllPenas();
    ASSERT_EQ(after.size(), 2);
    for (int i = 0; i < 2; ++i) {
        for (qint16 h : after[i].hits)
            EXPECT_EQ(h, 0);
        EXPECT_EQ(after[i].lastCounted, 0.0);
        EXPECT_EQ(dateFromOle(after[i].createdOn), QDate(2023, 3, 9));
        // Everything else is as it was.
        PenaRecord expected = penas[i];
        expected.hits.fill(0);
        expected.lastCounted = 0;
        expected.createdOn = oleFromDate(QDate(2023, 3, 9));
        EXPECT_EQ(after[i].encode(), expected.encode());
    }
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("apuestas.tmp"))));
}

TEST_F(DrawStoreTest, RefusedRewritesEndTheOperationWithThePermissionMessage) {
    dir.writeDraws(tenDraws());
    dir.writePenas(twoPenas());
    auto ops = std::make_shared<FaultyOps>();
    ops->refuseReplace = [](const QString&, const QString&) { return true; };
    start(ops);
    const QString draws = data();
    const QByteArray penas = dir.read(QStringLiteral("apuestas.dat"));

    // Deleting the draws fails: the reset question is not asked.
    fake.prompter.answers = {true, true};
    store->deleteAllDraws();
    EXPECT_EQ(fake.prompter.texts(), (QStringList{kDeleteAll, kPermission}));
    EXPECT_EQ(data(), draws);
    EXPECT_TRUE(log.isEmpty());

    // The reset fails: the peñas are as they were.
    fake.prompter.clear();
    fake.prompter.answers = {false, true};
    store->deleteAllDraws();
    EXPECT_EQ(fake.prompter.texts(), (QStringList{kDeleteAll, kReset, kPermission}));
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), penas);
    EXPECT_EQ(state->files.readAllPenas().size(), 2);
    EXPECT_TRUE(log.isEmpty());
}

// A program folder the user may not write to, as it really is: the files were
// opened before, but no work copy can be created beside them. The deletions
// run in a child process without root's rights (root ignores permission bits).
TEST_F(DrawStoreTest, ReadOnlyProgramFolderShowsThePermissionMessage) {
    dir.writeDraws(tenDraws());
    dir.writePenas(twoPenas());
    start(std::make_shared<FileOps>());
    const QString draws = data();
    const QByteArray penas = dir.read(QStringLiteral("apuestas.dat"));
    const QByteArray folder = QFile::encodeName(QDir(dir.path()).absolutePath());
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    // Draw files elsewhere: one the user may not read, one to import.
    TempFolder elsewhere;
    elsewhere.writeDraws(tenDraws());
    elsewhere.write(QStringLiteral("hidden.dat"), imageOf(tenDraws()));
    ASSERT_EQ(::chmod(QFile::encodeName(QDir(elsewhere.path()).absolutePath()).constData(), 0755),
              0);
    ASSERT_EQ(
        ::chmod(QFile::encodeName(elsewhere.file(QStringLiteral("hidden.dat"))).constData(), 0000),
        0);

    const auto child = [&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            std::fputs("cannot drop root rights\n", stderr);
            std::_Exit(2);
        }
        bool ok = true;
        const auto expect = [&](const QStringList& shown, const QStringList& wanted,
                                const char* what) {
            if (shown == wanted) return;
            ok = false;
            std::fprintf(stderr, "%s: %s\n", what, qPrintable(shown.join(QLatin1Char('|'))));
        };
        state->view.drawDeleteMode = true;
        fake.prompter.answers = {true};
        store->deleteDraw(3);
        expect(fake.prompter.texts(),
               {QStringLiteral("¿Seguro que quieres eliminar este sorteo?"), kPermission},
               "one draw");
        fake.prompter.clear();
        fake.prompter.answers = {true, true};
        store->deleteAllDraws();
        expect(fake.prompter.texts(), {kDeleteAll, kPermission}, "all draws");
        fake.prompter.clear();
        fake.prompter.answers = {false, true};
        store->deleteAllDraws();
        expect(fake.prompter.texts(), {kDeleteAll, kReset, kPermission}, "reset");
        // Imports report the refusal by its number.
        fake.prompter.clear();
        fake.chooser.answers = {elsewhere.file(QStringLiteral("hidden.dat"))};
        store->importDraws();
        expect(fake.prompter.texts(), {kInvalid, kInvalid + QStringLiteral(" Error 75")},
               "unreadable choice");
        fake.prompter.clear();
        fake.chooser.answers = {elsewhere.file(QStringLiteral("numeros.dat"))};
        store->importDraws();
        expect(fake.prompter.texts(), {kInvalid + QStringLiteral(" Error 75")}, "import");
        std::fflush(stderr);
        std::_Exit(ok ? 0 : 1);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");

    ASSERT_EQ(::chmod(folder.constData(), 0700), 0);
    EXPECT_EQ(data(), draws);
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), penas);
}

// Data files the user may read but not write, or not read at all, opened
// without root's rights (root ignores permission bits): what can be read is
// shown, nothing is changed, and every change says why it is refused.
TEST_F(DrawStoreTest, FilesThatMayNotBeWrittenAreShownAndNeverChanged) {
    dir.writeDraws(tenDraws());
    dir.writePenas(twoPenas());
    const QByteArray draws = dir.read(QStringLiteral("numeros.dat"));
    const QByteArray penas = dir.read(QStringLiteral("apuestas.dat"));
    const auto chmodFile = [&](const char* name, mode_t mode) {
        return ::chmod(QFile::encodeName(dir.file(QString::fromLatin1(name))).constData(), mode);
    };
    ASSERT_EQ(chmodFile("numeros.dat", 0444), 0);
    ASSERT_EQ(chmodFile("apuestas.dat", 0444), 0);
    dir.write(QStringLiteral("nums.ini"), QByteArray(14, '\0'));
    ASSERT_EQ(chmodFile("nums.ini", 0000), 0);
    dir.write(QStringLiteral("www.txt"), {});
    // The folder may be entered but not written.
    const QByteArray folder = QFile::encodeName(QDir(dir.path()).absolutePath());
    ASSERT_EQ(::chmod(folder.constData(), 0755), 0);

    const auto child = [&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
        bool ok = true;
        const auto expect = [&](bool good, const char* what) {
            if (good) return;
            ok = false;
            std::fprintf(stderr, "%s: %s\n", what, qPrintable(fake.prompter.texts().join('|')));
        };
        start(std::make_shared<FileOps>());
        const QString problems = state->files.openProblemsText();
        expect(problems.contains(QStringLiteral("apuestas.dat: sólo se puede leer")) &&
                   problems.contains(QStringLiteral("numeros.dat: sólo se puede leer")) &&
                   problems.contains(QStringLiteral("nums.ini: no tiene permiso para abrirlo")),
               qPrintable(problems));
        expect(state->files.readAllPenas().size() == 2 && state->nextDrawRecord == 11, "read");
        const QString drawsRefused = state->files.draws().refusalText();
        const QString penasRefused = state->files.penas().refusalText();
        fake.prompter.answers = {true, true};
        store->deleteAllDraws();
        expect(fake.prompter.texts() == QStringList{kDeleteAll, drawsRefused}, "all draws");
        fake.prompter.clear();
        fake.prompter.answers = {false, true};
        store->deleteAllDraws();
        expect(fake.prompter.texts() == QStringList{kDeleteAll, kReset, penasRefused}, "reset");
        fake.prompter.clear();
        fake.prompter.answers = {true};
        store->deleteDraw(3);
        expect(fake.prompter.texts().size() == 2 && fake.prompter.texts()[1] == drawsRefused,
               "one draw");
        fake.prompter.clear();
        store->importDraws();
        expect(fake.prompter.texts() == QStringList{drawsRefused}, "import");
        try {
            state->files.writePena(3, twoPenas()[0]);
            expect(false, "append");
        } catch (const StoreError& e) {
            expect(e.kind() == StoreError::Kind::Unavailable && e.text() == penasRefused, "append");
        }
        std::fflush(stderr);
        std::_Exit(ok ? 0 : 1);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), draws);
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), penas);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5); // the five data files
}

// --- A damaged draw file ----------------------------------------------------

TEST_F(DrawStoreTest, DamagedFileIsKeptAsideBeforeItIsEmptied) {
    QList<DrawRecord> draws = tenDraws().mid(0, 3);
    draws[1].stars[1] = 13;
    dir.writeDraws(draws);
    start(std::make_shared<FileOps>());
    const QByteArray damaged = dir.read(QStringLiteral("numeros.dat"));

    store->discardDamagedDraws();
    const QString kept = dir.file(QStringLiteral("numeros-corrupto.dat"));
    EXPECT_EQ(dir.read(QStringLiteral("numeros-corrupto.dat")), damaged);
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")).size(), 0);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("numeros.dat"))));
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    const auto& m = fake.prompter.shown[0];
    EXPECT_TRUE(m.text.startsWith(QStringLiteral(
        "Archivo de números ganadores no válido. ¡Se perderán los sorteos grabados!.")));
    EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(kept))) << m.text.toStdString();
    EXPECT_EQ(m.title, QStringLiteral("Error de lectura"));
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
    EXPECT_EQ(log, (QStringList{QStringLiteral("status"), QStringLiteral("results")}));
    EXPECT_EQ(state->nextDrawRecord, 1);
    EXPECT_EQ(state->latestDraw.drawDate, 0.0);

    // A second damaged file does not overwrite the first one kept.
    dir.writeDraws(draws);
    start(std::make_shared<FileOps>());
    store->discardDamagedDraws();
    EXPECT_EQ(dir.read(QStringLiteral("numeros-corrupto.dat")), damaged);
    EXPECT_EQ(dir.read(QStringLiteral("numeros-corrupto-2.dat")), damaged);
}

TEST_F(DrawStoreTest, DamagedFileThatCannotBeKeptIsNotDestroyed) {
    QList<DrawRecord> draws = tenDraws().mid(0, 2);
    draws[0].numbers[2] = 51;
    dir.writeDraws(draws);
    auto ops = std::make_shared<FaultyOps>();
    ops->refuseReplace = [](const QString&, const QString&) { return true; };
    start(ops);
    const QString damaged = data();
    const KeptDrawFile kept = keepDamagedDrawFile(state->files);
    EXPECT_TRUE(kept.path.isEmpty());
    EXPECT_FALSE(kept.emptied);
    EXPECT_EQ(data(), damaged);
    EXPECT_EQ(state->files.draws().count(), 2);
    EXPECT_TRUE(damagedDrawsText(kept).contains(QStringLiteral("se ha dejado como estaba")));
}
