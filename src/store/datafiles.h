#pragma once

#include "store/fileops.h"
#include "store/recordfile.h"
#include "store/records.h"

#include <QFile>
#include <QList>
#include <memory>
#include <optional>

// The file set of the program folder, each data file kept open on one handle.
class DataFiles {
public:
    explicit DataFiles(std::shared_ptr<FileOps> ops = std::make_shared<FileOps>());

    // Sets the folder (with its trailing separator) and opens apuestas.dat,
    // numeros.dat, www.txt, nums.ini and premios.dat, creating them when missing. Each
    // file is opened on its own: one that fails does not stop the others.
    void openAll(const QString& folder);
    void closeAll();
    // What start-up tells the user about the files that could not be opened,
    // or only for reading; empty when every file is open.
    QString openProblemsText() const;

    const QString& folder() const { return folder_; }
    QString pathOf(const QString& name) const { return folder_ + name; }
    FileOps& ops() { return *ops_; }

    RecordFile& penas() { return penas_; }
    RecordFile& draws() { return draws_; }
    RecordFile& settings() { return settings_; }
    RecordFile& prizes() { return prizes_; }
    QFile& www() { return www_; }

    std::optional<PenaRecord> readPena(int n);
    void writePena(int n, const PenaRecord& pena);
    // The whole file, read once and kept until it changes: the refreshes of
    // one operation share one reading of each file.
    QList<PenaRecord> readAllPenas();
    std::optional<DrawRecord> readDraw(int n);
    void writeDraw(int n, const DrawRecord& draw);
    // Appends draws at record n on, all of them or none.
    void appendDraws(int n, const QList<DrawRecord>& draws);
    QList<DrawRecord> readAllDraws();
    QList<PrizeRecord> readAllPrizes(); // kept like the others
    SettingsRecord readSettings();
    void writeSettings(const SettingsRecord& settings);

    // Replaces the whole peña (draw) file: work copy, synced, renamed over the
    // data file, reopened. On failure the data file is left as it was and
    // StoreError is thrown; a file that is not open for writing is refused
    // (Unavailable) before anything is written.
    void rewritePenas(const QList<PenaRecord>& penas);
    void rewritePenaRecords(const QList<QByteArray>& records);
    void rewriteDraws(const QList<DrawRecord>& draws);
    void rewritePrizes(const QList<PrizeRecord>& prizes);
    // Closes, deletes and reopens numeros.dat as an empty file.
    void emptyDraws();

private:
    void rewrite(RecordFile& file, const QString& workName, const QList<QByteArray>& records);

    std::shared_ptr<FileOps> ops_;
    QString folder_;
    RecordFile penas_{kPenaRecordSize, *ops_};
    RecordFile draws_{kDrawRecordSize, *ops_};
    RecordFile settings_{kSettingsRecordSize, *ops_};
    RecordFile prizes_{kPrizeRecordSize, *ops_};
    QFile www_;
    QString wwwProblem_;
    template <class Record> struct Kept {
        RecordFile::Stamp stamp;
        QList<Record> records;
    };
    Kept<PenaRecord> penasRead_;
    Kept<DrawRecord> drawsRead_;
    Kept<PrizeRecord> prizesRead_;
};

// Removes the work files a run may have left when it ended half way: the
// named ones and the .part copies of numeros.bak and of a kept damaged draw
// or prize file. Links are removed themselves, never followed; anything else that
// cannot be removed is left.
void removeLeftoverWorkFiles(FileOps& ops, const QString& folder, const QStringList& names);

inline const QString kPenaFile = QStringLiteral("apuestas.dat");
inline const QString kPenaWorkFile = QStringLiteral("apuestas.tmp");
inline const QString kDrawFile = QStringLiteral("numeros.dat");
inline const QString kDrawWorkFile = QStringLiteral("numeros.tmp");
inline const QString kDrawBackupFile = QStringLiteral("numeros.bak");
inline const QString kAnswerFile = QStringLiteral("www.txt");
inline const QString kSettingsFile = QStringLiteral("nums.ini");
inline const QString kPrizeFile = QStringLiteral("premios.dat");
inline const QString kPrizeWorkFile = QStringLiteral("premios.tmp");
