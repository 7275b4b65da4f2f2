#include "create/betmodemenu.h"

#include "create/playslipart.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>

namespace {

constexpr int kOptionsLeft = 28;
constexpr int kOptionsTop = 132;
constexpr int kOptionStep = 28;

} // namespace

MultipleBetsTable::MultipleBetsTable(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize MultipleBetsTable::sizeHint() const {
    return {254, 128};
}

void MultipleBetsTable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillRect(frame, QColor(255, 255, 250));
    const double headW = 58;
    const double colW = (frame.width() - headW) / 6.0;
    const double rowH = (frame.height() - 24) / 5.0;
    const double top = 24;

    QFont caption(QStringLiteral("Arial"), 7, QFont::Bold);
    p.setFont(caption);
    p.fillRect(QRectF(frame.left(), frame.top(), frame.width(), top), QColor(206, 52, 40));
    p.setPen(Qt::white);
    p.drawText(QRectF(frame.left(), frame.top(), frame.width(), top), Qt::AlignCenter,
               QStringLiteral("APUESTAS MÚLTIPLES: APUESTAS SENCILLAS"));

    QFont cell(QStringLiteral("Arial"), 8);
    QFont head(QStringLiteral("Arial"), 8, QFont::Bold);
    p.setPen(QColor(120, 40, 30));
    p.setFont(head);
    p.drawText(QRectF(frame.left(), top, headW, rowH), Qt::AlignCenter,
               QStringLiteral("Núm./Est."));
    for (int n = 5; n <= 10; ++n)
        p.drawText(QRectF(frame.left() + headW + (n - 5) * colW, top, colW, rowH), Qt::AlignCenter,
                   QString::number(n));
    for (int s = 2; s <= 5; ++s) {
        const double y = top + (s - 1) * rowH;
        p.setFont(head);
        p.setPen(QColor(30, 80, 170));
        p.drawText(QRectF(frame.left(), y, headW, rowH), Qt::AlignCenter, QString::number(s));
        p.setFont(cell);
        p.setPen(Qt::black);
        for (int n = 5; n <= 10; ++n)
            p.drawText(QRectF(frame.left() + headW + (n - 5) * colW, y, colW, rowH),
                       Qt::AlignCenter, BetModeMenuState::tableCell(n, s));
    }
    p.setPen(QPen(QColor(206, 52, 40), 1));
    for (int r = 1; r <= 5; ++r) {
        const double y = top + r * rowH;
        if (r < 5) p.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
    }
    for (int c = 0; c <= 5; ++c) {
        const double x = frame.left() + headW + c * colW;
        p.drawLine(QPointF(x, top), QPointF(x, frame.bottom()));
    }
    p.drawRect(frame);
}

BetModeMenu::BetModeMenu(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Menú creación"));
    setFixedSize(playslipart::kMenuWidth, playslipart::kMenuHeight);

    auto* heading = new QLabel(QStringLiteral("SELECCIONE UN MODO DE APUESTA:"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(16, 16, 270, 24);

    sencilla_ = new QCheckBox(QStringLiteral("&Sencilla"), this);
    sencilla_->setGeometry(24, 52, 200, 24);
    multiple_ = new QCheckBox(QStringLiteral("&Múltiple"), this);
    multiple_->setGeometry(24, 84, 200, 24);
    for (QCheckBox* box : {sencilla_, multiple_})
        box->setFont(bold);

    for (int n = 5; n <= 10; ++n) {
        auto* option = new QRadioButton(QStringLiteral("%1 números").arg(n), this);
        option->setAutoExclusive(false);
        option->setGeometry(kOptionsLeft, kOptionsTop + (n - 5) * kOptionStep, 140, 24);
        connect(option, &QRadioButton::clicked, this, [this, n] { onNumbers(n); });
        numberOptions_[n - 5] = option;
    }
    // The star options take the places of the first four number options.
    for (int s = 2; s <= 5; ++s) {
        auto* option = new QRadioButton(QStringLiteral("%1 estrellas").arg(s), this);
        option->setAutoExclusive(false);
        option->setGeometry(kOptionsLeft, kOptionsTop + (s - 2) * kOptionStep, 140, 24);
        connect(option, &QRadioButton::clicked, this, [this, s] { onStars(s); });
        starOptions_[s - 2] = option;
    }

    table_ = new MultipleBetsTable(this);
    table_->setGeometry(332, 150, 254, 128);

    connect(sencilla_, &QCheckBox::clicked, this, &BetModeMenu::onSencilla);
    connect(multiple_, &QCheckBox::clicked, this, &BetModeMenu::onMultiple);

    timer_ = new QTimer(this);
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &BetModeMenu::animationTick);

    state_.open();
    sync();
}

void BetModeMenu::animationTick() {
    state_.animationTick();
    sync();
}

void BetModeMenu::onSencilla() {
    emit chosen(state_.chooseSencilla());
    sync();
}

void BetModeMenu::onMultiple() {
    state_.toggleMultiple();
    sync();
}

void BetModeMenu::onNumbers(int n) {
    state_.chooseNumbers(n);
    numberOptions_[n - 5]->setChecked(false);
    sync();
}

void BetModeMenu::onStars(int s) {
    starOptions_[s - 2]->setChecked(false);
    const auto mode = state_.chooseStars(s);
    sync();
    if (mode) emit chosen(*mode);
}

void BetModeMenu::sync() {
    multiple_->setChecked(state_.multipleTicked());
    for (QRadioButton* option : numberOptions_) {
        option->setVisible(state_.numberOptionsVisible());
        option->setEnabled(state_.numberOptionsVisible());
    }
    for (int s = 2; s <= 5; ++s) {
        starOptions_[s - 2]->setVisible(state_.starOptionsVisible());
        starOptions_[s - 2]->setEnabled(state_.starOptionEnabled(s));
    }
    table_->setVisible(state_.tableVisible());
    if (state_.animationRunning() && !timer_->isActive())
        timer_->start();
    else if (!state_.animationRunning())
        timer_->stop();
    update();
}

void BetModeMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    playslipart::paintMenuBackground(p);
    QFont mark(QStringLiteral("Arial"), 13, QFont::Bold);
    p.setFont(mark);
    p.setPen(Qt::black);
    const QList<QRectF> cells = playslipart::menuMarkCells();
    for (int i = 0; i < cells.size(); ++i)
        if (state_.isMarkVisible(i))
            p.drawText(cells[i].adjusted(0, -3, 0, 0), Qt::AlignCenter, QStringLiteral("x"));
}

void BetModeMenu::closeEvent(QCloseEvent* event) {
    state_.close();
    timer_->stop();
    QWidget::closeEvent(event);
}
