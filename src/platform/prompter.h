#pragma once

#include <QString>

enum class MessageIcon { Information, Exclamation, Critical, Question };

// Message boxes and yes/no questions.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void message(const QString& text, const QString& title, MessageIcon icon) = 0;
    // true for "Sí".
    virtual bool ask(const QString& text, const QString& title,
                     MessageIcon icon = MessageIcon::Question) = 0;
};
