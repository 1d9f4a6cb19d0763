#include "views/forms/TForm7.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <exception>

using namespace Qt::Literals::StringLiterals;

TForm7::TForm7(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowDoesNotAcceptFocus)
    , mQtPrompter(this)
    , mPrompter(&mQtPrompter)
{
    setWindowTitle(u"Introduction"_s);
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

    Label1 = new QLabel(u"MIRANDEL"_s, this);
    Label1->setGeometry(122, 8, 241, 25);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    QFont titleFont(u"Stimpson"_s);
    titleFont.setPixelSize(21);
    Label1->setFont(titleFont);
    QPalette titlePalette = Label1->palette();
    titlePalette.setColor(QPalette::Window, QColor(255, 0, 255));
    titlePalette.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(titlePalette);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(8, 40, 473, 300);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = Memo1->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        memoPalette.setColor(group, QPalette::Base, QColor(0, 255, 255));
        memoPalette.setColor(group, QPalette::Text, Qt::black);
    }
    Memo1->setPalette(memoPalette);
    // A click on the disabled text closes the window as well.
    Memo1->viewport()->installEventFilter(this);
    Memo1->installEventFilter(this);
}

QStringList TForm7::IntroLines()
{
    return {QString(28, u' ') + u"MIRANDEL 2.0"_s,
            u" "_s,
            u"Welcome to Veltrano Mirandel"_s,
            u"Mirandel 2.0 allows you to create, edit, and view"_s,
            u"Ambrion and Calidor sessions in a spreadsheet format, operating"_s,
            u"with familiar Windows operations. The HELP system is complete"_s,
            u"and should answer most of your questions. You can call up an"_s,
            u"existing session design with FILE OPEN, or start a new one"_s,
            u"with FILE NEW. The session spreadsheet navigation and"_s,
            u"editing tools are intuitive and described in HELP."_s,
            u" "_s,
            u"Press any key to continue..."_s};
}

void TForm7::FormShow()
{
    try {
        Memo1->clear();
        for (const QString &line : IntroLines())
            Memo1->appendPlainText(line);
    } catch (const std::exception &) {
        mPrompter->error(u"Error loading intro dialog"_s);
    }
}

void TForm7::showEvent(QShowEvent *event)
{
    FormShow();
    QWidget::showEvent(event);
}

void TForm7::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    close();
}

bool TForm7::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
