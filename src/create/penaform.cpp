#include "create/penaform.h"

#include "store/bettext.h"
#include "store/cp1252.h"
#include "store/dates.h"
#include "store/penastore.h"
#include "store/storeerror.h"

#include <algorithm>

PenaForm::PenaForm(AppState& state, const Clock& clock, RandomSource& random)
    : state_(state), clock_(clock), random_(random) {}

void PenaForm::open(int newPenaMode) {
    mode_ = newPenaMode;
    pending_ = PenaRecord();
    nameOnlyMode_ = false;
    grid_.reset();
    day_ = DayFilter::Both;
    reset();
}

void PenaForm::reset() {
    n_ = mode_ == 0 ? 5 : modeNumbers(mode_);
    s_ = mode_ == 0 ? 2 : modeStars(mode_);
    betLimit_ = mode_ == 0 ? kMaxBets : 1;
    completeBets_ = 0;
    betList_.clear();
    // An emptied list starts again without a leading line break.
    firstLine_ = false;
    name_.clear();
    grabarEnabled_ = false;
    borrarEnabled_ = false;
    aleatorioEnabled_ = true;
}

QString PenaForm::instruction() const {
    return QStringLiteral("INTRODUZCA EL NOMBRE, %1 NÚMEROS Y %2 ESTRELLAS:").arg(n_).arg(s_);
}

QString PenaForm::starPrompt() const {
    return QStringLiteral("MARQUE %1 ESTRELLAS").arg(s_);
}

QList<BetListSpan> PenaForm::betListSpans() const {
    QList<BetListSpan> spans;
    static const QString kWord = QStringLiteral("Estrellas");
    for (qsizetype at = betList_.indexOf(kWord); at >= 0; at = betList_.indexOf(kWord, at + 1))
        spans.append({int(at), int(kWord.size()), BetListSpan::Colour::Red});
    const int width = n_ > 5 ? 12 : 6;
    for (qsizetype at = betList_.indexOf(QLatin1Char(':')); at >= 0;
         at = betList_.indexOf(QLatin1Char(':'), at + 1)) {
        const int start = int(at) + 1;
        const int length = std::min<int>(width, int(betList_.size()) - start);
        if (length > 0) spans.append({start, length, BetListSpan::Colour::Green});
    }
    return spans;
}

QString PenaForm::typedText(const QString& text) {
    QString out;
    for (QChar c : text) {
        const QChar upper = c.toUpper();
        if (isCp1252(upper))
            out.append(upper);
        else if (isCp1252(c)) // no storable capital (µ): keep the letter as typed
            out.append(c);
    }
    return out;
}

QString PenaForm::pastedText(const QString& text) {
    QString out;
    for (QChar c : text)
        if (isCp1252(c)) out.append(c);
    return out;
}

std::optional<FormMessage> PenaForm::setName(const QString& text) {
    name_ = pastedText(text);
    if (name_.size() > kNameWidth) {
        name_ = creationtext::kNameReplacement;
        return FormMessage{creationtext::kNameTooLong, creationtext::kError,
                           MessageIcon::Exclamation};
    }
    return std::nullopt;
}

std::optional<FormMessage> PenaForm::limitMessage() const {
    return FormMessage{betLimit_ == 1 ? creationtext::kMultipleLimit : creationtext::kSimpleLimit,
                       creationtext::kError, MessageIcon::Information};
}

std::optional<FormMessage> PenaForm::clickCell(int cell) {
    switch (grid_.phase()) {
    case NumberGrid::Phase::Numbers:
        if (!NumberGrid::isNumberCell(cell)) return std::nullopt;
        if (nameOnlyMode_)
            return FormMessage{creationtext::kNameOnly, creationtext::kError,
                               MessageIcon::Information};
        if (completeBets_ == betLimit_) return limitMessage();
        markNumber(cell);
        return std::nullopt;
    case NumberGrid::Phase::Transition:
        return std::nullopt;
    case NumberGrid::Phase::Stars:
        if (!NumberGrid::isStarCell(cell)) return std::nullopt;
        markStar(cell);
        return std::nullopt;
    }
    return std::nullopt;
}

