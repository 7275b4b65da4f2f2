// Every operation that writes a data file, with each of its write, flush, sync
// and rename steps failing in turn: the files must hold the old content or the
// new, byte for byte, the user must be told, the files must be open again and
// a retry must work.

#include "app/penadeletion.h"
#include "check/checking.h"
#include "create/numbergrid.h"
#include "create/penaform.h"
#include "download/cache.h"
#include "store/appstate.h"
#include "store/drawstore.h"
#include "support/fakes.h"
#include "support/faultyops.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

namespace {

QList<DrawRecord> draws() {
    QList<DrawRecord> out;
    QDate day(2023, 1, 3); // a Tuesday
    for (int i = 0; i < 6; ++i) {
        out.append(makeDraw(day, {1 + i, 2 + i, 3 + i, 4 + i, 5 + i}, {1, 2}));
        day = day.addDays(day.dayOfWeek() == Qt::Tuesday ? 3 : 4);
    }
    return out;
}

QList<PenaRecord> penas() {
    // Never counted: a results pass writes every one of them.
    QList<PenaRecord> out;
    for (int i = 1; i <= 3; ++i)
        out.append(makeSimplePena(QStringLiteral("PEÑA %1").arg(i), QStringLiteral("Todos"),
                                  QDate(2023, 1, 1), {{{i, i + 1, i + 2, i + 3, i + 4}, {1, 2}}}));
    return out;
}

// One program folder with its files open over the fault-injecting layer.
struct Folder {
    explicit Folder(std::shared_ptr<FaultyOps> faults) : ops(faults), state(std::move(faults)) {
        dir.writePenas(penas());
        dir.writeDraws(draws());
        other.writeDraws(draws().mid(0, 4));
        state.files.openAll(dir.path());
        recount();
    }
    void recount() {
        state.nextPenaRecord = state.files.penas().count() + 1;
        state.nextDrawRecord = state.files.draws().count() + 1;
    }
    QByteArray file(const char* name) const { return dir.read(QString::fromLatin1(name)); }

    TempFolder dir;
    TempFolder other; // holds a draw file to import
    std::shared_ptr<FaultyOps> ops;
    AppState state;
    FakePlatform fake;
    PenaForm form{state, fake.clock, fake.random};
    PrizeBlink blink{state};
    DrawStore store{state, fake.platform, {}};
};

struct Operation {
    const char* name;
    std::function<void(Folder&)> prepare; // once, before the first attempt
    // One attempt; true when the user was told of a failure.
    std::function<bool(Folder&)> run;
};

bool throwsStoreError(const std::function<void()>& write) {
    try {
        write();
        return false;
    } catch (const StoreError&) {
        return true;
    }
}

bool toldOfFailure(const ScriptedPrompter& prompter) {
    for (const auto& s : prompter.shown)
        if (!s.question) return true;
    return false;
}

const Operation kOperations[] = {
    {"create a peña",
     [](Folder& f) {
         f.form.open(0);
         f.form.setName(QStringLiteral("NUEVA"));
         for (int n : {10, 20, 30, 40, 50})
             f.form.clickCell(n);
         while (f.form.transitionTick()) {
         }
         for (int s : {3, 4})
             f.form.clickCell(NumberGrid::starCell(s));
     },
     [](Folder& f) {
         const SaveResult r = f.form.saveNewPena();
         return r != SaveResult::Saved && PenaForm::saveMessage(r, f.form.refusal()).has_value();
     }},
    {"delete a peña", [](Folder& f) { f.state.view.selectedPena = 2; },
     [](Folder& f) {
         f.fake.prompter.clear();
         f.fake.prompter.answers = {true};
         const bool deleted = runDeletePena(f.state, f.fake.prompter);
         return !deleted && toldOfFailure(f.fake.prompter);
     }},
    {"delete a draw", [](Folder& f) { f.state.view.drawDeleteMode = true; },
     [](Folder& f) {
         f.fake.prompter.clear();
         f.fake.prompter.answers = {true};
         const bool deleted = f.store.deleteDraw(2);
         f.recount();
         return !deleted && toldOfFailure(f.fake.prompter);
     }},
    {"delete all draws",
     {},
     [](Folder& f) {
         f.fake.prompter.clear();
         f.fake.prompter.answers = {true, false};
         f.store.deleteAllDraws();
         return toldOfFailure(f.fake.prompter);
     }},
    {"reset the hits",
     {},
     [](Folder& f) {
         f.fake.prompter.clear();
         f.fake.prompter.answers = {false, true};
         f.store.deleteAllDraws();
         return toldOfFailure(f.fake.prompter);
     }},
    {"import a draw file",
     {},
     [](Folder& f) {
         f.fake.prompter.clear();
         f.fake.chooser.answers = {f.other.file(QStringLiteral("numeros.dat"))};
         f.store.importDraws();
         const QStringList texts = f.fake.prompter.texts();
         return !texts.isEmpty() && texts.last().contains(QStringLiteral(" Error "));
     }},
    {"store a pass's hits",
     {},
     [](Folder& f) {
         const ResultsLists lists = buildSimpleResults(f.state, f.blink, 6);
         return !lists.stored.failure.isEmpty();
     }},
    // The download's two writes; the transfer turns their errors into messages.
    {"replace the answer cache",
     {},
     [](Folder& f) {
         return throwsStoreError([&] { replaceCache(f.state.files, "\"[{\"\"a\"\":1}]\"\r\n"); });
     }},
    {"append new draws",
     {},
     [](Folder& f) {
         QList<DrawRecord> newer;
         for (int i = 1; i <= 3; ++i)
             newer.append(makeDraw(QDate(2023, 1, 20).addDays(7 * i), {7, 8, 9, 10, 11}, {3, 4}));
         const bool failed =
             throwsStoreError([&] { f.state.files.appendDraws(f.state.nextDrawRecord, newer); });
         f.recount();
         return failed;
     }},
};

struct Images {
    QByteArray penas, draws, cache;
    bool operator==(const Images&) const = default;
};

Images imagesOf(const Folder& f) {
    return {f.file("apuestas.dat"), f.file("numeros.dat"), f.file("www.txt")};
}

} // namespace

