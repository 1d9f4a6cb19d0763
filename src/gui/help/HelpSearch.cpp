#include "gui/help/HelpSearch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int ExcerptContext = 60;

QString excerptAround(const QString &text, qsizetype at, qsizetype length)
{
    const qsizetype from = std::max<qsizetype>(0, at - ExcerptContext);
    const qsizetype to = std::min(text.size(), at + length + ExcerptContext);
    QString excerpt = text.mid(from, to - from).simplified();
    if (from > 0)
        excerpt.prepend(u"\u2026"_s);
    if (to < text.size())
        excerpt.append(u"\u2026"_s);
    return excerpt;
}
} // namespace

HelpSearch::HelpSearch(const QString &helpFolder, const QString &languageFolder)
{
    if (!languageFolder.isEmpty())
        readPages(languageFolder);
    readPages(helpFolder);
}

void HelpSearch::readPages(const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList({u"*.html"_s}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString topic = file.completeBaseName();
        if (std::any_of(mPages.cbegin(), mPages.cend(), [&](const Page &page) { return page.topic == topic; }))
            continue;
        QFile page(file.filePath());
        if (!page.open(QIODevice::ReadOnly))
            continue;
        QTextDocument document;
        document.setHtml(QString::fromUtf8(page.readAll()));
        const QString title = document.metaInformation(QTextDocument::DocumentTitle);
        mPages.append({topic, title.isEmpty() ? topic : title, document.toPlainText()});
    }
}

QList<HelpSearch::Hit> HelpSearch::find(const QString &query) const
{
    const QStringList words = query.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    QList<Hit> hits;
    if (words.isEmpty())
        return hits;
    for (const Page &page : mPages) {
        Hit hit{page.topic, page.title, QString(), 0};
        bool everyWord = true;
        for (const QString &word : words) {
            const int count = int(page.text.count(word, Qt::CaseInsensitive));
            everyWord = everyWord && count > 0;
            hit.count += count;
        }
        if (!everyWord)
            continue;
        const QString &first = words.first();
        hit.excerpt = excerptAround(page.text, page.text.indexOf(first, 0, Qt::CaseInsensitive), first.size());
        hits.append(hit);
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) {
        return a.count != b.count ? a.count > b.count : a.title.localeAwareCompare(b.title) < 0;
    });
    return hits;
}