void PenaForm::markNumber(int cell) {
    grid_.toggle(cell);
    if (grid_.numberMarks() == n_) {
        // The numbers are fixed now; the stars come after the transition.
        grid_.startTransition();
        aleatorioEnabled_ = false;
    }
}

void PenaForm::markStar(int cell) {
    grid_.toggle(cell);
    if (grid_.starMarks() == s_) completeBet();
}

bool PenaForm::transitionTick() {
    if (grid_.phase() != NumberGrid::Phase::Transition) return false;
    if (grid_.stepTransition()) {
        aleatorioEnabled_ = true;
        return false;
    }
    return true;
}

void PenaForm::completeBet() {
    const int b = ++completeBets_;
    borrarEnabled_ = true;
    auto& numbers = pending_.numbers[b - 1];
    auto& stars = pending_.stars[b - 1];
    numbers.fill(0);
    stars.fill(0);

    int k = 0;
    for (int cell = 1; cell <= NumberGrid::kNumbers; ++cell)
        if (grid_.isMarked(cell)) numbers[k++] = static_cast<qint16>(cell);
    const QString numbersText = betValuesText(numbers.data(), k, Padding::All);
    k = 0;
    for (int star = 1; star <= NumberGrid::kStars; ++star)
        if (grid_.isMarked(NumberGrid::starCell(star))) stars[k++] = static_cast<qint16>(star);
    const QString starsText = betValuesText(stars.data(), k, Padding::All);
    grid_.reset();

    if (firstLine_) betList_.append(QLatin1Char('\n'));
    betList_.append(numbersText);
    if (n_ > 5) betList_.append(QLatin1Char('\n'));
    betList_.append(QStringLiteral(" Estrellas: "));
    betList_.append(starsText.leftJustified(6, QLatin1Char(' ')));
    firstLine_ = true;

    grabarEnabled_ = true;
    aleatorioEnabled_ = true;
}

void PenaForm::borrar() {
    if (!borrarEnabled_ || completeBets_ < 1) return;
    pending_.numbers[completeBets_ - 1].fill(0);
    pending_.stars[completeBets_ - 1].fill(0);
    --completeBets_;
    if (completeBets_ == 0) {
        borrarEnabled_ = false;
        firstLine_ = false;
    }
    // A simple bet is one line break and 32 characters.
    if (n_ > 5 || completeBets_ == 0)
        betList_.clear();
    else
        betList_.chop(33);
    if (completeBets_ == 0) grabarEnabled_ = false;
    aleatorioEnabled_ = true;
}

std::optional<FormMessage> PenaForm::randomFill() {
    if (!aleatorioEnabled_) return std::nullopt;
    aleatorioEnabled_ = false;
    switch (grid_.phase()) {
    case NumberGrid::Phase::Numbers: {
        grid_.clearNumbers();
        if (completeBets_ == betLimit_) return limitMessage();
        // The grid refuses numbers while only a name is wanted: say so once
        // rather than once per number drawn.
        if (nameOnlyMode_)
            return FormMessage{creationtext::kNameOnly, creationtext::kError,
                               MessageIcon::Information};
        random_.seedFromTime(clock_);
        std::array<bool, NumberGrid::kNumbers> drawn{};
        for (int got = 0; got < n_;) {
            const int v =
                std::min(int(random_.next() * NumberGrid::kNumbers), NumberGrid::kNumbers - 1);
            if (drawn[v]) continue;
            drawn[v] = true;
            ++got;
            markNumber(v + 1);
        }
        return std::nullopt;
    }
    case NumberGrid::Phase::Stars: {
        grid_.clearStars();
        random_.seedFromTime(clock_);
        std::array<bool, NumberGrid::kStars> drawn{};
        for (int got = 0; got < s_;) {
            const int v =
                std::min(int(random_.next() * NumberGrid::kStars), NumberGrid::kStars - 1);
            if (drawn[v]) continue;
            drawn[v] = true;
            ++got;
            markStar(NumberGrid::starCell(v + 1));
        }
        return std::nullopt;
    }
    case NumberGrid::Phase::Transition:
        return std::nullopt;
    }
    return std::nullopt;
}