TEST(FaultWalk, EveryFailedStepLeavesOldOrNewFilesTellsTheUserAndARetryWorks) {
    int pointsTried = 0;
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.name);
        // The operation without failures: its steps and what it leaves.
        auto counting = std::make_shared<FaultyOps>();
        Folder clean(counting);
        const Images before = imagesOf(clean);
        if (op.prepare) op.prepare(clean);
        counting->steps = 0;
        EXPECT_FALSE(op.run(clean));
        const int steps = counting->steps;
        const Images after = imagesOf(clean);
        ASSERT_GT(steps, 0);
        // No rename is reported done before it has reached the disk.
        EXPECT_EQ(counting->folderSyncs, counting->renames);
        ASSERT_NE(after, before);

        for (int k = 1; k <= steps; ++k) {
            SCOPED_TRACE(k);
            auto faults = std::make_shared<FaultyOps>();
            Folder f(faults);
            if (op.prepare) op.prepare(f);
            faults->steps = 0;
            faults->failAt = k;
            EXPECT_TRUE(op.run(f))
                << "not told of " << faults->failed.join(QLatin1Char(',')).toStdString();
            ASSERT_EQ(faults->failed.size(), 1);
            const Images now = imagesOf(f);
            EXPECT_TRUE(now.penas == before.penas || now.penas == after.penas);
            EXPECT_TRUE(now.draws == before.draws || now.draws == after.draws);
            EXPECT_TRUE(now.cache == before.cache || now.cache == after.cache);
            EXPECT_EQ(now, before) << "a failed step changed a file";
            EXPECT_TRUE(f.state.files.penas().isWritable());
            EXPECT_TRUE(f.state.files.draws().isWritable());
            // No work copy is left behind; a backup is the old draws.
            const QStringList left = QDir(f.dir.path()).entryList(QDir::Files);
            EXPECT_EQ(left.filter(QRegularExpression(QStringLiteral("\\.(tmp|part)$"))),
                      QStringList());
            if (left.contains(QStringLiteral("numeros.bak"))) {
                EXPECT_EQ(f.file("numeros.bak"), before.draws);
            }

            faults->failAt = 0;
            EXPECT_FALSE(op.run(f));
            EXPECT_EQ(imagesOf(f), after) << "the retry did not end as a clean run";
            ++pointsTried;
        }
    }
    // Every operation's every step was tried.
    EXPECT_GE(pointsTried, 30);
    std::printf("fault walk: %d failure points tried\n", pointsTried);
}

// A disk that stays full: the failed creation writes nothing, and after space
// is freed the retry stores the peña exactly once.
TEST(FaultWalk, FullDiskCreationStoresThePeñaOnceAfterSpaceIsFreed) {
    auto faults = std::make_shared<FaultyOps>();
    Folder f(faults);
    kOperations[0].prepare(f);
    const QByteArray before = f.file("apuestas.dat");
    faults->failAt = 1;
    faults->failAfter = true;
    EXPECT_TRUE(kOperations[0].run(f));
    EXPECT_TRUE(kOperations[0].run(f));
    // Later writes (a results pass) fail too and leave nothing behind.
    EXPECT_FALSE(buildSimpleResults(f.state, f.blink, 6).stored.failure.isEmpty());
    EXPECT_EQ(f.file("apuestas.dat"), before);
    faults->failAt = 0;
    EXPECT_FALSE(kOperations[0].run(f));
    const QByteArray after = f.file("apuestas.dat");
    ASSERT_EQ(after.size(), before.size() + kPenaRecordSize);
    EXPECT_EQ(PenaRecord::decode(after.right(kPenaRecordSize)).nameText(), QStringLiteral("NUEVA"));
}

// A read error while copying the chosen draw file: nothing is imported.
TEST(FaultWalk, ReadErrorDuringImportLeavesTheDrawFileAndSaysSo) {
    auto faults = std::make_shared<FaultyOps>();
    Folder f(faults);
    const QByteArray before = f.file("numeros.dat");
    faults->readFailAt = 1;
    EXPECT_TRUE(kOperations[5].run(f));
    EXPECT_FALSE(
        f.fake.prompter.texts().contains(QStringLiteral("Archivo de sorteos importado con éxito")));
    EXPECT_EQ(f.file("numeros.dat"), before);
    EXPECT_FALSE(QFile::exists(f.dir.file(QStringLiteral("numeros.tmp"))));
}
