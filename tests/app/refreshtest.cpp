#include "app/refresh.h"
#include "app/drawlist.h"
#include "store/appstate.h"
#include "store/drawstore.h"
#include "support/fakes.h"
#include "support/tempfolder.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(Activation, WelcomeOnceOverAnEmptyPeñaFileAndAnAddedPeñaBringsTheListsBack) {
    struct Case {
        const char* what;
        bool withPena, folderInPlace;
        int activation, penaAdded;
        bool welcome, backToOne;
    };
    for (const Case& c : {Case{"first, empty", false, false, 1, 0, true, false},
                          Case{"second, empty", false, false, 2, 0, false, false},
                          Case{"first, a peña", true, false, 1, 0, false, false},
                          Case{"peña file not opened", false, true, 1, 0, false, false},
                          Case{"a peña was added", true, false, 3, 1, false, true}}) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        if (c.withPena)
            dir.writePenas({makeSimplePena(QStringLiteral("UNA"), QStringLiteral("Todos"),
                                           QDate(2023, 1, 3), {{{1, 2, 3, 4, 5}, {1, 2}}})});
        if (c.folderInPlace) {
            ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("apuestas.dat")));
        }
        AppState state;
        state.files.openAll(dir.path());
        state.view.penaAdded = c.penaAdded;
        const Activation a = activate(state, c.activation);
        EXPECT_EQ(a.welcome, c.welcome);
        EXPECT_EQ(a.resultsBackToOne, c.backToOne);
        EXPECT_EQ(state.view.penaAdded, 0);
    }
}

TEST(DrawFileGuard, ADamagedFileIsSetAsideOnceEvenWhenItsRefreshesLookAgain) {
    TempFolder dir;
    DrawRecord bad = makeDraw(QDate(2023, 1, 3), {1, 2, 3, 4, 5}, {1, 13});
    dir.writeDraws({bad});
    AppState state;
    state.files.openAll(dir.path());
    state.nextDrawRecord = 2;
    FakePlatform fake;
    QList<DrawFileGuard::Check> nested;
    DrawFileGuard* guard = nullptr;
    DrawStore store(
        state, fake.platform,
        {{}, [&] { nested.append(guard->check(state.files, state.nextDrawRecord)); }, {}});
    DrawFileGuard g(store);
    guard = &g;
    // The refresh inside the discard looks again before the count is brought
    // down: it is told to count nothing, and the file is not set aside twice.
    EXPECT_EQ(g.check(state.files, state.nextDrawRecord), DrawFileGuard::Check::Discarded);
    EXPECT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(nested, QList<DrawFileGuard::Check>{DrawFileGuard::Check::Damaged});
    state.nextDrawRecord = 1;
    EXPECT_EQ(g.check(state.files, state.nextDrawRecord), DrawFileGuard::Check::Sound);
}