SaveResult PenaForm::saveNewPena() {
    nameOnlyMode_ = false;
    if (completeBets_ == 0) return SaveResult::NoBets;

    const double today = oleFromDate(clock_.today());
    DataFiles& files = state_.files;
    if (auto first = files.readPena(1); first && first->createdOn > today)
        return SaveResult::PenaFromFuture;
    // The counts come from the files themselves, as they stand now.
    if (const int draws = files.draws().count(); draws > 0) {
        if (auto newest = files.readDraw(draws); newest && newest->drawDate > today)
            return SaveResult::DrawFromFuture;
    }
    if (name_.isEmpty()) {
        nameOnlyMode_ = true;
        borrarEnabled_ = false;
        aleatorioEnabled_ = false;
        return SaveResult::NameMissing;
    }
    const int next = files.penas().count() + 1;
    if (next > state_.penaLimit) return SaveResult::PenaLimit;

    PenaRecord record = pending_;
    record.setDayFilter(dayFilterText(day_));
    record.hits.fill(0);
    record.betMode = static_cast<qint16>(mode_ != 0 ? mode_ : completeBets_);
    record.lastCounted = 0;
    record.createdOn = today;
    record.setName(name_);
    // Only the slots of complete bets carry values.
    const int rows = modeRows(record.betMode);
    for (int b = 0; b < kMaxBets; ++b) {
        for (int k = 0; k < kBetNumberSlots; ++k)
            if (b >= rows || k >= n_) record.numbers[b][k] = 0;
        for (int k = 0; k < kBetStarSlots; ++k)
            if (b >= rows || k >= s_) record.stars[b][k] = 0;
    }

    try {
        appendPenaRecord(files, next, record);
    } catch (const StoreError& e) {
        switch (e.kind()) {
        case StoreError::Kind::Access:
            return SaveResult::AccessDenied;
        case StoreError::Kind::TooManyRecords:
            return SaveResult::FileFull;
        case StoreError::Kind::Io:
            return SaveResult::WriteFailed;
        case StoreError::Kind::Unavailable:
            refusal_ = e.text();
            return SaveResult::Refused;
        }
        return SaveResult::WriteFailed;
    }
    state_.nextPenaRecord = next + 1;
    state_.view.penaAdded = 1;
    pending_ = PenaRecord();
    reset();
    return SaveResult::Saved;
}

std::optional<FormMessage> PenaForm::saveMessage(SaveResult result, const QString& refusal) {
    using namespace creationtext;
    switch (result) {
    case SaveResult::Saved:
    case SaveResult::NoBets:
        return std::nullopt;
    case SaveResult::PenaFromFuture:
        return FormMessage{kPenaFromFuture, kError, MessageIcon::Exclamation};
    case SaveResult::DrawFromFuture:
        return FormMessage{kDrawFromFuture, kError, MessageIcon::Exclamation};
    case SaveResult::NameMissing:
        return FormMessage{kNameMissing, kError, MessageIcon::Exclamation};
    case SaveResult::PenaLimit:
        return FormMessage{kPenaLimit, kError, MessageIcon::Exclamation};
    case SaveResult::AccessDenied:
        return FormMessage{permissionErrorText(), kPermissionErrorTitle, MessageIcon::Critical};
    case SaveResult::FileFull:
        return FormMessage{fileFullText(kPenaFile), kError, MessageIcon::Critical};
    case SaveResult::WriteFailed:
        return FormMessage{kWriteFailed, kError, MessageIcon::Critical};
    case SaveResult::Refused:
        return FormMessage{refusal, kError, MessageIcon::Critical};
    }
    return std::nullopt;
}
