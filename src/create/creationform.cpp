#include "create/creationform.h"

#include "create/namebox.h"
#include "create/numbergridwidget.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

CreationForm::CreationForm(AppState& state, Platform& platform, int newPenaMode, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform),
      form_(state, platform.clock, platform.random) {
    setWindowTitle(QStringLiteral("Crear peña nueva..."));
    form_.open(newPenaMode);

    auto* nameLabel = new QLabel(QStringLiteral("&Nombre de la Peña:"), this);
    name_ = new NameBox(this);
    nameLabel->setBuddy(name_);
    instruction_ = new QLabel(this);
    QFont bold = instruction_->font();
    bold.setBold(true);
    instruction_->setFont(bold);
    auto* betCaption = new QLabel(QStringLiteral("-Apuesta nº:"), this);
    betNumber_ = new QLabel(this);
    betNumber_->setFont(bold);
    betNumber_->setMinimumWidth(30);

    tuesday_ = new QRadioButton(QStringLiteral("Sólo &martes"), this);
    friday_ = new QRadioButton(QStringLiteral("Sólo &viernes"), this);
    both_ = new QRadioButton(QStringLiteral("&Toda la semana"), this);
    auto* days = new QButtonGroup(this);
    days->addButton(tuesday_);
    days->addButton(friday_);
    days->addButton(both_);
    both_->setChecked(true);
    connect(tuesday_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) form_.setDay(DayFilter::Tuesday);
    });
    connect(friday_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) form_.setDay(DayFilter::Friday);
    });
    connect(both_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) form_.setDay(DayFilter::Both);
    });

    grid_ = new NumberGridWidget(form_, this);
    betList_ = new QTextEdit(this);
    betList_->setReadOnly(true);
    betList_->setFocusPolicy(Qt::NoFocus); // read-only: no stop for Tab
    betList_->setLineWrapMode(QTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier New"), 10);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    betList_->setFont(courier);
    betList_->document()->setDefaultFont(courier);
    const int listWidth = QFontMetrics(courier).horizontalAdvance(QString(34, QLatin1Char('0')));
    betList_->setMinimumWidth(listWidth + 30);

    aleatorio_ = new QPushButton(QStringLiteral("&Aleatorio"), this);
    borrar_ = new QPushButton(QStringLiteral("&Borrar"), this);
    grabar_ = new QPushButton(QStringLiteral("&Grabar"), this);

    auto* top = new QGridLayout;
    top->addWidget(nameLabel, 0, 0);
    top->addWidget(name_, 0, 1);
    top->addWidget(instruction_, 1, 0, 1, 2);
    auto* betRow = new QHBoxLayout;
    betRow->addWidget(betCaption);
    betRow->addWidget(betNumber_);
    betRow->addStretch();
    betRow->addWidget(tuesday_);
    betRow->addWidget(friday_);
    betRow->addWidget(both_);
    top->addLayout(betRow, 2, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(aleatorio_);
    buttons->addWidget(borrar_);
    buttons->addWidget(grabar_);
    auto* right = new QVBoxLayout;
    right->addWidget(betList_, 1);
    right->addLayout(buttons);
    auto* middle = new QHBoxLayout;
    middle->addWidget(grid_, 0, Qt::AlignTop);
    middle->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);

    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &CreationForm::transitionTick);

    connect(name_, &QLineEdit::textChanged, this, &CreationForm::onNameChanged);
    connect(grid_, &NumberGridWidget::cellClicked, this, &CreationForm::clickCell);
    connect(aleatorio_, &QPushButton::clicked, this, &CreationForm::aleatorio);
    connect(borrar_, &QPushButton::clicked, this, &CreationForm::borrar);
    connect(grabar_, &QPushButton::clicked, this, &CreationForm::grabar);
    sync();
}

QRadioButton* CreationForm::dayOption(DayFilter day) const {
    switch (day) {
    case DayFilter::Tuesday:
        return tuesday_;
    case DayFilter::Friday:
        return friday_;
    case DayFilter::Both:
        return both_;
    }
    return both_;
}

void CreationForm::tell(const std::optional<FormMessage>& message) {
    if (message) platform_.prompter.message(message->text, message->title, message->icon);
}

void CreationForm::onNameChanged(const QString& text) {
    const auto message = form_.setName(text);
    tell(message);
    if (name_->text() != form_.name()) name_->setText(form_.name());
}

void CreationForm::clickCell(int cell) {
    tell(form_.clickCell(cell));
    sync();
}

void CreationForm::transitionTick() {
    form_.transitionTick();
    sync();
}

void CreationForm::aleatorio() {
    tell(form_.randomFill());
    sync();
}

void CreationForm::borrar() {
    form_.borrar();
    sync();
}

void CreationForm::grabar() {
    const SaveResult result = form_.saveNewPena();
    tell(PenaForm::saveMessage(result, form_.refusal()));
    if (result == SaveResult::Saved) {
        // The core emptied the name; the box follows.
        QSignalBlocker block(name_);
        name_->clear();
    }
    sync();
    if (result == SaveResult::Saved) emit penaSaved();
}

void CreationForm::sync() {
    instruction_->setText(form_.instruction());
    betNumber_->setText(form_.betNumberText());
    aleatorio_->setEnabled(form_.aleatorioEnabled());
    borrar_->setEnabled(form_.borrarEnabled());
    grabar_->setEnabled(form_.grabarEnabled());
    if (form_.phase() == NumberGrid::Phase::Transition) {
        if (!timer_->isActive()) timer_->start();
    } else {
        timer_->stop();
    }
    syncBetList();
    grid_->update();
}

void CreationForm::syncBetList() {
    if (shownList_ == form_.betList()) return;
    shownList_ = form_.betList();
    betList_->setPlainText(shownList_);
    QTextCursor cursor(betList_->document());
    for (const BetListSpan& span : form_.betListSpans()) {
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setForeground(span.colour == BetListSpan::Colour::Red ? QColor(255, 0, 0)
                                                                     : QColor(0, 192, 0));
        cursor.setPosition(span.start);
        cursor.setPosition(span.start + span.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    betList_->moveCursor(QTextCursor::End);
}
