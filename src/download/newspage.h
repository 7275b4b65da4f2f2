#pragma once

#include <QList>
#include <QString>

// The news page as the window shows it. The maker's file may hold anything;
// only a safe subset of HTML is kept: paragraphs, headings, bold, list items
// and the text of links. Nothing is fetched, run or nested: the blocks are
// flat, a list deeper than kMaxListDepth is shown at that depth, and past
// kMaxNewsBlocks the rest is left out. A file without tags is plain text,
// one paragraph per line.
struct NewsRun {
    QString text;
    bool bold = false;
};

struct NewsBlock {
    enum Kind { Paragraph, Heading, Item };
    Kind kind = Paragraph;
    int level = 0;  // a heading's level (1..3), an item's depth (1..kMaxListDepth)
    QString marker; // an item's "•" or "3."
    QList<NewsRun> runs;
};

inline constexpr int kMaxListDepth = 4;
inline constexpr int kMaxNewsBlocks = 2000;

QList<NewsBlock> newsBlocks(const QString& page);
// The blocks as HTML for the window's text view: only <p>, <h1>..<h3> and
// <b>, never more than two deep, every other character escaped.
QString newsHtml(const QList<NewsBlock>& blocks);
