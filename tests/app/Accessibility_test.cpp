// What a screen reader finds: a name for every control of every window, and
// the session table's cells named by segment, row and value.
#include "DefaultSegments.h"
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/PreviewController.h"
#include "app/dialogs/BedsDialog.h"
#include "app/SafetyNotice.h"
#include "app/windows/IntroductionWindow.h"
#include "app/dialogs/DownloadProgressDialog.h"
#include "app/dialogs/GlideDialog.h"
#include "app/dialogs/PortDeviceDialog.h"
#include "app/dialogs/PortDialog.h"
#include "app/dialogs/SessionDescriptionDialog.h"
#include "app/dialogs/SessionKindDialog.h"
#include "app/dialogs/SessionNameDialog.h"
#include "app/dialogs/SessionProblemsDialog.h"
#include "app/windows/GraphWindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QList<QAccessible::Role> ControlRoles = {
    QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::ComboBox,
    QAccessible::SpinBox,    QAccessible::EditableText, QAccessible::Table,       QAccessible::Tree,
    QAccessible::List,       QAccessible::Cell,         QAccessible::MenuItem,    QAccessible::ProgressBar,
    QAccessible::ScrollBar};

// Counts the shown controls and lists those without a name by their path of roles and names.
void walk(QAccessibleInterface *node, const QString &path, int &controls, QStringList &nameless)
{
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(QAccessible::Name);
    const QString here = u"%1/%2(%3)"_s.arg(path).arg(int(node->role())).arg(name);
    if (ControlRoles.contains(node->role())) {
        ++controls;
        if (name.trimmed().isEmpty())
            nameless.append(here);
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), here, controls, nameless);
}
} // namespace

TEST(Accessibility, EveryControlHasANameAndCellsReadSegmentRowAndValue)
{
    MirandelWindows windows{QStringList()};
    MainWindow &main = *windows.mainWindow;
    Session session = sessionOfDefaultSegments(PulsedSession, 4);
    session.cells.setCell(2, PitchRow, u"240"_s);
    session.beds.resize(2);
    session.beds[1].kind = Bed::PinkNoise;
    main.document().replace(session, false);
    main.setSessionShown(true);

    const std::vector<std::pair<const char *, std::function<QWidget *()>>> shown = {
        {"main window", [&] { return &main; }},
        {"problems", [&] { return main.problemsDialog(); }},
        {"graph", [&] { return new GraphWindow(main, main.document(), &main); }},
        {"port", [&] { return new PortDialog(&main); }},
        {"port device", [&] { return new PortDeviceDialog(&main); }},
        {"glide", [&] { return new GlideDialog(&main); }},
        {"description", [&] { return new SessionDescriptionDialog(&main); }},
        {"kind", [&] { return new SessionKindDialog(&main); }},
        {"name", [&] { return new SessionNameDialog(&main); }},
        {"download", [&] { return new DownloadProgressDialog(&main); }},
        {"beds", [&] { return windows.preview->bedsDialog(); }},
    };
    for (const auto &[title, make] : shown) {
        QWidget *window = make();
        window->show();
        int controls = 0;
        QStringList nameless;
        walk(QAccessible::queryAccessibleInterface(window), QString(), controls, nameless);
        EXPECT_GT(controls, 0) << title;
        EXPECT_EQ(nameless, QStringList()) << title;
        window->hide();
    }

    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(main.sessionTable());
    ASSERT_TRUE(grid && grid->tableInterface());
    QAccessibleInterface *cell = grid->tableInterface()->cellAt(PitchRow, 2);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->text(QAccessible::Name), u"Segment 3, Pitch, 240"_s);
    EXPECT_FALSE(cell->text(QAccessible::Description).isEmpty());
}

// A combo box's name on this platform is its value; a screen reader names it
// by the label it is labelled by.
TEST(Accessibility, GlideFieldsAreLabelledByTheirLabels)
{
    GlideDialog dialog;
    dialog.setGlide(sessionOfDefaultSegments(DualBinauralSession, 3), {1, 2, 14, 10});
    dialog.beatsBox()->setCurrentIndex(2);
    dialog.show();
    const std::pair<QComboBox *, QString> fields[] = {
        {dialog.beatsBox(), u"Beats:"_s},          {dialog.fromBox(), u"From (Hz):"_s},
        {dialog.toBox(), u"To (Hz):"_s},           {dialog.from2Box(), u"Freq 2 from (Hz):"_s},
        {dialog.to2Box(), u"Freq 2 to (Hz):"_s},   {dialog.shapeBox(), u"Shape:"_s},
    };
    for (const auto &[box, label] : fields) {
        SCOPED_TRACE(label.toStdString());
        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(box);
        ASSERT_TRUE(field);
        QStringList labels;
        for (const auto &[other, relation] : field->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        EXPECT_EQ(labels, QStringList{label});
    }
}

TEST(Accessibility, TheSafetyNoticeAndTheIntroductionAreRead)
{
    QWidget client;
    SafetyNotice notice(&client);
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(&notice);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->text(QAccessible::Description).contains(u"epilepsy"_s));
    EXPECT_TRUE(read->text(QAccessible::Description).endsWith(u"Help > Safety tells more."_s));

    IntroductionWindow introduction;
    introduction.show();
    QStringList nameless;
    for (QWidget *widget : introduction.findChildren<QWidget *>()) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        if (node && node->role() == QAccessible::EditableText && node->text(QAccessible::Name).isEmpty())
            nameless << QString::fromLatin1(widget->metaObject()->className());
    }
    EXPECT_EQ(nameless, QStringList());
}
