#include "UserInput.h"
#include "session/forms/QtPrompter.h"

#include <QApplication>
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
