// Nothing is ever written through a link the program did not make: a work
// file left as a link to a file elsewhere is removed and made anew, and that
// file keeps its bytes. A data file that is itself a link is read and written
// on the file it names, every time, and stays a link.
#include "download/cache.h"
#include "download/news.h"
#include "download/report.h"
#include "store/appstate.h"
#include "store/drawstore.h"
#include "store/penastore.h"
#include "support/fakes.h"
#include "support/faultyops.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QList<DrawRecord> sixDraws() {
    QList<DrawRecord> out;
    QDate day(2023, 1, 3);
    for (int i = 0; i < 6; ++i) {
        out.append(makeDraw(day, {1 + i, 11 + i, 21 + i, 31 + i, 41 + i}, {1, 2}));
        day = day.addDays(day.dayOfWeek() == Qt::Tuesday ? 3 : 4);
    }
    return out;
}

PenaRecord pena(const char* name) {
    return makeSimplePena(QString::fromLatin1(name), QStringLiteral("Todos"), QDate(2023, 1, 1),
                          {{{1, 2, 3, 4, 5}, {1, 2}}});
}

struct Folder {
    explicit Folder(std::shared_ptr<FaultyOps> ops = std::make_shared<FaultyOps>())
        : state(std::move(ops)) {
        dir.writePenas({pena("UNO"), pena("DOS")});
        dir.writeDraws(sixDraws());
        elsewhere.write(QStringLiteral("victim"), "not the program's");
    }
    void open() {
        state.files.openAll(dir.path());
        state.nextPenaRecord = state.files.penas().count() + 1;
        state.nextDrawRecord = state.files.draws().count() + 1;
    }
    QString victim() const { return elsewhere.file(QStringLiteral("victim")); }
    void linkToVictim(const QString& name) const {
        ASSERT_TRUE(QFile::link(victim(), dir.file(name)));
    }

    TempFolder dir, elsewhere, chosen;
    AppState state;
    FakePlatform fake;
    DrawStore store{state, fake.platform, {}};
};

struct WorkFileCase {
    const char* workFile;
    std::function<void(Folder&)> run;
    const char* changed; // the file the operation rewrote
};

const WorkFileCase kWorkFiles[] = {
    {"numeros.tmp",
     [](Folder& f) {
         f.state.view.drawDeleteMode = true;
         f.fake.prompter.answers = {true};
         EXPECT_TRUE(f.store.deleteDraw(1));
     },
     "numeros.dat"},
    {"apuestas.tmp", [](Folder& f) { deletePenaRecord(f.state.files, 1); }, "apuestas.dat"},
    {"www.tmp", [](Folder& f) { replaceCache(f.state.files, "\"[]\"\r\n"); }, "www.txt"},
    {"informe.tmp",
     [](Folder& f) {
         f.state.files.ops().replaceWith(f.dir.file(kNewsWorkFile), f.dir.file(kNewsFile), {"n"});
     },
     "informe.dat"},
    {"zul.tmp",
     [](Folder& f) {
         f.state.files.ops().replaceWith(f.dir.file(kReportWorkFile), f.dir.file(kReportFile),
                                         {"%PDF"});
     },
     "zul.pdf"},
    // An import stages the chosen file in numeros.tmp and backs up through a .part.
    {"numeros.bak.part",
     [](Folder& f) {
         f.chosen.writeDraws(sixDraws().mid(0, 3));
         f.fake.chooser.answers = {f.chosen.file(QStringLiteral("numeros.dat"))};
         f.store.importDraws();
         EXPECT_TRUE(f.fake.prompter.texts().contains(
             QStringLiteral("Archivo de sorteos importado con éxito")));
     },
     "numeros.dat"},
};

} // namespace

TEST(WorkFiles, ALinkLeftInTheirPlaceIsNeverWrittenThrough) {
    for (const WorkFileCase& c : kWorkFiles) {
        SCOPED_TRACE(c.workFile);
        Folder f;
        f.linkToVictim(QString::fromLatin1(c.workFile));
        if (QByteArray(c.workFile) == "numeros.bak.part") f.linkToVictim(kDrawWorkFile);
        f.open();
        const QByteArray before = f.dir.read(QString::fromLatin1(c.changed));
        c.run(f);
        EXPECT_EQ(f.elsewhere.read(QStringLiteral("victim")), "not the program's");
        const QFileInfo work(f.dir.file(QString::fromLatin1(c.workFile)));
        EXPECT_FALSE(work.exists() || work.isSymbolicLink());
        const QFileInfo changed(f.dir.file(QString::fromLatin1(c.changed)));
        EXPECT_TRUE(changed.isFile() && !changed.isSymbolicLink());
        EXPECT_NE(f.dir.read(QString::fromLatin1(c.changed)), before);
    }
}

