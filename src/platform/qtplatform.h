#pragma once

#include "platform/platform.h"

class QWidget;

// The real platform: message boxes, the system clock, the desktop's opener
// and the file dialog.
class QtPrompter : public Prompter {
public:
    void message(const QString& text, const QString& title, MessageIcon icon) override;
    bool ask(const QString& text, const QString& title, MessageIcon icon) override;
};

class QtShell : public Shell {
public:
    void openUrl(const QString& url) override;
};

class QtFileChooser : public FileChooser {
public:
    QString chooseOpenFile(const QString& title, const QString& folder,
                           const QString& filter) override;
    QString chooseSaveFile(const QString& title, const QString& suggested,
                           const QString& filter) override;
};

struct QtPlatform {
    QtPrompter prompter;
    SystemClock clock;
    QtShell shell;
    QtFileChooser chooser;
    RandomSource random;
    Platform platform{prompter, clock, shell, chooser, random};
};
