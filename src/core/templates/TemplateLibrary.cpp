#include "core/templates/TemplateLibrary.h"

#include "core/beds/BedFile.h"
#include "core/files/PrivateFiles.h"
#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/NewSession.h"
#include "core/session/Prompter.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/TimingSummary.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
// The reader keeps no more of a name line.
constexpr qsizetype NameLimit = 40;
const QString TemplateSuffix = u".LSS"_s;

// Listing a folder shows nothing: a faulty file is simply no template.
class SilentPrompter : public Prompter
{
public:
    void error(const QString &) override {}
    void information(const QString &) override {}
    bool confirmYesNo(const QString &) override { return false; }
    bool confirmOkCancel(const QString &) override { return false; }
    QString inputBox(const QString &, const QString &, const QString &initial) override { return initial; }
    void beep() override {}
    void setBusy(bool) override {}
};

std::optional<SessionTemplate> readTemplate(const QString &path, bool own)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    SilentPrompter prompter;
    SessionFileParser parser(PulsedSession, prompter);
    while (!file.atEnd() && parser.feed(file.read(64 * 1024))) {
    }
    SessionFileContent content = parser.finish();
    if (content.formatErrors || file.error() != QFileDevice::NoError)
        return std::nullopt;
    SessionTemplate result;
    result.name = content.name;
    result.filePath = path;
    result.own = own;
    result.kind = content.kind;
    result.descriptionLines = content.descriptionLines;
    result.cells = std::move(content.cells);
    // A template whose beds cannot be read still gives its segments.
    result.beds = readBedFile(path).beds;
    result.totalSeconds = computeTimingSummary(result.cells, 1).totalSeconds;
    return result;
}

