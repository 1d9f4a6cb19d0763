#pragma once

#include <QList>
#include <QString>

// Full-text search over every page of a help folder, in the language the
// pages are shown in: a translated page stands in for its English one. The
// pages are read once, as plain text; a page matches when it holds every word
// of the query, without regard to case.
class HelpSearch
{
public:
    struct Hit
    {
        QString topic;   // the page's topic identifier
        QString title;   // the page's title, or the identifier when it has none
        QString excerpt; // the text around the first word's first occurrence
        int count = 0;   // occurrences of the query's words on the page
    };

    explicit HelpSearch(const QString &helpFolder, const QString &languageFolder = QString());

    // The matching pages, most occurrences first, then by title. Empty for a
    // query without words.
    QList<Hit> find(const QString &query) const;

private:
    // The pages of a folder whose topics are not read yet.
    void readPages(const QString &folder);

    struct Page
    {
        QString topic;
        QString title;
        QString text;
    };
    QList<Page> mPages;
};
