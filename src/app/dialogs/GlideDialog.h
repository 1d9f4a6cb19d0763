#pragma once

#include "core/session/GlideAcross.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
struct Session;

// Edit > Glide Across Selection: the first and last beat frequency of the
// selected segments and the shape of the glide between them; in a Dual
// Binaural Beats session also which beats glide and whether the first
// segment glides from where it starts.
class GlideDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GlideDialog(QWidget *parent = nullptr);

    // Shows the glide's segments and values; ends are picked from the list.
    void setGlide(const Session &session, const Glide &glide);
    Glide glide() const;

    // Controls, for tests
    QComboBox *fromBox() const { return mFrom; }
    QComboBox *toBox() const { return mTo; }
    QComboBox *from2Box() const { return mFrom2; }
    QComboBox *to2Box() const { return mTo2; }
    QComboBox *beatsBox() const { return mBeats; }
    QComboBox *shapeBox() const { return mShape; }
    QCheckBox *fromFirstStartBox() const { return mFromFirstStart; }

private:
    void showChoices();
    void focusFirstField();

    Glide mGlide;
    double mStart1 = 0; // where the first segment starts, Freq 1 and Freq 2
    double mStart2 = 0;
    bool mDual = false;
    QLabel *mSegments;
    QComboBox *mBeats;
    QComboBox *mFrom;
    QComboBox *mTo;
    QComboBox *mFrom2;
    QComboBox *mTo2;
    QComboBox *mShape;
    QCheckBox *mFromFirstStart;
    QFormLayout *mForm;
};
