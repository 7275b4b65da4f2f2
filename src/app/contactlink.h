#pragma once

#include <QWidget>

class ClickableLabel;
class Shell;

// The maker's contact address outside the tabs, with its picture: a click
// on either starts a mail message to the maker.
class ContactLink : public QWidget {
    Q_OBJECT
public:
    ContactLink(Shell& shell, QWidget* parent = nullptr);

    ClickableLabel* label() const { return label_; }
    ClickableLabel* picture() const { return picture_; }

private:
    ClickableLabel* label_;
    ClickableLabel* picture_;
};
