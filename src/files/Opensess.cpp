#include "files/Opensess.h"

#include "files/SessionFileParser.h"
#include "session/ConversionError.h"
#include "session/Prompter.h"
#include "session/Session.h"
#include "session/SessionContext.h"
#include "session/SessionView.h"
#include "session/TimingSummary.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

bool Opensess(const SessionContext &context, const QString &path)
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

    SessionFileContent content = ParseSessionFile(bytes, session.DualSession, context.prompter);
    if (content.formatErrors)
        context.prompter.error(u"Format errors in file"_s);
    if (content.cut) {
        context.prompter.error(u"The file holds more than %1 segments; only the first %1 were read."_s.arg(
            SessionGrid::MaxSegments));
    }

    session.SessionFileName = path;
    session.SessionName = content.name;
    session.DescriptionLines = content.descriptionLines;
    session.DualSession = content.dualSession;
    session.cells = std::move(content.cells);
    session.SessionTotalSeconds = 0;
    context.view.cellsChanged();
    context.view.setSessionShown(true);
    // Loop fields are taken as they stand; one that is no number must not
    // leave the window half shown, so its report waits until the end.
    QString timingError;
    try {
        UpdateTimingSummary(session, context.view, 1);
    } catch (const ConversionError &e) {
        timingError = e.message();
    }
    context.view.setCaption(SessionCaption(session.SessionName, true));
    const CellPos first{0, 1};
    session.CurrentCell = first;
    context.view.selectCell(first);
    session.SessionModified = 0;
    if (!timingError.isEmpty())
        context.prompter.error(timingError);
    return true;
}
