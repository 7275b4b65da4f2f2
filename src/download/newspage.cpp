#include "download/newspage.h"

#include <QHash>

namespace {

// The named characters a Spanish page uses; any other entity stays as written.
const QHash<QString, QChar>& entities() {
    static const QHash<QString, QChar> table = {
        {"amp", u'&'},    {"lt", u'<'},     {"gt", u'>'},     {"quot", u'"'},   {"apos", u'\''},
        {"nbsp", u' '},   {"aacute", u'á'}, {"eacute", u'é'}, {"iacute", u'í'}, {"oacute", u'ó'},
        {"uacute", u'ú'}, {"Aacute", u'Á'}, {"Eacute", u'É'}, {"Iacute", u'Í'}, {"Oacute", u'Ó'},
        {"Uacute", u'Ú'}, {"ntilde", u'ñ'}, {"Ntilde", u'Ñ'}, {"uuml", u'ü'},   {"Uuml", u'Ü'},
        {"iexcl", u'¡'},  {"iquest", u'¿'}, {"euro", u'€'},   {"copy", u'©'},   {"ordf", u'ª'},
        {"ordm", u'º'},   {"laquo", u'«'},  {"raquo", u'»'},  {"middot", u'·'}, {"hellip", u'…'},
        {"ndash", u'–'},  {"mdash", u'—'},
    };
    return table;
}

bool isBlockTag(const QString& name) {
    static const QStringList names = {
        "p",      "div",   "br",       "hr",      "table",      "tr",      "td",      "th",
        "thead",  "tbody", "tfoot",    "caption", "center",     "section", "article", "header",
        "footer", "main",  "nav",      "aside",   "blockquote", "pre",     "dl",      "dt",
        "dd",     "form",  "fieldset", "address", "figure",     "body",    "html",    "title"};
    return names.contains(name);
}

// Contents never shown.
bool isHiddenTag(const QString& name) {
    return name == QLatin1String("script") || name == QLatin1String("style") ||
           name == QLatin1String("head") || name == QLatin1String("noscript") ||
           name == QLatin1String("template") || name == QLatin1String("iframe") ||
           name == QLatin1String("object") || name == QLatin1String("svg");
}

class Builder {
public:
    QList<NewsBlock> blocks;

    bool full() const { return blocks.size() >= kMaxNewsBlocks; }

    void text(const QString& t) {
        for (QChar c : t) {
            if (c.isSpace()) {
                space_ = true;
                continue;
            }
            if (!open_) {
                if (full()) return;
                blocks.append(next_);
                next_.runs.clear();
                open_ = true;
                space_ = false;
            }
            NewsBlock& b = blocks.last();
            const bool bold = bold_ > 0;
            if (b.runs.isEmpty() || b.runs.last().bold != bold) b.runs.append(NewsRun{{}, bold});
            QString& run = b.runs.last().text;
            if (space_ && !(b.runs.size() == 1 && run.isEmpty())) run.append(QLatin1Char(' '));
            space_ = false;
            run.append(c);
        }
    }

    // Ends the block being filled; the next text starts one of this kind.
    void start(NewsBlock::Kind kind, int level = 0, const QString& marker = QString()) {
        open_ = false;
        space_ = false;
        next_.kind = kind;
        next_.level = level;
        next_.marker = marker;
        next_.runs.clear();
    }

