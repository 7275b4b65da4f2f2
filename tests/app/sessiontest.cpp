#include "app/mainwindow.h"
#include "app/penamanagertab.h"
#include "app/program.h"
#include "app/splash.h"
#include "check/resultspanel.h"
#include "create/betmodemenu.h"
#include "create/creationflow.h"
#include "create/creationform.h"
#include "create/namebox.h"
#include "create/numbergrid.h"
#include "create/numbergridwidget.h"
#include "download/reporttab.h"
#include "download/transferpanel.h"
#include "print/printflow.h"
#include "print/printwindow.h"
#include "print/qtprintsurface.h"
#include "store/appstate.h"
#include "store/datafiles.h"
#include "store/dates.h"
#include "store/folderlock.h"
#include "support/answers.h"
#include "support/fakes.h"
#include "support/recordingsurface.h"
#include "support/resultsserver.h"
#include "support/samplepdf.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPdfDocument>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QAction* menuEntry(MainWindow& w, const QString& menu, const QString& text) {
    for (QAction* top : w.menuBar()->actions())
        if (shownText(top->text()) == menu && top->menu())
            for (QAction* a : top->menu()->actions())
                if (shownText(a->text()) == text) return a;
    return nullptr;
}

} // namespace

// A new user's first session, from the splash to "Salir", over an empty folder.
TEST(Session, NewUserCreatesAPenaDownloadsSeesThePrizeAndPrints) {
    TempFolder dir;
    FakePlatform fake;
    ResultsServer server;
    qputenv("VANTIKO_OPERATOR_SITE", server.origin().toUtf8());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QDate today(2023, 3, 7); // a Tuesday, after its draw
    fake.clock.set(today);
    fake.clock.setTime(QTime(22, 30));

    Program program(fake.platform, dir.path());
    program.start();
    SplashWindow* splash = program.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(program.mainWindow(), nullptr);
    QTest::mouseClick(splash->enterButton(), Qt::LeftButton);
    MainWindow* w = program.mainWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(w->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(w->activationCount() >= 1, true, 3000);
    EXPECT_EQ(fake.prompter.shown.size(), 1); // the welcome
    EXPECT_EQ(fake.prompter.shown.first().title, QStringLiteral("Fichero de peñas vacío"));

    // A peña of one bet, chosen on the grid.
    w->selectTab(2);
    click(w->penaManager()->createButton());
    BetModeMenu* menu = w->creationFlow()->menu();
    ASSERT_NE(menu, nullptr);
    click(menu->sencillaBox());
    CreationForm* form = w->creationFlow()->form();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    typeText(form->nameBox(), QStringLiteral("los del bar"));
    for (int n : {3, 17, 22, 40, 45})
        QTest::mouseClick(form->grid(), Qt::LeftButton, {}, form->grid()->cellRect(n).center());
    for (int i = 0; i < 10 && form->transitionTimer()->isActive(); ++i)
        form->transitionTick();
    for (int star : {2, 11})
        QTest::mouseClick(form->grid(), Qt::LeftButton, {},
                          form->grid()->cellRect(NumberGrid::starCell(star)).center());
    click(form->grabarButton());
    ASSERT_EQ(program.state().view.penaAdded, 1);
    w->activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(program.state().view.penaAdded, 0, 3000);
    EXPECT_EQ(w->penaManager()->penaList()->topLevelItemCount(), 1);

    // Tonight's draw has the peña's bet, 5 + 2, after two months of others
    // (an answer shorter than the service's smallest is not read).
    QList<AnswerDraw> answer = drawsBetween(QDate(2023, 1, 3), QDate(2023, 3, 3));
    answer.prepend({today, {3, 17, 22, 40, 45}, {2, 11}});
    const int count = int(answer.size());
    const QString json = answerJson(answer);
    server.answer(json);
    // The operator's prize report of tonight's draw, at the address the answer gives.
    const QString reportPath =
        QRegularExpression(QStringLiteral("\"urlContenido\":\"([^\"]+)\"")).match(json).captured(1);
    server.serve(reportPath, samplePdf(2), "application/pdf");
    menuEntry(*w, QStringLiteral("General"), QStringLiteral("Bajar Sorteos nuevos"))->trigger();
    ASSERT_EQ(server.requests().size(), 1);
    TransferPanel* transfer = w->transferPanel();
    for (int i = 0; i < 40 && transfer->timer()->isActive(); ++i)
        transfer->tick();
    EXPECT_EQ(transfer->statusLabel()->text(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    // The welcome, then the offer of every earlier draw (answered "No").
    EXPECT_EQ(fake.prompter.shown.size(), 2) << fake.prompter.texts().join('\n').toStdString();
    EXPECT_EQ(program.state().nextDrawRecord, count + 1);
    EXPECT_EQ(program.state().view.prizeBlinkTarget, 1);
    EXPECT_TRUE(w->resultsPanel()->blinkTimer()->isActive());

    // The report tab: tonight's draw and the operator's PDF, once it has come.
    ASSERT_TRUE(waitFor([&] { return !w->reportTab()->report().downloading(); }));
    menuEntry(*w, QStringLiteral("Ver"), QStringLiteral("Pestaña Último sorteo"))->trigger();
    EXPECT_EQ(w->tabs()->currentIndex(), 1);
    EXPECT_EQ(w->reportTab()->titleLabel()->text(),
              QStringLiteral("-Informe del ") + longDate(today));
    ASSERT_NE(w->reportTab()->document(), nullptr);
    EXPECT_EQ(w->reportTab()->document()->pageCount(), 2);
    // From the tabs, Tab reaches the report before the side column.
    w->tabs()->tabBar()->setFocus();
    QTest::keyClick(w->tabs()->tabBar(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->reportTab()->reportView());

    // Printed on plain paper, to a PDF file.
    const QString pdf = dir.file(QStringLiteral("boletos.pdf"));
    ScriptedPrinterChooser printers;
    printers.make = [pdf] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return std::make_unique<QtPrintSurface>(std::move(printer));
    };
    w->printFlow()->setPrinterChooser(&printers);
    w->selectTab(2);
    QTreeWidget* list = w->penaManager()->penaList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(0)).center());
    click(w->penaManager()->printButton());
    PrintWindow* print = w->printFlow()->window();
    ASSERT_NE(print, nullptr);
    fake.prompter.answers = {true};
    click(print->plainButton());
    EXPECT_EQ(printers.shown, 1);

    menuEntry(*w, QStringLiteral("General"), QStringLiteral("Salir"))->trigger();
    EXPECT_FALSE(program.state().files.penas().isOpen());

    // What the session left on disk.
    const QByteArray penas = dir.read(QStringLiteral("apuestas.dat"));
    ASSERT_EQ(penas.size(), kPenaRecordSize);
    const PenaRecord pena = PenaRecord::decode(penas);
    EXPECT_EQ(pena.nameText(), QStringLiteral("LOS DEL BAR"));
    EXPECT_EQ(pena.createdOn, oleFromDate(today));
    EXPECT_EQ(pena.hits[0], 1); // 5 + 2
    const QByteArray draws = dir.read(QStringLiteral("numeros.dat"));
    ASSERT_EQ(draws.size(), count * kDrawRecordSize);
    EXPECT_EQ(DrawRecord::decode(draws.right(kDrawRecordSize)).drawDate, oleFromDate(today));
    EXPECT_TRUE(dir.read(QStringLiteral("www.txt")).contains("2023-03-07"));
    EXPECT_TRUE(dir.read(QStringLiteral("boletos.pdf")).startsWith("%PDF"));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("apuestas.tmp"))));
}

