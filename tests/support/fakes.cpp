#include "support/fakes.h"

void ScriptedPrompter::message(const QString& text, const QString& title, MessageIcon icon) {
    shown.append({text, title, icon, false});
}

bool ScriptedPrompter::ask(const QString& text, const QString& title, MessageIcon icon) {
    shown.append({text, title, icon, true});
    return answers.isEmpty() ? false : answers.takeFirst();
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Shown& s : shown)
        out.append(s.text);
    return out;
}

QString ScriptedChooser::chooseOpenFile(const QString& title, const QString&, const QString&) {
    titles.append(title);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString ScriptedChooser::chooseSaveFile(const QString& title, const QString& offered,
                                        const QString&) {
    titles.append(title);
    suggested.append(offered);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}
