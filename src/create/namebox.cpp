#include "create/namebox.h"

#include "create/penaform.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

namespace {

// Drops the characters Windows-1252 cannot hold from any change of the text.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString kept = PenaForm::pastedText(input);
        if (kept.size() != input.size()) {
            pos -= int(input.left(pos).size() - PenaForm::pastedText(input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }
};

bool isPrintable(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (!c.isPrint() && !c.isSurrogate()) return false;
    return true;
}

} // namespace

NameBox::NameBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new Cp1252Validator(this));
}

void NameBox::keyPressEvent(QKeyEvent* event) {
    if (isPrintable(event->text())) {
        // A refused character changes nothing, not even a selection.
        const QString typed = PenaForm::typedText(event->text());
        if (!isReadOnly() && !typed.isEmpty()) insert(typed);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NameBox::inputMethodEvent(QInputMethodEvent* event) {
    // A character composed through a dead key arrives here: it is typed too.
    if (event->commitString().isEmpty() || !event->preeditString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent typed(event->preeditString(), event->attributes());
    typed.setCommitString(PenaForm::typedText(event->commitString()), event->replacementStart(),
                          event->replacementLength());
    QLineEdit::inputMethodEvent(&typed);
}