// Two copies over one data folder: the second says so and ends without
// opening, creating or changing a file. Once the first has crashed, the next
// start takes its lock over and clears the work files it left.
TEST(Session, OneCopyPerFolderAndACrashedCopysLockAndLeftoversAreTakenOver) {
    TempFolder dir, elsewhere;
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VANTIKO_FOLDER"), dir.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(VANTIKO_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // The lock is taken before the splash shows; the splash waits 9.5 s.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(dir.file(kLockFile)).size() > 0, 10000);
    const auto folder = [&] {
        QStringList out;
        for (const QFileInfo& i : QDir(dir.path())
                                      .entryInfoList(QDir::AllEntries | QDir::System |
                                                     QDir::Hidden | QDir::NoDotAndDotDot))
            out.append(i.fileName() + QLatin1Char(' ') + QString::number(i.size()) +
                       QLatin1Char(' ') + i.lastModified().toString(Qt::ISODateWithMs));
        return out;
    };
    const QStringList before = folder();

    FakePlatform fake;
    Program second(fake.platform, dir.path());
    EXPECT_FALSE(second.start());
    EXPECT_EQ(second.splash(), nullptr);
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].text, folderInUseText(dir.path()));
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Vantiko ya está abierto"));
    EXPECT_TRUE(fake.prompter.shown[0].text.contains(QDir::cleanPath(dir.path())));
    EXPECT_EQ(folder(), before);

    // The first copy dies half way through its work.
    first.kill();
    ASSERT_TRUE(first.waitForFinished(10000));
    for (const QString& name : {kDrawWorkFile, kPenaWorkFile, QStringLiteral("numeros.bak.part")})
        dir.write(name, "half");
    elsewhere.write(QStringLiteral("victim"), "not the program's");
    ASSERT_TRUE(
        QFile::link(elsewhere.file(QStringLiteral("victim")), dir.file(QStringLiteral("www.tmp"))));

    FakePlatform again;
    Program third(again.platform, dir.path());
    ASSERT_TRUE(third.start());
    EXPECT_TRUE(again.prompter.shown.isEmpty());
    QTest::mouseClick(third.splash()->enterButton(), Qt::LeftButton);
    ASSERT_NE(third.mainWindow(), nullptr);
    for (const QString& name : {kDrawWorkFile, kPenaWorkFile, QStringLiteral("numeros.bak.part"),
                                QStringLiteral("www.tmp")}) {
        const QFileInfo left(dir.file(name));
        EXPECT_FALSE(left.exists() || left.isSymbolicLink()) << name.toStdString();
    }
    EXPECT_EQ(elsewhere.read(QStringLiteral("victim")), "not the program's");
    third.mainWindow()->close();
}