    void tag(const QString& name, bool closing) {
        if (name == QLatin1String("b") || name == QLatin1String("strong")) {
            bold_ = closing ? qMax(0, bold_ - 1) : qMin(bold_ + 1, 1000);
            return;
        }
        if (name.size() == 2 && name[0] == u'h' && name[1] >= u'1' && name[1] <= u'6') {
            if (closing)
                start(NewsBlock::Paragraph);
            else
                start(NewsBlock::Heading, qMin(name[1].unicode() - '0', 3));
            return;
        }
        if (name == QLatin1String("ul") || name == QLatin1String("ol")) {
            if (closing) {
                if (!lists_.isEmpty()) lists_.removeLast();
            } else if (lists_.size() < 100000) {
                lists_.append(name == QLatin1String("ol") ? 1 : 0);
            }
            start(NewsBlock::Paragraph);
            return;
        }
        if (name == QLatin1String("li")) {
            if (closing) {
                start(NewsBlock::Paragraph);
                return;
            }
            const int depth = qBound(1, int(lists_.size()), kMaxListDepth);
            QString marker = QStringLiteral("•");
            if (!lists_.isEmpty() && lists_.last() > 0)
                marker = QString::number(lists_.last()++) + QLatin1Char('.');
            start(NewsBlock::Item, depth, marker);
            return;
        }
        if (isBlockTag(name)) {
            // Inside an item a new line is still the item's text.
            if (open_ || next_.kind != NewsBlock::Item) start(NewsBlock::Paragraph);
            return;
        }
        // Anything else (links, images, fonts, spans) shows only its text.
        if (!open_) return;
        space_ = space_ || name == QLatin1String("img");
    }

private:
    NewsBlock next_;
    bool open_ = false;
    bool space_ = false;
    int bold_ = 0;
    QList<int> lists_; // per open list: 0 bullets, else the next number
};

QString decoded(const QString& text) {
    if (!text.contains(QLatin1Char('&'))) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const qsizetype end = c == u'&' ? text.indexOf(QLatin1Char(';'), i + 1) : -1;
        if (end < 0 || end - i > 12) {
            out.append(c);
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        char32_t code = 0;
        bool ok = false;
        if (name.startsWith(QLatin1Char('#'))) {
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            ok = ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        } else if (auto it = entities().constFind(name); it != entities().constEnd()) {
            code = it->unicode();
            ok = true;
        }
        if (!ok) {
            out.append(c);
            continue;
        }
        // Control characters are no text.
        if (code >= 32 || code == '\t' || code == '\n') out.append(QString::fromUcs4(&code, 1));
        i = end;
    }
    return out;
}

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '<':
            out += QStringLiteral("&lt;");
            break;
        case '>':
            out += QStringLiteral("&gt;");
            break;
        case '&':
            out += QStringLiteral("&amp;");
            break;
        case '"':
            out += QStringLiteral("&quot;");
            break;
        default:
            // Control characters and lone surrogates are dropped.
            if (c.unicode() >= 32 && !c.isSurrogate()) out += c;
        }
    }
    return out;
}

// The ">" that ends the tag opened before `from`, past quoted attribute
// values; -1 when the page ends first.
qsizetype tagEnd(const QString& page, qsizetype from) {
    QChar quote;
    for (qsizetype k = from; k < page.size(); ++k) {
        const QChar c = page[k];
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return k;
        }
    }
    return -1;
}

} // namespace

QList<NewsBlock> newsBlocks(const QString& page) {
    Builder b;
    if (!page.contains(QLatin1Char('<'))) {
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            b.start(NewsBlock::Paragraph);
            b.text(line);
            if (b.full()) break;
        }
        return b.blocks;
    }
    qsizetype i = 0;
    const qsizetype n = page.size();
    while (i < n && !b.full()) {
        const qsizetype lt = page.indexOf(QLatin1Char('<'), i);
        b.text(decoded(page.mid(i, (lt < 0 ? n : lt) - i)));
        if (lt < 0) break;
        if (page.mid(lt, 4) == QLatin1String("<!--")) {
            const qsizetype end = page.indexOf(QLatin1String("-->"), lt + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const qsizetype gt = tagEnd(page, lt + 1);
        if (gt < 0) {
            // A "<" that opens no tag is text.
            b.text(decoded(page.mid(lt)));
            break;
        }
        qsizetype k = lt + 1;
        const bool closing = k < gt && page[k] == u'/';
        if (closing) ++k;
        const qsizetype nameStart = k;
        while (k < gt && page[k].isLetterOrNumber() && page[k].unicode() < 128)
            ++k;
        const QString name = page.mid(nameStart, k - nameStart).toLower();
        i = gt + 1;
        if (name.isEmpty()) continue; // "<!DOCTYPE", "<?xml", "< >"
        if (!closing && isHiddenTag(name)) {
            const qsizetype end = page.indexOf(QStringLiteral("</") + name, i, Qt::CaseInsensitive);
            if (end < 0) break;
            const qsizetype close = page.indexOf(QLatin1Char('>'), end);
            i = close < 0 ? n : close + 1;
            continue;
        }
        b.tag(name, closing);
    }
    return b.blocks;
}

QString newsHtml(const QList<NewsBlock>& blocks) {
    QString html;
    for (const NewsBlock& block : blocks) {
        QString inner;
        if (!block.marker.isEmpty()) inner += escaped(block.marker) + QLatin1Char(' ');
        for (const NewsRun& run : block.runs)
            inner += run.bold ? QStringLiteral("<b>") + escaped(run.text) + QStringLiteral("</b>")
                              : escaped(run.text);
        switch (block.kind) {
        case NewsBlock::Heading: {
            const QString tag = QStringLiteral("h%1").arg(qBound(1, block.level, 3));
            html += QLatin1Char('<') + tag + QLatin1Char('>') + inner + QStringLiteral("</") + tag +
                    QLatin1Char('>');
            break;
        }
        case NewsBlock::Item:
            html += QStringLiteral("<p style=\"margin-left:%1px\">")
                        .arg(20 * qBound(1, block.level, kMaxListDepth)) +
                    inner + QStringLiteral("</p>");
            break;
        case NewsBlock::Paragraph:
            html += QStringLiteral("<p>") + inner + QStringLiteral("</p>");
            break;
        }
    }
    return html;
}
