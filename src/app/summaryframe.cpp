#include "app/summaryframe.h"

#include "app/hitchart.h"
#include "app/moneybox.h"
#include "app/summary.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

SummaryFrame::SummaryFrame(QWidget* parent) : QGroupBox(parent) {
    auto* caption = new QLabel(QStringLiteral("Suma aciertos peñas:"), this);
    total_ = new QLabel(QStringLiteral("0"), this);
    QFont bold = total_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    total_->setFont(bold);
    effectiveness_ = new QLineEdit(this);
    played_ = new QLineEdit(this);
    for (QLineEdit* box : {effectiveness_, played_}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
    }
    chart_ = new HitChart(QStringLiteral("Aciertos de todas las peñas desde la creación de éstas."),
                          this);
    chart_->setMinimumSize(240, 190);
    money_ = new MoneyBox(this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(total_, 0, 1);
    grid->addWidget(effectiveness_, 1, 0, 1, 2);
    grid->addWidget(played_, 2, 0, 1, 2);
    grid->addWidget(money_, 3, 0, 1, 2);
    grid->addWidget(chart_, 4, 0, 1, 2);
}

void SummaryFrame::apply(const SummaryView& summary) {
    total_->setText(summary.totalText);
    effectiveness_->setText(summary.effectiveness);
    played_->setText(summary.playedDraws);
    chart_->setRow(QStringLiteral(" "), summary.chartWithoutPrize, summary.chartTotal);
    money_->apply(summary.money);
}
