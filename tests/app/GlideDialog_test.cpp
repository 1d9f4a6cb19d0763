// The glide dialog by the keys: which beats glide, and from where.
#include "DefaultSegments.h"
#include "UserInput.h"

#include "app/dialogs/GlideDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(GlideDialog, BeatsAreChosenByKeysAndEachShowsItsOwnEnds)
{
    const Session session = sessionOfDefaultSegments(DualBinauralSession, 4, {{Freq2Row, u"20.0"_s}});
    GlideDialog dialog;
    dialog.setGlide(session, currentGlide(session, 2, 3));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // Segment 3 ramps from segment 2's levels: only the ends are chosen.
    EXPECT_TRUE(dialog.fromFirstStartBox()->isChecked());
    EXPECT_FALSE(dialog.fromBox()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), dialog.toBox());

    dialog.beatsBox()->setFocus();
    typeKey(dialog.beatsBox(), Qt::Key_Down);
    typeKey(dialog.beatsBox(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), dialog.beatsBox()); // stepping the choice keeps the focus
    EXPECT_TRUE(dialog.to2Box()->isVisible());
    EXPECT_TRUE(dialog.toBox()->isVisible());
    dialog.to2Box()->setCurrentText(u"30"_s);
    dialog.shapeBox()->setCurrentIndex(dialog.shapeBox()->findText(u"S-curve"_s));
    const Glide glide = dialog.glide();
    EXPECT_EQ(glide.beats, GlideBeats::Both);
    EXPECT_EQ(glide.from2, 20.0);
    EXPECT_EQ(glide.to2, 30.0);
    EXPECT_EQ(glide.spacing, GlideSpacing::SCurve);
    EXPECT_TRUE(glide.fromFirstStart);

    // A pulsed session has one beat, and its first segment always glides from its Start Freq.
    const Session pulsed = sessionOfDefaultSegments(PulsedSession, 3);
    dialog.setGlide(pulsed, currentGlide(pulsed, 1, 2));
    EXPECT_FALSE(dialog.beatsBox()->isVisible());
    EXPECT_FALSE(dialog.fromFirstStartBox()->isVisible());
    EXPECT_EQ(dialog.glide().beats, GlideBeats::Freq1);
}
