// Writes the seed corpora: answers shaped like the results service (as the
// loopback server of the tests gives them), sample data folders and files.
// Run once to make fuzz/corpus; the files are kept in the repository.
#include "harness.h"

#include "download/cache.h"
#include "store/datafiles.h"
#include "store/dates.h"
#include "support/answers.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

QString root;

void seed(const QString& target, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(root + target);
    QFile f(root + target + QLatin1Char('/') + name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
}

PenaRecord pena(const char* name, const char* days, QDate created, int mode,
                const QList<QList<int>>& numbers, const QList<QList<int>>& stars) {
    PenaRecord p;
    p.setName(QString::fromUtf8(name));
    p.setDayFilter(QString::fromUtf8(days));
    p.betMode = qint16(mode);
    p.createdOn = oleFromDate(created);
    for (qsizetype b = 0; b < numbers.size(); ++b) {
        for (qsizetype k = 0; k < numbers[b].size(); ++k)
            p.numbers[b][k] = qint16(numbers[b][k]);
        for (qsizetype k = 0; k < stars[b].size(); ++k)
            p.stars[b][k] = qint16(stars[b][k]);
    }
    return p;
}

QByteArray drawFile(const QList<AnswerDraw>& newestFirst) {
    QByteArray out;
    for (qsizetype i = newestFirst.size() - 1; i >= 0; --i) {
        const AnswerDraw& a = newestFirst[i];
        DrawRecord d;
        for (int k = 0; k < 5; ++k)
            d.numbers[k] = qint16(a.numbers[k]);
        for (int k = 0; k < 2; ++k)
            d.stars[k] = qint16(a.stars[k]);
        d.drawDate = oleFromDate(a.date);
        out += d.encode();
    }
    return out;
}

QByteArray penaFile() {
    const QDate created(2026, 9, 1);
    QByteArray out;
    out += pena("LOS DEL BAR", "Todos", created, 3,
                {{3, 17, 22, 40, 45}, {1, 2, 10, 11, 50}, {7, 14, 21, 28, 35}},
                {{2, 11}, {1, 2}, {5, 9}})
               .encode();
    out += pena("PEÑA LA OFICINA", "Martes", created, 2, {{4, 8, 15, 16, 23}, {5, 12, 19, 33, 42}},
                {{4, 8}, {3, 12}})
               .encode();
    out += pena("FAMILIA GARCÍA", "Viernes", created.addDays(-60), 174,
                {{2, 9, 14, 23, 31, 40, 50}}, {{3, 4, 6, 10}})
               .encode();
    return out;
}

QByteArray answerBytes(const QList<AnswerDraw>& newestFirst) {
    return answerJson(newestFirst).toUtf8();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vantiko-fuzz-seeds CORPUS-FOLDER\n");
        return 2;
    }
    root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');

    const QList<AnswerDraw> recent = drawsBetween(QDate(2026, 11, 10), QDate(2026, 12, 8));
    const QList<AnswerDraw> older = drawsBetween(QDate(2026, 10, 1), QDate(2026, 11, 6));
    const QList<AnswerDraw> answerDraws = recent.mid(0, 8);
    const QByteArray stored = drawFile(recent.mid(4) + older);

    // The record decoders: peñas of each kind, draws, the settings record.
    const QByteArray penas = penaFile();
    seed("records", "simple-pena", penas.left(kPenaRecordSize));
    seed("records", "multiple-pena", penas.mid(2 * kPenaRecordSize));
    seed("records", "draws", stored.left(4 * kDrawRecordSize));
    SettingsRecord settings;
    settings.setCorrectionX(1.5f);
    settings.setCorrectionY(-2.0f);
    seed("records", "settings", settings.raw);

    // Cache contents: the line of a real answer over the draws stored before
    // it, a raw answer, an error page; busca's keys as the parse uses them.
    const QByteArray keys = "fecha_sorteo\n:\"\ncombinacion\"\n:\"\n- \n \n";
    seed("cache", "new-draws",
         joinParts({stored, cacheLine(answerJson(answerDraws.mid(0, 5))), "\x01", keys}));
    seed("cache", "nothing-new",
         joinParts({drawFile(answerDraws.mid(0, 3)), cacheLine(answerJson(answerDraws.mid(0, 3))),
                    "\x03"}));
    seed("cache", "empty-folder", joinParts({{}, answerBytes(answerDraws.mid(0, 2)), "\x01"}));
    seed("cache", "error-page", joinParts({stored, cacheLine(errorPage(2000)), "\x01"}));

    // Start-up over sample folders: three peñas over a month of draws.
    const QByteArray month = drawFile(recent + older);
    seed("folder", "sample", joinParts({penas, month, settings.raw, {}}));
    seed("folder", "sample-history", joinParts({penas, month, settings.raw, "\x01\x0c"}));
    seed("folder", "damaged-draw",
         joinParts(
             {penas, month.left(5 * kDrawRecordSize) + "\x33", {}, QByteArray("\x00\x05", 2)}));

    // News and the report's PDF.
    const QByteArray page =
        "<html><body><h1>Noticias</h1><p>" + QByteArray(400, 'x') + "</p></body></html>";
    const QByteArray pdf = "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\n%%EOF\n";
    const QByteArray www = cacheLine(answerJson(answerDraws.mid(0, 1)));
    seed("files", "news-changed", joinParts({"<p>vieja</p>", page, pdf, www, "\x05\x04"}));
    seed("files", "news-unchanged", joinParts({page, page, "%pdf", www, "\x01\x05"}));
    seed("files", "no-answer", joinParts({page, {}, pdf, www, "\x07\x06"}));
    std::printf("seeds written to %s\n", qPrintable(root));
    return 0;
}
