#pragma once

#include "create/penaform.h"
#include "platform/platform.h"

#include <QWidget>

class NameBox;
class NumberGridWidget;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;

// "Crear peña nueva...": the name, the draw days, the playslip grid, the bet
// list and "Aleatorio", "Borrar", "Grabar". The rules live in PenaForm.
class CreationForm : public QWidget {
    Q_OBJECT
public:
    CreationForm(AppState& state, Platform& platform, int newPenaMode, QWidget* parent = nullptr);

    // One 100 ms step of the transition between numbers and stars.
    void transitionTick();
    void clickCell(int cell);
    void aleatorio();
    void borrar();
    void grabar();

    const PenaForm& core() const { return form_; }
    NameBox* nameBox() const { return name_; }
    NumberGridWidget* grid() const { return grid_; }
    QTextEdit* betList() const { return betList_; }
    QLabel* instructionLabel() const { return instruction_; }
    QLabel* betNumberLabel() const { return betNumber_; }
    QRadioButton* dayOption(DayFilter day) const;
    QPushButton* aleatorioButton() const { return aleatorio_; }
    QPushButton* borrarButton() const { return borrar_; }
    QPushButton* grabarButton() const { return grabar_; }
    QTimer* transitionTimer() const { return timer_; }

signals:
    void penaSaved();

private:
    void tell(const std::optional<FormMessage>& message);
    void onNameChanged(const QString& text);
    void sync();
    void syncBetList();

    Platform& platform_;
    PenaForm form_;
    NameBox* name_;
    QLabel* instruction_;
    QLabel* betNumber_;
    QRadioButton* tuesday_;
    QRadioButton* friday_;
    QRadioButton* both_;
    NumberGridWidget* grid_;
    QTextEdit* betList_;
    QPushButton* aleatorio_;
    QPushButton* borrar_;
    QPushButton* grabar_;
    QTimer* timer_;
    QString shownList_;
};
