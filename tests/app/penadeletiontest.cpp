#include "app/penadeletion.h"
#include "store/appstate.h"
#include "store/penastore.h"
#include "store/storeerror.h"
#include "support/fakes.h"
#include "support/faultyops.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

QList<PenaRecord> penas() {
    QList<PenaRecord> out;
    for (const char* name : {"UNO", "DOS", "TRES"})
        out.append(makeSimplePena(QString::fromLatin1(name), QStringLiteral("Todos"),
                                  QDate(2023, 1, 3), {{{1, 2, 3, 4, 5}, {1, 2}}}));
    return out;
}

} // namespace

TEST(DeletePena, AsksWithTheTrimmedNameAndDeletesOnYes) {
    TempFolder dir;
    dir.writePenas(penas());
    AppState state;
    state.files.openAll(dir.path());
    ScriptedPrompter prompter;
    state.view.selectedPena = 2;
    prompter.answers = {false};
    EXPECT_FALSE(runDeletePena(state, prompter));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("¿Seguro que quieres eliminar la Peña DOS?"));
    EXPECT_EQ(prompter.shown[0].title, QStringLiteral("Borrar..."));
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_EQ(state.files.penas().count(), 3);

    prompter.answers = {true};
    EXPECT_TRUE(runDeletePena(state, prompter));
    EXPECT_EQ(state.files.penas().count(), 2);
    EXPECT_EQ(state.files.readPena(2)->nameText(), QStringLiteral("TRES"));
}

TEST(DeletePena, NothingSelected) {
    TempFolder dir;
    dir.writePenas(penas());
    AppState state;
    state.files.openAll(dir.path());
    ScriptedPrompter prompter;
    EXPECT_FALSE(runDeletePena(state, prompter));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("Seleccione una peña primero..."));
    EXPECT_EQ(prompter.shown[0].title, QStringLiteral("¡Nooooo!"));
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Information);
    // A selection past the end (the "VACÍO" row of an empty file) answers the same.
    state.view.selectedPena = 9;
    prompter.clear();
    EXPECT_FALSE(runDeletePena(state, prompter));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Seleccione una peña primero...")});
}

TEST(DeletePena, RefusedRewriteShowsThePermissionMessage) {
    TempFolder dir;
    dir.writePenas(penas());
    const QByteArray before = dir.read(QStringLiteral("apuestas.dat"));
    AppState state(refusingOps());
    state.files.openAll(dir.path());
    ScriptedPrompter prompter;
    state.view.selectedPena = 1;
    prompter.answers = {true};
    EXPECT_FALSE(runDeletePena(state, prompter));
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[1].text, permissionErrorText());
    EXPECT_EQ(prompter.shown[1].title, QStringLiteral("Error de permiso"));
    EXPECT_EQ(prompter.shown[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), before);
}

TEST(DeletePena, OtherFailuresSaySoAndKeepTheFile) {
    TempFolder dir;
    dir.writePenas(penas());
    const QByteArray before = dir.read(QStringLiteral("apuestas.dat"));
    AppState state(refusingOps(StoreError::Kind::Io));
    state.files.openAll(dir.path());
    ScriptedPrompter prompter;
    state.view.selectedPena = 3;
    prompter.answers = {true};
    EXPECT_FALSE(runDeletePena(state, prompter));
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[1].title, QStringLiteral("¡Vaya hombre!"));
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), before);
    EXPECT_EQ(state.files.penas().count(), 3);
}
