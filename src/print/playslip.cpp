#include "print/playslip.h"

#include "store/records.h"

namespace {

constexpr double kBlockPitch = 26.2;
constexpr double kNumberColumn = 3.75;
constexpr double kStarColumn = 7.5;
constexpr double kRow = 5;
constexpr int kNumbersPerColumn = 9;
constexpr int kStarsPerColumn = 4;
constexpr double kStarsBelow = 50;

constexpr double kPlainOriginX = 33;
constexpr double kPlainOriginY = 45; // below the shift T
constexpr double kLowerHalf = 104;

// Official day boxes, from the grid origin; plain ones, from the page.
constexpr double kDayRowBelow = 70;
constexpr double kOfficialDayX[] = {60, 97.5, 130.5};
constexpr double kPlainDayX[] = {93.2, 130, 164};
constexpr double kPlainDayY = 115;

constexpr double kHeaderAbove = 16;
constexpr double kHeaderSiteX = 32;

int boxIndex(DayBox box) {
    switch (box) {
    case DayBox::SingleDay:
        return 0;
    case DayBox::CurrentWeek:
        return 1;
    case DayBox::TwoWeeks:
        return 2;
    }
    return 0;
}

} // namespace

MmPoint CellTable::number(int block, int number) const {
    const int i = number - 1;
    return {ox_ + kNumberColumn * (i / kNumbersPerColumn) + kBlockPitch * (block - 1),
            oy_ + kRow * (i % kNumbersPerColumn)};
}

MmPoint CellTable::star(int block, int star) const {
    const int k = star - 1;
    return {ox_ + kStarColumn * (k / kStarsPerColumn) + kBlockPitch * (block - 1),
            oy_ + kStarsBelow + kRow * (k % kStarsPerColumn)};
}

PlayslipLayout::PlayslipLayout(PrintMode mode, int index, float correctionX, float correctionY)
    : mode_(mode), index_(index), correctionX_(correctionX), correctionY_(correctionY) {}

double PlayslipLayout::shift() const {
    return index_ % 2 == 1 ? 0 : kLowerHalf;
}

MmPoint PlayslipLayout::origin() const {
    if (mode_ == PrintMode::Official) return {correctionX_, correctionY_};
    return {kPlainOriginX, shift() + kPlainOriginY};
}

MmPoint PlayslipLayout::dayBox(DayBox box) const {
    const int k = boxIndex(box);
    if (mode_ == PrintMode::Official) {
        const MmPoint o = origin();
        return {o.x + kOfficialDayX[k], o.y + kDayRowBelow};
    }
    return {kPlainDayX[k], shift() + kPlainDayY};
}

MmPoint PlayslipLayout::headerSite() const {
    return {correctionX_ + kHeaderSiteX, correctionY_ - kHeaderAbove};
}

MmPoint PlayslipLayout::headerPena(const QString& trimmedName) const {
    // Longer names start further left so the line ends near the same place.
    const qsizetype length = trimmedName.size();
    const double d = length < 10 ? 102 : length <= 15 ? 94 : 81;
    return {correctionX_ + d, correctionY_ - kHeaderAbove};
}

MmRect PlayslipLayout::frame() const {
    return {20, shift() + 20, 160.5, 104};
}

MmRect PlayslipLayout::filledMark(int k) const {
    const double t = shift();
    switch (k) {
    case 0:
        return {23.8, t + 117.3, 2.5, 3.0};
    case 1:
        return {173.5, t + 117.3, 2.5, 3.0};
    default: {
        static constexpr double kSideY[] = {44, 56, 80, 92, 98};
        return {22.5, t + kSideY[(k - 2) % 5], 1.0, 4.0};
    }
    }
}

MmPoint PlayslipLayout::penaLine() const {
    return {28, shift() + 32};
}

MmPoint PlayslipLayout::participationLine() const {
    return {135, shift() + 32};
}

MmPoint PlayslipLayout::daysLine(bool bothDays) const {
    return {bothDays ? 133.0 : 142.0, shift() + 36};
}

bool officialHeaderShown(float correctionX, float correctionY) {
    return correctionX > 5 && correctionY > 11;
}

SizeMarks sizeMarks(int numbers, int stars) {
    SizeMarks m;
    if (numbers >= 6 && numbers <= 10) m.numberCell = numbers - 3;
    if (stars >= 3 && stars <= 5) m.starCell = stars - 2;
    return m;
}

int playslipsNeeded(int betMode) {
    if (isMultipleMode(betMode)) return 1;
    if (betMode < 1) return 0;
    return (betMode + kPlayslipBets - 1) / kPlayslipBets;
}

QString penaLineText(const QString& trimmedName, int index, int playslips) {
    return QStringLiteral("PEÑA %1 (%2/%3)").arg(trimmedName).arg(index).arg(playslips);
}
