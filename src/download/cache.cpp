#include "download/cache.h"

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

    try {
        files.ops().replaceWith(work, target, {line}, [&] { cache.close(); });
    } catch (const StoreError&) {
        if (!cache.isOpen()) reopen();
        throw;
    }
    reopen();
}
