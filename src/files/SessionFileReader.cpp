#include "files/SessionFileReader.h"

#include "files/SessionFileParser.h"
#include "session/ConversionError.h"
#include "session/Prompter.h"
#include "session/Session.h"
#include "session/SessionContext.h"
#include "session/SessionView.h"
#include "session/TimingSummary.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

bool readSessionFile(const SessionContext &context, const QString &path)
{
    Session &session = context.session;
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        context.prompter.error(u"Cannot open file \"%1\". %2"_s.arg(path, file.errorString()));
        return false;
    }
    file.close();

    SessionFileContent content = parseSessionFile(bytes, session.kind, context.prompter);
    if (content.formatErrors)
        context.prompter.error(u"Format errors in file"_s);
    if (content.cut) {
        context.prompter.error(u"The file holds more than %1 segments; only the first %1 were read."_s.arg(
            SessionGrid::MaxSegments));
    }

    session.fileName = path;
    session.name = content.name;
    session.descriptionLines = content.descriptionLines;
    session.kind = content.dualSession;
    session.cells = std::move(content.cells);
    session.totalSeconds = 0;
    context.view.cellsChanged();
    context.view.setSessionShown(true);
    // Loop fields are taken as they stand; one that is no number must not
    // leave the window half shown, so its report waits until the end.
    QString timingError;
    try {
        updateTimingSummary(session, context.view, 1);
    } catch (const ConversionError &e) {
        timingError = e.message();
    }
    context.view.setCaption(sessionCaption(session.name, true));
    const CellPos first{0, 1};
    session.currentCell = first;
    context.view.selectCell(first);
    session.modified = 0;
    if (!timingError.isEmpty())
        context.prompter.error(timingError);
    return true;
}
