#include "TestSupport.h"
#include "UserInput.h"
#include "app/QtPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// Presses keys in the open message box, then clicks its button with the given text.
void answerOpenBox(const QList<int> &keys, const QString &buttonText, bool *stillOpenAfterKeys)
{
    QTimer::singleShot(0, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (int key : keys)
            typeKey(box, Qt::Key(key));
        box->close();
        *stillOpenAfterKeys = box->isVisible();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonText)
                button->click();
        }
    });
}
} // namespace

TEST(QtPrompter, TheSaveQuestionCannotBeEscaped)
{
    QtPrompter prompter;
    const struct
    {
        const char *button;
        bool answer;
    } cases[] = {{"&Yes", true}, {"&No", false}};
    for (const auto &c : cases) {
        bool stillOpen = false;
        answerOpenBox({Qt::Key_Escape}, QString::fromLatin1(c.button), &stillOpen);
        EXPECT_EQ(prompter.confirmYesNo(u"Session  has been modified. Save it?"_s), c.answer) << c.button;
        EXPECT_TRUE(stillOpen) << "Escape or the close box answered the question";
    }
}

TEST(QtPrompter, EscapeCancelsAnOkCancelQuestion)
{
    QtPrompter prompter;
    bool stillOpen = true;
    QTimer::singleShot(0, [&stillOpen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        typeKey(box, Qt::Key_Escape);
        stillOpen = box->isVisible();
    });
    EXPECT_FALSE(prompter.confirmOkCancel(u"Delete segment 2 ?"_s));
    EXPECT_FALSE(stillOpen);
}

// The loop boxes keep their prompt word for word and say under it what is
// counted; OK gives the entry, Cancel the initial text.
TEST(QtPrompter, LoopInputBoxExplainsWhatIsCounted)
{
    QtPrompter prompter;
    for (const bool ok : {true, false}) {
        QStringList labels;
        QTimer::singleShot(0, [&labels, ok] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            for (const QLabel *label : box->findChildren<QLabel *>())
                labels.append(label->text());
            auto *entry = box->findChild<QLineEdit *>();
            ASSERT_NE(entry, nullptr);
            entry->setText(u"7"_s);
            typeKey(entry, ok ? Qt::Key_Return : Qt::Key_Escape);
        });
        EXPECT_EQ(prompter.inputBox(u"Enter Loop Segments"_s, u"Range 0-15"_s, u"3"_s), ok ? u"7"_s : u"3"_s);
        EXPECT_EQ(labels.value(0), u"Range 0-15"_s);
        EXPECT_TRUE(labels.value(1).startsWith(u"Number of segments in the loop (0\u201315)"_s)) << labels.value(1);
    }
}

// A box raised while a dialog is open belongs above that dialog, not above
// the window behind it.
TEST(QtPrompter, BoxesBelongToTheDialogThatRaisedThem)
{
    QWidget window;
    QtPrompter prompter(&window);
    QDialog dialog(&window);
    const QWidget *boxParent = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            boxParent = box->parentWidget();
            box->close();
        });
        prompter.errorWithDetails(u"COM port could not be opened"_s, u"/dev/ttyS9: No such file"_s);
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(boxParent, &dialog);
}

TEST(QtPrompter, AnErrorShowsItsReasonWithoutAnotherClick)
{
    QtPrompter prompter;
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const QLabel *label : box->findChildren<QLabel *>()) {
            if (label->isVisible())
                shown << label->text();
        }
        box->accept();
    });
    prompter.errorWithDetails(u"COM port could not be opened"_s, u"Permission denied"_s);
    EXPECT_TRUE(shown.contains(u"COM port could not be opened"_s)) << shown.join(u'|').toStdString();
    EXPECT_TRUE(shown.contains(u"Permission denied"_s)) << shown.join(u'|').toStdString();
}
