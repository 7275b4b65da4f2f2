#pragma once

#include <QLineEdit>

// The peña's name box: typed characters enter in upper case, and nothing the
// peña file cannot store (Windows-1252) gets in, typed, pasted or dropped.
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};
