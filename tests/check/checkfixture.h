#pragma once

#include "check/checking.h"
#include "check/resultstext.h"
#include "store/appstate.h"
#include "support/tempfolder.h"

#include <QStringList>

// A program folder with peñas and draws, opened as the main window opens it.
struct CheckFolder {
    TempFolder dir;
    AppState state;
    PrizeBlink blink{state};

    void open(const QList<PenaRecord>& penas, const QList<DrawRecord>& draws) {
        dir.writePenas(penas);
        dir.writeDraws(draws);
        state.files.openAll(dir.path());
        recount();
    }
    // What RefreshStatus and the peña scan establish.
    void recount() {
        state.nextPenaRecord = state.files.penas().count() + 1;
        state.nextDrawRecord = state.files.draws().count() + 1;
    }
    PenaRecord pena(int n) { return state.files.readPena(n).value_or(PenaRecord{}); }
    QByteArray penaFile() { return dir.read(QStringLiteral("apuestas.dat")); }
};

// One line per row: a kind letter and every cell, separated by '|'.
inline QString rowText(const ResultsList& list, std::size_t row) {
    static const char kinds[] = {'-', 'H', 'D', 'B', 'L'};
    QString out(QLatin1Char(kinds[int(list.rows[row].rowKind())]));
    for (int c = 0; c < columnCount(list.kind); ++c)
        out += QLatin1Char('|') + cellText(list, row, c);
    return out;
}

inline QStringList rowTexts(const ResultsList& list) {
    QStringList out;
    for (std::size_t r = 0; r < list.rows.size(); ++r)
        out.append(rowText(list, r));
    return out;
}

// Only the kind letters and comments.
inline QStringList rowComments(const ResultsList& list) {
    QStringList out;
    static const char kinds[] = {'-', 'H', 'D', 'B', 'L'};
    for (std::size_t r = 0; r < list.rows.size(); ++r)
        out.append(QString(QLatin1Char(kinds[int(list.rows[r].rowKind())])) + QLatin1Char(' ') +
                   cellText(list, r, commentColumn(list.kind)));
    return out;
}

// Draws on consecutive Tuesdays and Fridays from `first` (a Tuesday or Friday).
inline QList<DrawRecord> drawSeries(QDate first, int count,
                                    std::array<int, 5> numbers = {41, 42, 43, 44, 45},
                                    std::array<int, 2> stars = {11, 12}) {
    QList<DrawRecord> out;
    QDate d = first;
    for (int i = 0; i < count; ++i) {
        out.append(makeDraw(d, numbers, stars));
        d = d.addDays(d.dayOfWeek() == 2 ? 3 : 4);
    }
    return out;
}
