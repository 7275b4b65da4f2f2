#include "app/moneybox.h"

#include "check/moneytext.h"

#include <QGridLayout>
#include <QLabel>

MoneyBox::MoneyBox(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    const auto line = [&](int row, const QString& caption) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        auto* value = new QLabel(QStringLiteral("-"), this);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        grid->addWidget(value, row, 1);
        return value;
    };
    won_ = line(0, kWonCaption);
    played_ = line(1, kPlayedCaption);
    balance_ = line(2, kBalanceCaption);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    QFont small = note_->font();
    small.setPointSize(std::max(6, small.pointSize() - 1));
    note_->setFont(small);
    grid->addWidget(note_, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void MoneyBox::apply(const MoneyLines& lines) {
    won_->setText(lines.won);
    played_->setText(lines.played);
    balance_->setText(lines.balance);
    const bool dash = lines.balance == QStringLiteral("-");
    const QColor colour(QRgb(lines.balanceNegative ? kBalanceRed : kBalanceGreen));
    QPalette p = balance_->palette();
    p.setColor(QPalette::WindowText, dash ? palette().color(QPalette::WindowText) : colour);
    balance_->setPalette(p);
    note_->setText(lines.unknownNote);
    note_->setVisible(!lines.unknownNote.isEmpty());
}
