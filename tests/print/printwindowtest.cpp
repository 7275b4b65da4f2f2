#include "print/printwindow.h"
#include "app/mainwindow.h"
#include "app/penamanagertab.h"
#include "print/feedpicture.h"
#include "print/printflow.h"
#include "store/appstate.h"
#include "support/fakes.h"
#include "support/recordingsurface.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"
#include "widgets/clickablelabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray floatBytes(float v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

PenaRecord sevenBets() {
    QList<std::pair<std::array<int, 5>, std::array<int, 2>>> bets;
    for (int b = 1; b <= 7; ++b)
        bets.append({{b, 11, 22, 33, 44}, {1, 2}});
    return makeSimplePena(QStringLiteral("LOS AMIGOS"), QStringLiteral("Martes"), QDate(2023, 3, 1),
                          bets);
}

struct Program {
    explicit Program(const QByteArray& settings = QByteArray("ABCD") + floatBytes(2.5f) +
                                                  floatBytes(-1.5f) + "EF") {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        dir.writePenas({makeMultiplePena(QStringLiteral("GORDA"), QStringLiteral("Todos"),
                                         QDate(2023, 1, 3), {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3}),
                        sevenBets()});
        dir.write(kSettingsFile, settings);
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->startUp(dir.path());
        window->printFlow()->setPrinterChooser(&printers);
        window->show();
        window->selectTab(2);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void selectRow(int row) {
        QTreeWidget* list = window->penaManager()->penaList();
        const QRect r = list->visualItemRect(list->topLevelItem(row - 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    PrintWindow* open(int row) {
        selectRow(row);
        click(window->penaManager()->printButton());
        PrintWindow* w = window->printFlow()->window();
        if (!w) return nullptr;
        // The click can hand activation back to the main window for a moment;
        // the window must survive that and then take the keyboard.
        QTest::qWait(50);
        if (!window->printFlow()->window()) return nullptr;
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        return w;
    }
    QByteArray settingsFile() const { return dir.read(kSettingsFile); }

    TempFolder dir;
    FakePlatform fake;
    AppState state;
    ScriptedPrinterChooser printers;
    std::unique_ptr<MainWindow> window;
};

QStringList labelTexts(QWidget* w) {
    QStringList out;
    for (QLabel* l : w->findChildren<QLabel*>())
        out.append(shownText(l->text()));
    return out;
}

void clearBox(QLineEdit* box) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

} // namespace

TEST(PrintWindow, OpensForTheSelectedPenaAndClosesWhenTheMainWindowIsBack) {
    Program p;
    click(p.window->penaManager()->printButton());
    EXPECT_EQ(p.window->printFlow()->window(), nullptr);
    ASSERT_EQ(p.fake.prompter.shown.size(), 1);
    EXPECT_EQ(p.fake.prompter.shown[0].text, QStringLiteral("Seleccione una peña primero..."));
    EXPECT_EQ(p.fake.prompter.shown[0].title, QStringLiteral("¡Nooooo!"));
    EXPECT_EQ(p.fake.prompter.shown[0].icon, MessageIcon::Information);

    PrintWindow* w = p.open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Imprimir Boletos"));
    EXPECT_EQ(w->nameValue()->text(), QStringLiteral("LOS AMIGOS"));
    EXPECT_EQ(w->betsValue()->text(), QStringLiteral("7"));
    EXPECT_EQ(w->playslipsValue()->text(), QStringLiteral("2"));
    EXPECT_EQ(w->daysValue()->text(), QStringLiteral("Martes"));
    const QStringList labels = labelTexts(w);
    for (const char* text :
         {"IMPRESIÓN DE LOS NÚMEROS DE LA PEÑA:", "-Total apuestas:",
          "-Nº de boletos oficiales que necesita:", "-Asegúrese que el papel sea para jugar los:",
          "X", "Y", "mm.", "Sólo en papel oficial",
          "Instrucciones para papel oficial:", "Entrada impresora"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(labels.contains(QStringLiteral(
        "Inserte el papel oficial en la impresora de la forma indicada en la imagen. Tenga en "
        "cuenta que tendrá que modificar los valores X e Y, según modelo de impresora. "
        "X=Distancia horizontal al centro de la casilla Nº 1 - margen X por defecto de la "
        "impresora. Y= Distancia vertical al centro de la casilla Nº1 - margen Y por defecto de "
        "tu impresora.")));
    EXPECT_EQ(shownText(w->officialButton()->text()), QStringLiteral("Imprimir en papel oficial"));
    EXPECT_EQ(w->officialButton()->toolTip(),
              QStringLiteral("Ajuste la X yla Y para que las \"x\" coincidan en las casillas. "
                             "También depende del papel oficial ya que aveces estan cortados "
                             "irregularmente."));
    EXPECT_EQ(shownText(w->plainButton()->text()), QStringLiteral("Imprimir en papel normal"));
    EXPECT_EQ(w->plainButton()->toolTip(),
              QStringLiteral("Imprime en papel normal una participación compatible con el "
                             "sistema oficial!"));
    EXPECT_EQ(w->box(Axis::X)->text(), QStringLiteral("2,5"));
    EXPECT_EQ(w->box(Axis::Y)->text(), QStringLiteral("-1,5"));

    // Printing leaves the window open.
    click(w->plainButton());
    EXPECT_EQ(p.printers.shown, 1);
    EXPECT_FALSE(p.printers.log->isEmpty());
    EXPECT_TRUE(w->isVisible());

    p.window->activated();
    QTRY_VERIFY(p.window->printFlow()->window() == nullptr);

    // The picture opens it too, for the multiple peña now selected.
    p.selectRow(1);
    click(p.window->penaManager()->printPicture());
    w = p.window->printFlow()->window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->betsValue()->text(), QStringLiteral("1"));
    EXPECT_EQ(w->playslipsValue()->text(), QStringLiteral("1"));
    EXPECT_EQ(w->daysValue()->text(), QStringLiteral("Todos"));
}

TEST(PrintWindow, CorrectionBoxesAreKeptInNumsIni) {
    Program p;
    PrintWindow* w = p.open(2);
    ASSERT_NE(w, nullptr);
    QLineEdit* x = w->box(Axis::X);
    QLineEdit* y = w->box(Axis::Y);

    // Invalid text is undone at once, in both boxes.
    x->setFocus();
    x->end(false);
    typeText(x, QStringLiteral("abc"));
    EXPECT_EQ(x->text(), QStringLiteral("2,5"));
    EXPECT_EQ(y->text(), QStringLiteral("-1,5"));

    clearBox(x);
    EXPECT_FLOAT_EQ(w->corrections().x(), 2.5f);
    typeText(x, QStringLiteral("3,5"));
    EXPECT_FLOAT_EQ(w->corrections().x(), 3.5f);
    QByteArray saved = p.settingsFile();
    ASSERT_EQ(saved.size(), 14);
    EXPECT_EQ(saved.mid(0, 4), QByteArray("ABCD"));
    EXPECT_EQ(saved.mid(4, 4), floatBytes(3.5f));
    EXPECT_EQ(saved.mid(8, 4), floatBytes(-1.5f));
    EXPECT_EQ(saved.mid(12, 2), QByteArray("EF"));

    // Leaving an empty box: the message, the value and the file kept.
    p.fake.prompter.clear();
    clearBox(y);
    QTest::keyClick(y, Qt::Key_Tab);
    ASSERT_EQ(p.fake.prompter.shown.size(), 1);
    EXPECT_EQ(
        p.fake.prompter.shown[0].text,
        QStringLiteral("Te has dejado una coordenada en blanco. Introduce un número válido."));
    EXPECT_EQ(p.fake.prompter.shown[0].title, QStringLiteral("EHEHEHH"));
    EXPECT_EQ(p.fake.prompter.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(y->text().isEmpty());
    EXPECT_FLOAT_EQ(w->corrections().y(), -1.5f);
    EXPECT_EQ(p.settingsFile().mid(8, 4), floatBytes(-1.5f));

    // A negative correction can be typed sign first.
    typeText(y, QStringLiteral("-4"));
    EXPECT_FLOAT_EQ(w->corrections().y(), -4.0f);

    // The corrections typed are the ones the official job uses.
    clearBox(y);
    typeText(y, QStringLiteral("20"));
    clearBox(x);
    typeText(x, QStringLiteral("10"));
    click(w->officialButton());
    bool numberOne = false;
    for (const PrintOp& op : *p.printers.log)
        numberOne = numberOne || (op.kind == PrintOp::Kind::Text && op.at.x == 10 && op.at.y == 20);
    EXPECT_TRUE(numberOne);

    // Kept for the next window.
    p.window->activated();
    QTRY_VERIFY(p.window->printFlow()->window() == nullptr);
    w = p.open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->box(Axis::X)->text(), QStringLiteral("10"));
    EXPECT_EQ(w->box(Axis::Y)->text(), QStringLiteral("20"));
}

TEST(PrintWindow, DamagedOrUnwritableNumsIni) {
    Program p(QByteArray("\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff", 14));
    PrintWindow* w = p.open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->box(Axis::X)->text(), QStringLiteral("0"));
    EXPECT_EQ(w->box(Axis::Y)->text(), QStringLiteral("0"));
    typeText(w->box(Axis::Y), QStringLiteral("5"));
    const QByteArray repaired = p.settingsFile();
    EXPECT_EQ(repaired.mid(4, 4), floatBytes(0.0f));
    EXPECT_EQ(repaired.mid(8, 4), floatBytes(5.0f));
    EXPECT_EQ(repaired.mid(0, 4), QByteArray(4, '\xff'));

    // A file that cannot be written is said once; the value still applies.
    p.state.files.settings().close();
    p.fake.prompter.clear();
    typeText(w->box(Axis::X), QStringLiteral("7"));
    typeText(w->box(Axis::X), QStringLiteral("1"));
    EXPECT_EQ(p.fake.prompter.texts(), QStringList({kSettingsNotSavedText}));
    EXPECT_FLOAT_EQ(w->corrections().x(), 7.0f * 10 + 1);
}

// "Entrada impresora": X runs across from the slip's edge and Y down from
// it, both to the centre of box Nº 1, as the instructions measure them.
TEST(PrintWindow, FeedPictureArrowsEndAtTheCentreOfBoxOne) {
    const FeedPictureLayout l = feedPictureLayout();
    const QPointF centre = l.firstBox.center();
    EXPECT_EQ(l.xArrow, QLineF(QPointF(l.slip.left(), centre.y()), centre));
    EXPECT_EQ(l.yArrow, QLineF(QPointF(centre.x(), l.slip.top()), centre));
    // The drawing follows the layout: each arrow's head is just short of the centre.
    const QImage picture = drawFeedPicture().toImage();
    for (const QLineF& line : {l.xArrow, l.yArrow}) {
        const QPointF head = centre - (line.p2() - line.p1()) / line.length() * 4;
        const QColor c = picture.pixelColor(head.toPoint());
        EXPECT_GT(c.blue(), 120) << head.x() << ", " << head.y();
        EXPECT_LT(c.red(), 100) << head.x() << ", " << head.y();
    }
}
