#include "download/cache.h"

#include "platform/nativefile.h"
#include "store/cp1252.h"
#include "store/datafiles.h"
#include "store/fileops.h"
#include "store/storeerror.h"

#include <QFile>

QByteArray cacheLine(const QString& answer) {
    QByteArray line;
    line.reserve(answer.size() + answer.count(QLatin1Char('"')) + 4);
    line.append('"');
    for (QChar c : answer) {
        const char16_t u = c.unicode();
        if (u == '"')
            line.append("\"\"", 2);
        else if (u < 0x80)
            line.append(static_cast<char>(u));
        else
            line.append(toCp1252(QString(c)));
    }
    line.append("\"\r\n");
    return line;
}

void replaceCache(DataFiles& files, const QByteArray& line) {
    QFile& cache = files.www();
    const QString target = files.pathOf(kAnswerFile);
    const QString work = files.pathOf(kAnswerWorkFile);
    const auto reopen = [&] {
        cache.close();
        cache.setFileName(target);
        cache.open(QIODevice::ReadOnly);
    };

    QFile out(work);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw StoreError(openFailureKind(out, QIODevice::WriteOnly),
                         QStringLiteral("%1: %2").arg(work, out.errorString()));
    const bool written = out.write(line) == line.size() && out.flush() && nativefile::sync(out);
    const QString why = out.errorString();
    out.close();
    if (!written) {
        QFile::remove(work);
        throw StoreError(StoreError::Kind::Io, QStringLiteral("%1: %2").arg(work, why));
    }
    cache.close();
    try {
        files.ops().replace(work, target);
    } catch (...) {
        QFile::remove(work);
        reopen();
        throw;
    }
    reopen();
}
