// Preview > Beds: beds added, set and removed as undoable edits; mute and
// solo reach the preview, never the session.
#include "MenuCommands.h"
#include "TestSupport.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/PreviewController.h"
#include "app/dialogs/BedsDialog.h"
#include "app/dialogs/SessionProblemsDialog.h"
#include "core/session/NewSession.h"

#include <QAction>
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QSet>
#include <QDoubleSpinBox>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
template <typename Widget>
Widget *named(const QWidget &window, const QString &name)
{
    for (Widget *widget : window.findChildren<Widget *>()) {
        if (widget->accessibleName() == name || widget->text() == name)
            return widget;
    }
    throw std::runtime_error("no control " + name.toStdString());
}
} // namespace

TEST(BedsDialog, BedsAreAddedSetAndRemovedAsEditsAndHeardAsChosen)
{
    MirandelWindows windows{QStringList()};
    MainWindow &main = *windows.mainWindow;
    main.document().replace(defaultSession(PulsedSession), false);
    main.setSessionShown(true);
    const QTreeWidget &problems = *main.problemsDialog()->list();
    menuCommand(main, u"&Beds\u2026"_s)->trigger();
    BedsDialog &dialog = *windows.preview->bedsDialog();
    ASSERT_TRUE(dialog.isVisible());

    dialog.addFiles({u"/music/rain.flac"_s});
    dialog.addNoise(Bed::PinkNoise);
    const BedList &beds = main.session().beds;
    ASSERT_EQ(beds.size(), size_t(2));
    EXPECT_EQ(dialog.table()->model()->rowCount(), 2);
    EXPECT_EQ(dialog.selectedBed(), 1);
    EXPECT_EQ(beds[1].kind, Bed::PinkNoise);
    // The file is missing: the problems list has a note at once.
    EXPECT_EQ(problems.topLevelItemCount(), 1);

    QDoubleSpinBox *level = named<QDoubleSpinBox>(dialog, u"Level"_s);
    QCheckBox *loop = named<QCheckBox>(dialog, u"Loo&p to the session's end"_s);
    EXPECT_FALSE(loop->isEnabled());
    level->setValue(-40);
    EXPECT_EQ(beds[1].gain, -40);
    EXPECT_EQ(main.document().undoText(), u"Change Bed Level"_s);
    main.document().undo();
    EXPECT_EQ(beds[1].gain, -30);
    EXPECT_EQ(level->value(), -30);

    dialog.selectBed(0);
    ASSERT_TRUE(loop->isEnabled());
    loop->click();
    EXPECT_TRUE(beds[0].loop);
    named<QDoubleSpinBox>(dialog, u"Crossfade where the loop meets its start"_s)->setValue(40);
    EXPECT_EQ(beds[0].crossfade, 40);

    QSignalSpy heard(&dialog, &BedsDialog::auditionChanged);
    const BedList before = beds;
    named<QCheckBox>(dialog, u"&Mute in the preview"_s)->click();
    named<QCheckBox>(dialog, u"S&olo in the preview"_s)->click();
    EXPECT_EQ(heard.count(), 2);
    EXPECT_EQ(beds, before);

    // Every access key of the window leads to one control.
    QStringList keys;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        keys.append(label->text());
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        keys.append(button->text());
    QSet<QChar> taken;
    for (const QString &text : keys) {
        const qsizetype amp = text.indexOf(u'&');
        if (amp < 0 || amp + 1 >= text.size())
            continue;
        const QChar key = text.at(amp + 1).toLower();
        EXPECT_FALSE(taken.contains(key)) << text.toStdString();
        taken.insert(key);
    }

    dialog.removeSelected();
    ASSERT_EQ(beds.size(), size_t(1));
    EXPECT_EQ(beds[0].kind, Bed::PinkNoise);
    EXPECT_EQ(main.document().undoText(), u"Remove Bed"_s);
}
