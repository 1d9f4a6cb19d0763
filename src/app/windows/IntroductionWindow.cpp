#include "app/windows/IntroductionWindow.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <exception>

using namespace Qt::Literals::StringLiterals;

IntroductionWindow::IntroductionWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowDoesNotAcceptFocus)
    , mQtPrompter(this)
    , mPrompter(&mQtPrompter)
{
    setWindowTitle(tr("Introduction"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Outer borders are the window manager's; the client gets the size.
    move(103, 82);
    resize(626, 404);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, palette().color(QPalette::Highlight));
    setPalette(background);
    QFont font = this->font();
    font.setPixelSize(13);
    setFont(font);

    mTitle = new QLabel(u"MIRANDEL"_s, this);
    mTitle->setGeometry(122, 8, 241, 25);
    mTitle->setAlignment(Qt::AlignCenter);
    mTitle->setAutoFillBackground(true);
    QFont titleFont(u"Stimpson"_s);
    titleFont.setPixelSize(21);
    mTitle->setFont(titleFont);
    QPalette titlePalette = mTitle->palette();
    titlePalette.setColor(QPalette::Window, QColor(255, 0, 255));
    titlePalette.setColor(QPalette::WindowText, Qt::black);
    mTitle->setPalette(titlePalette);

    mText = new QPlainTextEdit(this);
    mText->setGeometry(8, 40, 473, 300);
    mText->setReadOnly(true);
    mText->setEnabled(false);
    mText->setFocusPolicy(Qt::NoFocus);
    mText->setLineWrapMode(QPlainTextEdit::NoWrap);
    mText->setAccessibleName(tr("Introduction"));
    mText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = mText->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        memoPalette.setColor(group, QPalette::Base, QColor(0, 255, 255));
        memoPalette.setColor(group, QPalette::Text, Qt::black);
    }
    mText->setPalette(memoPalette);
    // A click on the disabled text closes the window as well.
    mText->viewport()->installEventFilter(this);
    mText->installEventFilter(this);
}

QStringList IntroductionWindow::introLines()
{
    return {QString(28, u' ') + u"MIRANDEL 2.0"_s,
            u" "_s,
            tr("Welcome to Veltrano Mirandel"),
            tr("Mirandel 2.0 allows you to create, edit, and view"),
            tr("Ambrion and Calidor sessions in a spreadsheet format, operating"),
            tr("with familiar Windows operations. The HELP system is complete"),
            tr("and should answer most of your questions. You can call up an"),
            tr("existing session design with FILE OPEN, or start a new one"),
            tr("with FILE NEW. The session spreadsheet navigation and"),
            tr("editing tools are intuitive and described in HELP."),
            u" "_s,
            tr("Press any key to continue...")};
}

void IntroductionWindow::fillText()
{
    try {
        // One layout of the whole text rather than one per line.
        mText->setPlainText(introLines().join(u'\n'));
    } catch (const std::exception &) {
        mPrompter->error(tr("Error loading intro dialog"));
    }
}

void IntroductionWindow::showEvent(QShowEvent *event)
{
    fillText();
    QWidget::showEvent(event);
}

void IntroductionWindow::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    close();
}

bool IntroductionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
