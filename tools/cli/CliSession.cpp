#include "CliSession.h"

#include "HeadlessView.h"
#include "files/Opensess.h"
#include "session/Session.h"
#include "session/SessionContext.h"

#include <QFileInfo>

bool loadSessionFile(const QString &path, Session &session, Prompter &prompter)
{
    HeadlessView view;
    return Opensess(SessionContext{session, prompter, view}, QFileInfo(path).absoluteFilePath());
}
