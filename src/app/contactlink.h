#pragma once

#include <QWidget>

class ClickableLabel;
class Shell;

// The maker's contact address outside the tabs, with its picture: a click
// on either, or Enter or Space while it has the focus, starts a mail message
// to the maker.
class ContactLink : public QWidget {
    Q_OBJECT
public:
    ContactLink(Shell& shell, QWidget* parent = nullptr);

    ClickableLabel* label() const { return label_; }
    ClickableLabel* picture() const { return picture_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Shell& shell_;
    ClickableLabel* label_;
    ClickableLabel* picture_;
};