QList<SessionTemplate> readFolder(const QString &folder, bool own)
{
    QList<SessionTemplate> found;
    const QFileInfoList files = QDir(folder).entryInfoList({u"*"_s + TemplateSuffix}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        if (std::optional<SessionTemplate> read = readTemplate(file.filePath(), own))
            found.append(std::move(*read));
    }
    std::stable_sort(found.begin(), found.end(), [](const SessionTemplate &a, const SessionTemplate &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return found;
}

// A file name any system takes, made from the template's name; the name
// itself lives in the file.
QString newFilePath(const QString &folder, const QString &name)
{
    QString base;
    for (const QChar ch : name)
        base += ch.isLetterOrNumber() || ch == u' ' || ch == u'-' ? ch : u'_';
    const QDir dir(folder);
    QString path = dir.filePath(base + TemplateSuffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(u"%1 %2"_s.arg(base).arg(n) + TemplateSuffix);
    return path;
}
} // namespace

QString shippedTemplateFolder(const QString &programFolder)
{
    return programDataFolder(u"templates"_s, programFolder);
}

QString ownTemplateFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/templates"_s;
}

TemplateLibrary::TemplateLibrary(const QString &shippedFolder, const QString &ownFolder)
    : mShippedFolder(shippedFolder)
    , mOwnFolder(ownFolder)
{
    reload();
}

void TemplateLibrary::reload()
{
    mTemplates = readFolder(mShippedFolder, false) + readFolder(mOwnFolder, true);
}

const SessionTemplate *TemplateLibrary::find(const QString &name) const
{
    const auto found = std::find_if(mTemplates.cbegin(), mTemplates.cend(), [&name](const SessionTemplate &t) {
        return t.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == mTemplates.cend() ? nullptr : &*found;
}

QString TemplateLibrary::refusal(const QString &name, const SessionTemplate *renamed) const
{
    if (name.size() > NameLimit)
        return tr("A template name has at most %1 characters.").arg(NameLimit);
    // The name is the first line of its file and names it in lists.
    if (std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return tr("A template name holds no control characters such as a line break.");
    if (name.contains(u'/') || name.contains(u'\\'))
        return tr("A template name holds no / or \\.");
    if (name.startsWith(u'.'))
        return tr("A template name does not start with a dot.");
    const SessionTemplate *same = find(name);
    if (same && !same->own)
        return tr("%1 is the name of a template that comes with Mirandel.").arg(same->name);
    if (same && renamed && same->filePath != renamed->filePath)
        return tr("There is a template named %1 already.").arg(same->name);
    return QString();
}

std::unique_ptr<QLockFile> TemplateLibrary::lockOwnFolder(Prompter &prompter)
{
    if (!makePrivateFolder(mOwnFolder)) {
        prompter.error(tr("Cannot create the folder %1").arg(mOwnFolder));
        return nullptr;
    }
    auto lock = std::make_unique<QLockFile>(QDir(mOwnFolder).filePath(u".lock"_s));
    if (!lock->tryLock(5000)) {
        prompter.error(tr("Another program holds %1").arg(lock->fileName()));
        return nullptr;
    }
    return lock;
}

bool TemplateLibrary::stillFree(const QString &name, const QString &ownPath, Prompter &prompter)
{
    reload();
    const SessionTemplate *now = find(name);
    if (!now || now->filePath == ownPath)
        return true;
    prompter.error(now->own ? tr("There is a template named %1 already.").arg(now->name)
                            : tr("%1 is the name of a template that comes with Mirandel.").arg(now->name));
    return false;
}

bool TemplateLibrary::write(const Session &session, const QString &path, Prompter &prompter)
{
    Session kept = session;
    kept.fileName = path;
    // A template is for the user alone, made so before it is filled.
    const bool created = createPrivateFile(path);
    if (!created)
        QFile::setPermissions(path, PrivateFilePermissions);
    const bool written = writeSessionFile(kept, prompter);
    if (!written && created)
        QFile::remove(path);
    reload();
    return written;
}

QString TemplateLibrary::askName(const QString &caption, const QString &prompt, const QString &initial,
                                 const SessionTemplate *renamed, Prompter &prompter) const
{
    // A refused name is offered again to be changed. Cancel gives back the
    // text offered: the first one, or a refused one, which ends the asking.
    QString offered = initial;
    for (;;) {
        const QString name = prompter.inputBox(caption, prompt, offered).trimmed();
        if (name.isEmpty() || name == offered)
            return QString();
        const QString reason = refusal(name, renamed);
        if (reason.isEmpty())
            return name;
        prompter.error(reason);
        offered = name;
    }
}

bool TemplateLibrary::saveAsTemplate(const Session &session, Prompter &prompter)
{
    const QString name = askName(tr("Save as Template"), tr("Name of the template:"), QString(), nullptr, prompter);
    if (name.isEmpty())
        return false;
    const SessionTemplate *replaced = find(name);
    if (replaced && !prompter.confirmYesNo(tr("Replace your template %1?").arg(replaced->name)))
        return false;
    const QString replacedPath = replaced ? replaced->filePath : QString();
    // Another instance may have kept one of this name meanwhile: the folder
    // is read again under its lock, and what was not agreed to is refused.
    const std::unique_ptr<QLockFile> lock = lockOwnFolder(prompter);
    if (!lock)
        return false;
    if (!stillFree(name, replacedPath, prompter))
        return false;
    const SessionTemplate *now = find(name);
    const QString path = now ? now->filePath : newFilePath(mOwnFolder, name);
    Session kept = session;
    kept.name = name;
    return write(kept, path, prompter);
}

bool TemplateLibrary::rename(const SessionTemplate &ownTemplate, Prompter &prompter)
{
    if (!ownTemplate.own)
        return false;
    const QString name =
        askName(tr("Rename Template"), tr("New name of the template:"), ownTemplate.name, &ownTemplate, prompter);
    if (name.isEmpty())
        return false;
    Session renamed = sessionFromTemplate(ownTemplate);
    renamed.name = name;
    const QString path = ownTemplate.filePath; // the reference goes with the list
    const std::unique_ptr<QLockFile> lock = lockOwnFolder(prompter);
    if (!lock)
        return false;
    if (!stillFree(name, path, prompter))
        return false;
    return write(renamed, path, prompter);
}

bool TemplateLibrary::describe(const SessionTemplate &ownTemplate, const QStringList &lines, Prompter &prompter)
{
    if (!ownTemplate.own || lines == ownTemplate.descriptionLines)
        return false;
    Session described = sessionFromTemplate(ownTemplate);
    described.name = ownTemplate.name;
    described.descriptionLines = lines;
    return write(described, ownTemplate.filePath, prompter);
}

bool TemplateLibrary::isUnchangedTemplate(const Session &session) const
{
    return session.fileName.isEmpty()
        && std::any_of(mTemplates.cbegin(), mTemplates.cend(), [&session](const SessionTemplate &t) {
               const Session made = sessionFromTemplate(t);
               return session.kind == made.kind && session.name == made.name
                   && session.descriptionLines == made.descriptionLines && session.cells == made.cells;
           });
}

bool TemplateLibrary::remove(const SessionTemplate &ownTemplate, Prompter &prompter)
{
    if (!ownTemplate.own || !prompter.confirmYesNo(tr("Delete your template %1?").arg(ownTemplate.name)))
        return false;
    const QString path = ownTemplate.filePath; // the reference goes with the list
    const bool removed = QFile::remove(path);
    if (removed)
        QFile::remove(bedFilePath(path));
    reload();
    if (!removed)
        prompter.error(tr("Cannot delete %1").arg(path));
    return removed;
}

Session sessionFromTemplate(const SessionTemplate &sessionTemplate)
{
    Session session;
    session.name = newSessionName();
    session.kind = sessionTemplate.kind;
    session.descriptionLines = sessionTemplate.descriptionLines;
    session.cells = sessionTemplate.cells;
    session.beds = sessionTemplate.beds;
    return session;
}

void newSessionFromTemplate(const SessionContext &context, const SessionTemplate &sessionTemplate)
{
    context.document.replace(sessionFromTemplate(sessionTemplate), true);
}
