#pragma once

#include "store/records.h"

#include <QDate>
#include <QList>
#include <QString>

class DataFiles;

// What RefreshStatus establishes and shows, before the summary.
struct StatusView {
    int nextDrawRecord = 1;
    DrawRecord latestDraw;
    int playedDraws = 0;
    QString lastUpdate; // label 3
    bool optionBoxesEnabled = false;
    bool drawsToShowEnabled = false;
    int drawsToShowMaximum = 0;
    QString nextDraw; // label 5
    bool warningBlinks = false;
    QString warning; // label 6, empty when hidden
};

StatusView computeStatus(const QList<DrawRecord>& draws, const QList<PenaRecord>& penas,
                         QDate today);
// Reads the open files and computes the status.
StatusView computeStatus(DataFiles& files, QDate today);

// Draws from the first one not older than peña 1's creation on, that some
// peña plays; each draw at most once.
int countPlayedDraws(const QList<DrawRecord>& draws, const QList<PenaRecord>& penas);
// The next Tuesday or Friday from today (from tomorrow when today's draw is stored).
QDate nextDrawDate(QDate today, double latestDrawDate);
// The weeks-missing warning; empty when the file is at most 7 days old.
QString weeksMissingText(double latestDrawDate, QDate today);