// apuestas.dat and numeros.dat as links to files in another folder: a new
// peña, a deleted one, a deleted draw and a damaged file set aside all act on
// the files they name, and the links stay.
TEST(WorkFiles, DataFilesThatAreLinksStayLinksToTheFilesWritten) {
    Folder f;
    for (const char* name : {"apuestas.dat", "numeros.dat"}) {
        const QString data = QString::fromLatin1(name);
        ASSERT_TRUE(QFile::rename(f.dir.file(data), f.elsewhere.file(data)));
        ASSERT_TRUE(QFile::link(f.elsewhere.file(data), f.dir.file(data)));
    }
    f.open();
    appendPenaRecord(f.state.files, 3, pena("TRES"));
    deletePenaRecord(f.state.files, 1);
    f.state.view.drawDeleteMode = true;
    f.fake.prompter.answers = {true};
    ASSERT_TRUE(f.store.deleteDraw(1));
    const auto names = [](const QByteArray& bytes) {
        QStringList out;
        for (qsizetype at = 0; at + kPenaRecordSize <= bytes.size(); at += kPenaRecordSize)
            out.append(PenaRecord::decode(bytes.mid(at, kPenaRecordSize)).nameText());
        return out;
    };
    EXPECT_EQ(names(f.elsewhere.read(QStringLiteral("apuestas.dat"))),
              (QStringList{QStringLiteral("DOS"), QStringLiteral("TRES")}));
    EXPECT_EQ(f.elsewhere.read(QStringLiteral("numeros.dat")).size(), 5 * kDrawRecordSize);
    for (const char* name : {"apuestas.dat", "numeros.dat"})
        EXPECT_TRUE(QFileInfo(f.dir.file(QString::fromLatin1(name))).isSymbolicLink()) << name;

    const KeptDrawFile kept = keepDamagedDrawFile(f.state.files);
    EXPECT_TRUE(kept.emptied);
    EXPECT_EQ(kept.path, f.elsewhere.file(QStringLiteral("numeros-corrupto.dat")));
    EXPECT_EQ(QFileInfo(kept.path).size(), 5 * kDrawRecordSize);
    EXPECT_TRUE(QFileInfo(f.dir.file(QStringLiteral("numeros.dat"))).isSymbolicLink());
    EXPECT_EQ(QFileInfo(f.elsewhere.file(QStringLiteral("numeros.dat"))).size(), 0);
}

// A start after a crash clears what the last run left half done; a link among
// the leftovers goes, the file it names stays.
TEST(WorkFiles, LeftoversOfACrashedRunAreRemoved) {
    Folder f;
    const QStringList leftovers{
        QStringLiteral("numeros.tmp"),      QStringLiteral("apuestas.tmp"),
        QStringLiteral("www.tmp"),          QStringLiteral("informe.tmp"),
        QStringLiteral("numeros.bak.part"), QStringLiteral("numeros-corrupto-2.dat.part")};
    for (const QString& name : leftovers)
        f.dir.write(name, "half");
    f.linkToVictim(QStringLiteral("zul.tmp"));
    f.dir.write(QStringLiteral("mis notas.part"), "the user's");
    removeLeftoverWorkFiles(
        f.state.files.ops(), f.dir.path(),
        {kPenaWorkFile, kDrawWorkFile, kAnswerWorkFile, kNewsWorkFile, kReportWorkFile});
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files | QDir::System),
              (QStringList{QStringLiteral("apuestas.dat"), QStringLiteral("mis notas.part"),
                           QStringLiteral("numeros.dat")}));
    EXPECT_EQ(f.elsewhere.read(QStringLiteral("victim")), "not the program's");
}

// A draw file of a gigabyte is read no further than the most records a file
// may hold.
TEST(WorkFiles, AHugeDrawFileIsReadOnlyUpToTheRecordLimit) {
    Folder f;
    {
        QFile huge(f.dir.file(QStringLiteral("numeros.dat")));
        ASSERT_TRUE(huge.open(QIODevice::ReadWrite));
        ASSERT_TRUE(huge.resize(qint64(1) << 30)); // sparse: no disk space needed
    }
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    f.open();
    EXPECT_EQ(f.state.files.draws().count(), kMaxRecords);
    EXPECT_EQ(f.state.files.readAllDraws().size(), kMaxRecords);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "KB more memory";
}
