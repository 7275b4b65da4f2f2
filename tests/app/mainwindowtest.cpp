#include "app/mainwindow.h"
#include "app/drawstab.h"
#include "app/hitchart.h"
#include "app/penamanagertab.h"
#include "app/startup.h"
#include "app/statuspanel.h"
#include "app/summaryframe.h"
#include "check/penadetail.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "support/fakes.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"
#include "widgets/clickablelabel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kWelcome = QStringLiteral(
    "Bienvenido a Vantiko. Vaya a la pestaña 'Gestor de Peñas' y cree una. La peña creada "
    "empezará a almacenar resultados a partir de hoy. Si quieres ver los resultados de la peña "
    "en sorteos anteriores, marque la casilla 'Histórico' de la pestaña 'General'.");

struct Fixture {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    std::unique_ptr<MainWindow> window;

    void start(QDate today) {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        fake.clock.set(today);
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->startUp(dir.path());
    }
    QString label(int i) const { return window->statusPanel()->label(i)->text(); }
    QTreeWidget* list() const { return window->penaManager()->penaList(); }
};

void clickRow(QTreeWidget* list, int row) {
    QTreeWidgetItem* item = list->topLevelItem(row - 1);
    const QRect r = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

TEST(MainWindow, FirstRunOverAnEmptyFolder) {
    Fixture f;
    f.start(QDate(2023, 3, 8));
    MainWindow& w = *f.window;
    EXPECT_EQ(w.windowTitle(),
              QStringLiteral("Vantiko - Comprueba tus Euromillones por internet. v.1.2.88"));
    for (const char* name : {"apuestas.dat", "numeros.dat", "www.txt", "nums.ini"})
        EXPECT_TRUE(QFile::exists(f.dir.file(QString::fromLatin1(name))));
    EXPECT_EQ(f.state.nextPenaRecord, 1);
    EXPECT_EQ(f.state.nextDrawRecord, 1);
    EXPECT_EQ(f.label(2), QStringLiteral("0"));
    EXPECT_EQ(f.label(3), QStringLiteral("Fichero de datos vacío."));
    EXPECT_EQ(f.label(5), QStringLiteral("Viernes, 10 de marzo del 2023"));
    EXPECT_EQ(f.label(6), QStringLiteral("No se ha actualizado nunca"));
    EXPECT_TRUE(w.statusPanel()->isBlinking());
    const bool shown = !w.statusPanel()->label(6)->isHidden();
    w.statusPanel()->blinkTick();
    EXPECT_EQ(!w.statusPanel()->label(6)->isHidden(), !shown);

    QStringList tabs;
    for (int i = 0; i < w.tabs()->count(); ++i)
        tabs.append(w.tabs()->tabText(i));
    EXPECT_EQ(tabs,
              QStringList({QStringLiteral("General"), QStringLiteral("Sorteos"),
                           QStringLiteral("Gestor de peñas"), QStringLiteral("Estadísticas")}));

    QStringList general;
    for (QAction* a : w.generalMenu()->actions())
        if (!a->isSeparator()) general.append(shownText(a->text()));
    EXPECT_EQ(
        general,
        QStringList({QStringLiteral("Bajar Sorteos nuevos"),
                     QStringLiteral("Bajar todos los sorteos"), QStringLiteral("Crear peña nueva"),
                     QStringLiteral("Borrar sorteos almacenados/Reset aciertos peñas"),
                     QStringLiteral("Sencillas"), QStringLiteral("Múltiples"),
                     QStringLiteral("Salir")}));

    ASSERT_EQ(f.list()->topLevelItemCount(), 1);
    EXPECT_EQ(f.list()->topLevelItem(0)->text(0), QStringLiteral("VACÍO"));
    PenaManagerTab* pm = w.penaManager();
    EXPECT_FALSE(pm->deleteButton()->isEnabled());
    EXPECT_FALSE(pm->printButton()->isEnabled());
    EXPECT_EQ(pm->playedValue()->text(), QStringLiteral("-"));
    EXPECT_EQ(pm->effectivenessValue()->text(), QStringLiteral("-"));
    EXPECT_EQ(pm->hitValue(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(w.summaryFrame()->effectivenessBox()->text(),
              QStringLiteral("¡Nunca has acertado nada!"));
    EXPECT_EQ(w.summaryFrame()->totalValue()->text(), QStringLiteral("0"));
    EXPECT_TRUE(w.summaryFrame()->playedDrawsBox()->text().isEmpty());
    EXPECT_EQ(w.summaryFrame()->chart()->withoutPrize(), 1);
    EXPECT_EQ(w.summaryFrame()->chart()->total(), 0);

    // The welcome message appears on the first activation only.
    w.show();
    w.activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(w.activationCount() >= 1, true, 2000);
    w.activated();
    w.activated();
    EXPECT_EQ(f.fake.prompter.texts().count(kWelcome), 1);
    const auto& first = f.fake.prompter.shown.first();
    EXPECT_EQ(first.title, QStringLiteral("Fichero de peñas vacío"));
    EXPECT_EQ(first.icon, MessageIcon::Information);

    // "Eliminar peña" right after start-up, and a click on "VACÍO" then the picture.
    w.selectTab(2);
    QTest::mouseClick(pm->deletePicture(), Qt::LeftButton);
    clickRow(f.list(), 1);
    EXPECT_EQ(f.state.view.selectedPena, 1);
    QTest::mouseClick(pm->deletePicture(), Qt::LeftButton);
    EXPECT_EQ(f.fake.prompter.texts().count(QStringLiteral("Seleccione una peña primero...")), 2);

    w.close();
    EXPECT_FALSE(f.state.files.penas().isOpen());
    EXPECT_FALSE(f.state.files.draws().isOpen());
}

TEST(MainWindow, PeñasAndDrawsAreScannedShownAndDeleted) {
    Fixture f;
    QList<DrawRecord> draws;
    QDate day(2023, 1, 3);
    // Draws that no bet below wins anything in.
    for (int i = 0; i < 10; ++i) {
        draws.append(makeDraw(day, {40, 41, 42, 43, 44}, {11, 12}));
        day = day.addDays(day.dayOfWeek() == Qt::Tuesday ? 3 : 4);
    }
    f.dir.writeDraws(draws);
    PenaRecord one =
        makeSimplePena(QStringLiteral("MARTES"), QStringLiteral("Martes"), QDate(2023, 1, 1),
                       {{{3, 17, 22, 40, 45}, {2, 11}}, {{1, 2, 10, 11, 50}, {1, 2}}});
    one.hits[12] = 3;
    PenaRecord two = makeMultiplePena(QStringLiteral("MULTI"), QStringLiteral("Todos"),
                                      QDate(2023, 1, 1), {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3});
    two.hits[9] = 2;
    PenaRecord three = makeSimplePena(QStringLiteral("VIERNES"), QStringLiteral("Viernes"),
                                      QDate(2023, 1, 1), {{{5, 6, 7, 8, 9}, {9, 12}}});
    three.hits[0] = 1;
    f.dir.writePenas({one, two, three});
    const QDate lastDraw = dateFromOle(draws.last().drawDate);
    f.start(lastDraw.addDays(2));

    EXPECT_EQ(f.label(2), QStringLiteral("3"));
    EXPECT_EQ(f.label(3), longDate(lastDraw));
    EXPECT_TRUE(f.window->statusPanel()->label(6)->isHidden());
    EXPECT_FALSE(f.window->statusPanel()->isBlinking());
    EXPECT_EQ(f.state.playedDraws, 10);
    EXPECT_EQ(f.state.nextDrawRecord, 11);
    EXPECT_EQ(f.state.nextPenaRecord, 4);

    SummaryFrame* s = f.window->summaryFrame();
    EXPECT_EQ(s->totalValue()->text(), QStringLiteral("6"));
    EXPECT_EQ(s->effectivenessBox()->text(), QStringLiteral("60% de efectividad en premios"));
    EXPECT_EQ(s->playedDrawsBox()->text(), QStringLiteral("en 10 sorteos"));
    EXPECT_EQ(s->chart()->withoutPrize(), 4);
    EXPECT_EQ(s->chart()->total(), 6);

    ASSERT_EQ(f.list()->topLevelItemCount(), 3);
    QTreeWidgetItem* row2 = f.list()->topLevelItem(1);
    EXPECT_EQ(row2->text(0), QStringLiteral("MULTI"));
    EXPECT_EQ(row2->text(1), QStringLiteral("168"));
    EXPECT_EQ(row2->text(2), QStringLiteral("01/01/2023"));
    EXPECT_EQ(row2->text(3), QStringLiteral("Todos"));

    // Peña 1 is shown after the scan, without selecting it.
    PenaManagerTab* pm = f.window->penaManager();
    EXPECT_EQ(f.state.view.selectedPena, 0);
    EXPECT_EQ(pm->numbersList()->count(), 2);
    EXPECT_EQ(pm->numbersList()->item(0)->text(), QStringLiteral(" 3-17-22-40-45"));
    EXPECT_TRUE(pm->numbersList()->font().bold());
    EXPECT_EQ(pm->playedValue()->text(), QStringLiteral("5"));
    EXPECT_EQ(pm->effectivenessValue()->text(), QStringLiteral("60 %"));
    EXPECT_TRUE(pm->deleteButton()->isEnabled());
    EXPECT_TRUE(pm->printButton()->isEnabled());

    f.window->show();
    f.window->selectTab(2);
    clickRow(f.list(), 2);
    EXPECT_EQ(f.state.view.selectedPena, 2);
    EXPECT_EQ(pm->numbersList()->count(), 1);
    EXPECT_EQ(pm->numbersList()->item(0)->text(), QStringLiteral(" 1- 2- 3- 4- 5- 6- 7- 8"));
    EXPECT_EQ(pm->starsList()->item(0)->text(), QStringLiteral("1-2-3"));
    EXPECT_FALSE(pm->numbersList()->font().bold());
    EXPECT_EQ(pm->hitValue(10)->text(), QStringLiteral("2"));
    EXPECT_EQ(pm->hitValue(13)->text(), QStringLiteral("0"));
    EXPECT_EQ(pm->playedValue()->text(), QStringLiteral("10"));
    EXPECT_EQ(pm->effectivenessValue()->text(), QStringLiteral("20 %"));
    EXPECT_EQ(pm->chart()->withoutPrize(), 8);
    EXPECT_EQ(pm->chart()->total(), 2);

    // Start-up's results pass has moved every LastCounted on; the rest is as stored.
    const QByteArray before = f.dir.read(QStringLiteral("apuestas.dat"));
    ASSERT_EQ(before.size(), 3 * 799);
    EXPECT_EQ(f.state.files.readPena(1)->lastCounted, draws.last().drawDate);
    f.fake.prompter.answers = {true};
    QTest::mouseClick(pm->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(f.fake.prompter.texts().last(),
              QStringLiteral("¿Seguro que quieres eliminar la Peña MULTI?"));
    EXPECT_EQ(f.dir.read(QStringLiteral("apuestas.dat")), before.left(799) + before.mid(2 * 799));
    ASSERT_EQ(f.list()->topLevelItemCount(), 2);
    EXPECT_EQ(f.list()->topLevelItem(1)->text(0), QStringLiteral("VIERNES"));
    EXPECT_EQ(f.label(2), QStringLiteral("2"));
    EXPECT_EQ(s->totalValue()->text(), QStringLiteral("4"));
}

TEST(MainWindow, DamagedPeñaFileIsReportedNotRead) {
    Fixture f;
    PenaRecord bad = makeSimplePena(QStringLiteral("ROTA"), QStringLiteral("Todos"),
                                    QDate(2023, 1, 1), {{{1, 2, 3, 4, 5}, {1, 2}}});
    bad.betMode = 3000;
    f.dir.writePenas({bad});
    f.start(QDate(2023, 3, 8));
    EXPECT_EQ(f.fake.prompter.texts().count(kCorruptPenaFileText), 1);
    const auto& shown = f.fake.prompter.shown.first();
    EXPECT_EQ(shown.title, QStringLiteral("¡Vaya hombre!"));
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    EXPECT_EQ(f.window->penaManager()->numbersList()->count(), 0);
    EXPECT_EQ(f.label(2), QStringLiteral("1"));
}

TEST(MainWindow, QtsOwnTextsAreSpanish) {
    installSpanish(*qApp);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Borrar..."), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sí"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
    EXPECT_EQ(QLocale().language(), QLocale::Spanish);
}

// --- What the screen shows follows the files --------------------------------

namespace {

// Six draws from 3 January 2023 and a peña, never counted, whose bet hits the
// newest draw 5+1.
struct WinningFolder {
    QList<DrawRecord> draws;
    PenaRecord winner;
    WinningFolder() {
        QDate day(2023, 1, 3);
        for (int i = 0; i < 6; ++i) {
            draws.append(makeDraw(day, {1 + i, 11 + i, 21 + i, 31 + i, 41 + i}, {1, 2}));
            day = day.addDays(day.dayOfWeek() == Qt::Tuesday ? 3 : 4);
        }
        winner = makeSimplePena(QStringLiteral("GANA"), QStringLiteral("Todos"), QDate(2023, 1, 2),
                                {{{6, 16, 26, 36, 46}, {1, 3}}});
    }
    QDate today() const { return dateFromOle(draws.last().drawDate).addDays(1); }
};

int storedHits(const TempFolder& dir, int category) {
    const QByteArray bytes = dir.read(QStringLiteral("apuestas.dat"));
    return PenaRecord::decode(bytes.left(kPenaRecordSize)).hits[category - 1];
}

} // namespace

TEST(MainWindow, PrizesCountedAtStartUpOrByAnImportAreInTheSummaryAndTheDetail) {
    WinningFolder w;
    for (const bool byImport : {false, true}) {
        SCOPED_TRACE(byImport ? "import" : "start-up");
        Fixture f;
        f.dir.writePenas({w.winner});
        f.dir.writeDraws(byImport ? w.draws.mid(0, 5) : w.draws);
        TempFolder elsewhere;
        elsewhere.writeDraws(w.draws);
        f.start(w.today());
        if (byImport) {
            EXPECT_EQ(storedHits(f.dir, 2), 0);
            f.fake.chooser.answers = {elsewhere.file(QStringLiteral("numeros.dat"))};
            f.window->drawsTab()->importDraws();
            ASSERT_EQ(f.fake.prompter.texts(),
                      QStringList{QStringLiteral("Archivo de sorteos importado con éxito")});
        }
        EXPECT_EQ(storedHits(f.dir, 2), 1);
        EXPECT_EQ(f.window->summaryFrame()->totalValue()->text(), QStringLiteral("1"));
        EXPECT_NE(f.window->summaryFrame()->effectivenessBox()->text(),
                  QStringLiteral("0% de efectividad en premios"));
        EXPECT_EQ(f.window->penaManager()->hitValue(2)->text(), QStringLiteral("1"));
        EXPECT_EQ(f.window->summaryFrame()->chart()->total(), 1);
    }
}

TEST(MainWindow, DamagedDrawFileIsSetAsideBeforeAnyPrizeIsCounted) {
    WinningFolder w;
    w.draws.last().stars[1] = 13;
    Fixture f;
    f.dir.writePenas({w.winner});
    f.dir.writeDraws(w.draws);
    f.start(w.today());
    EXPECT_EQ(storedHits(f.dir, 2), 0);
    EXPECT_EQ(PenaRecord::decode(f.dir.read(QStringLiteral("apuestas.dat"))).lastCounted, 0.0);
    EXPECT_EQ(f.window->penaManager()->hitValue(2)->text(), QStringLiteral("0"));
    EXPECT_TRUE(f.dir.read(QStringLiteral("numeros.dat")).isEmpty());
    ASSERT_FALSE(f.fake.prompter.shown.isEmpty());
    EXPECT_TRUE(f.fake.prompter.shown[0].text.startsWith(
        QStringLiteral("Archivo de números ganadores no válido.")));
}

// A folder, or a pipe, where a file of the program should be: start-up never
// waits on it, names the data files it could not open, and nothing replaces it.
TEST(MainWindow, AnythingButAFileInPlaceOfOneIsReportedAndNeverReplaced) {
    WinningFolder w;
    struct Case {
        const char* blocked;
        bool pipe;
        QString problem; // what start-up says, empty for files it only reads later
        int daysAfterLastDraw;
    };
    const QString pipe = QStringLiteral(": no es un archivo normal");
    const Case cases[] = {
        {"apuestas.dat", false, QStringLiteral("apuestas.dat: es una carpeta"), 1},
        {"numeros.dat", false, QStringLiteral("numeros.dat: es una carpeta"), 1},
        {"apuestas.dat", true, QStringLiteral("apuestas.dat") + pipe, 1},
        {"numeros.dat", true, QStringLiteral("numeros.dat") + pipe, 1},
        {"www.txt", true, QStringLiteral("www.txt") + pipe, 1},
        {"nums.ini", true, QStringLiteral("nums.ini") + pipe, 1},
        {"zul.pdf", true, QString(), 1},
        {"informe.dat", true, QString(), 5}, // old enough for the news to be fetched
    };
    // A pipe opened for reading waits for a writer that never comes.
    alarm(60);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.blocked) + (c.pipe ? " pipe" : " folder"));
        Fixture f;
        f.dir.writePenas({w.winner});
        f.dir.writeDraws(w.draws);
        const QString blocked = f.dir.file(QString::fromLatin1(c.blocked));
        QFile::remove(blocked);
        if (c.pipe)
            ASSERT_EQ(mkfifo(QFile::encodeName(blocked).constData(), 0600), 0);
        else
            ASSERT_TRUE(QDir().mkdir(blocked));
        const auto unchanged = [&] {
            const QFileInfo info(blocked);
            return c.pipe ? !info.isFile() && !info.isDir() && info.exists()
                          : info.isDir() && QDir(blocked)
                                                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                                                .isEmpty();
        };
        f.start(dateFromOle(w.draws.last().drawDate).addDays(c.daysAfterLastDraw));
        if (c.problem.isEmpty()) {
            EXPECT_EQ(f.fake.prompter.shown.size(), 0)
                << f.fake.prompter.texts().join('\n').toStdString();
            EXPECT_TRUE(unchanged());
            continue;
        }
        ASSERT_FALSE(f.fake.prompter.shown.isEmpty());
        EXPECT_TRUE(f.fake.prompter.shown[0].text.contains(c.problem));
        f.window->activated();
        EXPECT_FALSE(f.fake.prompter.texts().contains(kWelcome));
        EXPECT_NE(f.label(3), QStringLiteral("Fichero de datos vacío."));
        EXPECT_NE(f.label(6), QStringLiteral("No se ha actualizado nunca"));

        // Delete all draws and reset: whatever was not opened stays as it is.
        f.fake.prompter.clear();
        f.fake.prompter.answers = {true, true};
        f.window->drawsTab()->deleteAllDraws();
        const QStringList texts = f.fake.prompter.texts();
        const bool dataFile =
            QByteArray(c.blocked) == "apuestas.dat" || QByteArray(c.blocked) == "numeros.dat";
        if (dataFile) {
            ASSERT_FALSE(texts.isEmpty());
            EXPECT_TRUE(
                texts.last().startsWith(QStringLiteral("No se puede modificar el archivo %1")
                                            .arg(QLatin1String(c.blocked))));
        }
        EXPECT_TRUE(unchanged());
    }
    alarm(0);
}

TEST(MainWindow, DamagedPeñaDetailKeepsNothingOfTheOnePickedBefore) {
    WinningFolder w;
    PenaRecord sound = w.winner;
    sound.hits[12] = 4;
    PenaRecord damaged = w.winner;
    damaged.stars[0][0] = 40;
    Fixture f;
    f.dir.writePenas({sound, damaged});
    f.dir.writeDraws(w.draws);
    f.start(w.today());
    PenaManagerTab* pm = f.window->penaManager();
    f.window->showPenaDetail(1);
    EXPECT_EQ(pm->hitValue(13)->text(), QStringLiteral("4"));
    EXPECT_NE(pm->playedValue()->text(), QStringLiteral("-"));
    f.window->showPenaDetail(2);
    EXPECT_EQ(f.fake.prompter.texts().last(), kCorruptPenaFileText);
    EXPECT_EQ(pm->hitValue(13)->text(), QStringLiteral("0"));
    EXPECT_EQ(pm->playedValue()->text(), QStringLiteral("-"));
    EXPECT_EQ(pm->effectivenessValue()->text(), QStringLiteral("-"));
    EXPECT_EQ(pm->numbersList()->count(), 0);
}

// The peña "Eliminar peña" acts on is the one highlighted, however the
// highlight got there; after a scan the highlight and the selection agree.
TEST(MainWindow, TheHighlightedPeñaIsTheSelectedOne) {
    Fixture f;
    WinningFolder w;
    f.dir.writeDraws(w.draws);
    QList<PenaRecord> penas;
    for (const char* name : {"UNO", "DOS", "TRES"})
        penas.append(makeSimplePena(QString::fromLatin1(name), QStringLiteral("Todos"),
                                    QDate(2023, 1, 2), {{{6, 16, 26, 36, 46}, {1, 3}}}));
    f.dir.writePenas(penas);
    f.start(w.today());
    f.window->show();
    f.window->selectTab(2);
    QTreeWidget* list = f.list();
    EXPECT_EQ(list->currentItem(), nullptr); // nothing selected at start
    clickRow(list, 1);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(f.state.view.selectedPena, 3);
    EXPECT_EQ(f.window->penaManager()->numbersList()->count(), 1);

    // A refresh keeps the highlight where the selection is.
    f.window->refreshStatus();
    EXPECT_EQ(list->indexOfTopLevelItem(list->currentItem()), 2);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(f.state.view.selectedPena, 2);
    f.fake.prompter.answers = {true};
    QTest::mouseClick(f.window->penaManager()->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(f.fake.prompter.texts().last(),
              QStringLiteral("¿Seguro que quieres eliminar la Peña DOS?"));
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("TRES"));
    EXPECT_EQ(f.state.view.selectedPena, 0);
    EXPECT_EQ(list->currentItem(), nullptr);
    EXPECT_TRUE(list->selectedItems().isEmpty());
}
