#include "ftsquery.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString quoted(QString text)
{
    text.replace(u'"', u"\"\""_s);
    return u'"' + text + u'"';
}

} // namespace

QString FtsQuery::fromTyped(const QString &typed)
{
    QStringList terms;
    const QString text = typed.trimmed();
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i).isSpace()) {
            ++i;
            continue;
        }
        if (text.at(i) == u'"') {
            // A phrase runs to the closing quote, or to the end when there is none.
            const qsizetype close = text.indexOf(u'"', i + 1);
            const QString phrase = text.mid(i + 1, close < 0 ? -1 : close - i - 1).trimmed();
            if (!phrase.isEmpty())
                terms.append(quoted(phrase));
            i = close < 0 ? text.size() : close + 1;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && !text.at(end).isSpace() && text.at(end) != u'"')
            ++end;
        QString word = text.mid(i, end - i);
        i = end;
        // Every bare word matches as a beginning, so results follow the typing.
        while (word.endsWith(u'*'))
            word.chop(1);
        // Only letters and digits make a token; the rest is separator anyway.
        bool hasToken = false;
        for (const QChar c : word)
            hasToken = hasToken || c.isLetterOrNumber();
        if (hasToken)
            terms.append(quoted(word) + u'*');
    }
    return terms.join(u' ');
}
