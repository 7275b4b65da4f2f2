// Grabs every tab and window of the program over a data folder to PNG files,
// for the user guide: vantiko-screenshots DATAFOLDER OUTFOLDER.
#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/program.h"
#include "app/splash.h"
#include "app/startup.h"
#include "create/betmodemenu.h"
#include "create/creationflow.h"
#include "create/creationform.h"
#include "create/namebox.h"
#include "download/news.h"
#include "download/newswindow.h"
#include "print/printflow.h"
#include "print/printwindow.h"
#include "store/appstate.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

namespace {

// Nobody is there to answer: messages go to the terminal, questions get "No".
class QuietPrompter : public Prompter {
public:
    void message(const QString& text, const QString& title, MessageIcon) override {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(text));
    }
    bool ask(const QString& text, const QString& title, MessageIcon) override {
        std::fprintf(stderr, "[%s] %s (No)\n", qPrintable(title), qPrintable(text));
        return false;
    }
};
class NoShell : public Shell {
public:
    void openUrl(const QString&) override {}
};
class NoFile : public FileChooser {
public:
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
};

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool save(QWidget* w, const QString& folder, const char* name) {
    settle();
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
    if (!w || !w->grab().save(path)) {
        std::fprintf(stderr, "vantiko-screenshots: no %s\n", name);
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantiko"));
    QApplication::setOrganizationName(QStringLiteral("Vantiko"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: vantiko-screenshots DATAFOLDER OUTFOLDER\n");
        return 2;
    }
    installSpanish(app);
    const QString out = QString::fromLocal8Bit(argv[2]);

    QuietPrompter prompter;
    SystemClock clock;
    NoShell shell;
    NoFile chooser;
    RandomSource random;
    random.seedFromTime(clock);
    Platform platform{prompter, clock, shell, chooser, random};
    Program program(platform, QString::fromLocal8Bit(argv[1]));
    program.start();
    bool ok = save(program.splash(), out, "splash.png");
    program.splash()->enter();
    MainWindow* w = program.mainWindow();
    w->resize(1240, 760);
    const char* const tabs[] = {"tab-general.png", "tab-sorteos.png", "tab-penas.png",
                                "tab-estadisticas.png"};
    for (int i = 0; i < 4; ++i) {
        w->selectTab(i);
        ok = save(w, out, tabs[i]) && ok;
    }
    w->selectTab(0);
    ok = save(w, out, "mainwindow.png") && ok;

    w->creationFlow()->openMenu();
    ok = save(w->creationFlow()->menu(), out, "betmode.png") && ok;
    if (BetModeMenu* menu = w->creationFlow()->menu()) menu->sencillaBox()->click();
    settle();
    if (CreationForm* form = w->creationFlow()->form()) {
        form->nameBox()->setText(QStringLiteral("LOS DEL BAR"));
        // One bet drawn at random, as "Aleatorio" twice does.
        form->aleatorioButton()->click();
        for (int i = 0; i < 10 && form->transitionTimer()->isActive(); ++i)
            form->transitionTick();
        form->aleatorioButton()->click();
    }
    ok = save(w->creationFlow()->form(), out, "creationform.png") && ok;
    if (CreationForm* form = w->creationFlow()->form()) form->close();

    program.state().view.selectedPena = 1;
    w->printFlow()->open();
    ok = save(w->printFlow()->window(), out, "printwindow.png") && ok;
    if (PrintWindow* print = w->printFlow()->window()) print->close();

    w->showAbout();
    ok = save(w->aboutBox(), out, "about.png") && ok;
    if (AboutBox* about = w->aboutBox()) about->close();

    // The maker's news, as "Ver mensaje" shows a page fetched before.
    QFile news(QDir(QString::fromLocal8Bit(argv[1])).filePath(kNewsFile));
    if (news.open(QIODevice::WriteOnly)) {
        news.write(
            "<h2>Noticias de Vantiko</h2><p>Ya puede bajar los sorteos nuevos y ver el "
            "informe de premios del &uacute;ltimo sorteo en la pesta&ntilde;a "
            "<b>Sorteos</b>.</p><p>Si encuentra un fallo, escr&iacute;bame: le responder&eacute; "
            "en cuanto pueda.</p>");
        news.close();
    }
    w->showNews();
    ok = save(w->newsWindow(), out, "news.png") && ok;
    w->close();
    return ok ? 0 : 1;
}
