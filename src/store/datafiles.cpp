#include "store/datafiles.h"

#include "store/storeerror.h"

#include <QDir>
#include <QRegularExpression>

DataFiles::DataFiles(std::shared_ptr<FileOps> ops) : ops_(std::move(ops)) {}

void DataFiles::openAll(const QString& folder) {
    folder_ = folder;
    const auto guarded = [](auto&& step) {
        try {
            step();
        } catch (const StoreError&) {
        }
    };
    guarded([&] { penas_.open(pathOf(kPenaFile)); });
    guarded([&] { draws_.open(pathOf(kDrawFile)); });
    www_.close();
    www_.setFileName(pathOf(kAnswerFile));
    wwwProblem_.clear();
    wwwProblem_ = notAFileReason(www_.fileName());
    if (wwwProblem_.isEmpty() && !www_.open(QIODevice::ReadWrite) &&
        !www_.open(QIODevice::ReadOnly))
        wwwProblem_ = QStringLiteral("no se ha podido abrir");
    guarded([&] { settings_.open(pathOf(kSettingsFile)); });
    guarded([&] { prizes_.open(pathOf(kPrizeFile)); });
}

QString DataFiles::openProblemsText() const {
    QStringList lines;
    for (const RecordFile* f : {&penas_, &draws_, &settings_, &prizes_})
        if (!f->problem().isEmpty())
            lines.append(QStringLiteral("%1: %2.").arg(f->fileName(), f->problem()));
    if (!wwwProblem_.isEmpty())
        lines.append(QStringLiteral("%1: %2.").arg(kAnswerFile, wwwProblem_));
    if (lines.isEmpty()) return {};
    return QStringLiteral("Hay archivos de datos que no se han podido abrir del todo:\r\n%1\r\n"
                          "Lo que se pueda leer se mostrará, pero no se cambiará ningún archivo "
                          "que no se haya podido abrir para escribir.")
        .arg(lines.join(QStringLiteral("\r\n")));
}

void DataFiles::closeAll() {
    penas_.close();
    draws_.close();
    settings_.close();
    prizes_.close();
    www_.close();
}

std::optional<PenaRecord> DataFiles::readPena(int n) {
    auto bytes = penas_.read(n);
    if (!bytes) return std::nullopt;
    return PenaRecord::decode(*bytes);
}

void DataFiles::writePena(int n, const PenaRecord& pena) {
    penas_.write(n, pena.encode());
}

QList<PenaRecord> DataFiles::readAllPenas() {
    const RecordFile::Stamp stamp = penas_.stamp();
    if (penasRead_.stamp == stamp) return penasRead_.records;
    QList<PenaRecord> out;
    const QList<QByteArray> records = penas_.readAll();
    out.reserve(records.size());
    for (const QByteArray& r : records)
        out.append(PenaRecord::decode(r));
    penasRead_ = {stamp, out};
    return out;
}

std::optional<DrawRecord> DataFiles::readDraw(int n) {
    auto bytes = draws_.read(n);
    if (!bytes) return std::nullopt;
    return DrawRecord::decode(*bytes);
}

void DataFiles::writeDraw(int n, const DrawRecord& draw) {
    draws_.write(n, draw.encode());
}

void DataFiles::appendDraws(int n, const QList<DrawRecord>& draws) {
    QList<QByteArray> records;
    records.reserve(draws.size());
    for (const DrawRecord& d : draws)
        records.append(d.encode());
    draws_.write(n, records);
}

QList<DrawRecord> DataFiles::readAllDraws() {
    const RecordFile::Stamp stamp = draws_.stamp();
    if (drawsRead_.stamp == stamp) return drawsRead_.records;
    QList<DrawRecord> out;
    const QList<QByteArray> records = draws_.readAll();
    out.reserve(records.size());
    for (const QByteArray& r : records)
        out.append(DrawRecord::decode(r));
    drawsRead_ = {stamp, out};
    return out;
}

QList<PrizeRecord> DataFiles::readAllPrizes() {
    const RecordFile::Stamp stamp = prizes_.stamp();
    if (prizesRead_.stamp == stamp) return prizesRead_.records;
    QList<PrizeRecord> out;
    const QList<QByteArray> records = prizes_.readAll();
    out.reserve(records.size());
    for (const QByteArray& r : records)
        out.append(PrizeRecord::decode(r));
    prizesRead_ = {stamp, out};
    return out;
}

SettingsRecord DataFiles::readSettings() {
    SettingsRecord s;
    if (auto bytes = settings_.read(1)) s.raw = *bytes;
    return s;
}

void DataFiles::writeSettings(const SettingsRecord& settings) {
    settings_.write(1, settings.raw);
}

void DataFiles::rewrite(RecordFile& file, const QString& workName,
                        const QList<QByteArray>& records) {
    file.requireWritable();
    if (records.size() > kMaxRecords)
        throw StoreError(StoreError::Kind::TooManyRecords, file.path());
    const QString target = file.path();
    try {
        ops_->replaceWith(pathOf(workName), target, records, [&] { file.close(); });
    } catch (const StoreError&) {
        // The data file is untouched: open it again if it was closed.
        try {
            if (!file.isOpen()) file.open(target);
        } catch (const StoreError&) {
        }
        throw;
    }
    file.open(target);
}

void DataFiles::rewritePenas(const QList<PenaRecord>& penas) {
    QList<QByteArray> records;
    records.reserve(penas.size());
    for (const PenaRecord& p : penas)
        records.append(p.encode());
    rewrite(penas_, kPenaWorkFile, records);
}

void DataFiles::rewritePenaRecords(const QList<QByteArray>& records) {
    rewrite(penas_, kPenaWorkFile, records);
}

void DataFiles::rewriteDraws(const QList<DrawRecord>& draws) {
    QList<QByteArray> records;
    records.reserve(draws.size());
    for (const DrawRecord& d : draws)
        records.append(d.encode());
    rewrite(draws_, kDrawWorkFile, records);
}

void DataFiles::rewritePrizes(const QList<PrizeRecord>& prizes) {
    QList<QByteArray> records;
    records.reserve(prizes.size());
    for (const PrizeRecord& p : prizes)
        records.append(p.encode());
    rewrite(prizes_, kPrizeWorkFile, records);
}

void DataFiles::emptyDraws() {
    rewriteDraws({});
}

void removeLeftoverWorkFiles(FileOps& ops, const QString& folder, const QStringList& names) {
    const QDir dir(folder);
    static const QRegularExpression part(
        QStringLiteral("^(numeros\\.bak|(numeros|premios)-corrupto(-\\d+)?\\.dat)\\.part$"));
    QStringList leftovers = names;
    for (const QString& name : dir.entryList(QDir::Files | QDir::System | QDir::Hidden))
        if (part.match(name).hasMatch()) leftovers.append(name);
    for (const QString& name : leftovers) {
        try {
            ops.remove(dir.filePath(name));
        } catch (const StoreError&) {
        }
    }
}
