#pragma once

#include "core/session/GlideAcross.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QRadioButton;

// Edit > Glide Across Selection: the first and last beat frequency of the
// selected segments and how the steps between them are spaced.
class GlideDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GlideDialog(QWidget *parent = nullptr);

    // Shows the glide's segments and values; ends are picked from the list.
    void setGlide(const Glide &glide);
    Glide glide() const;

    // Controls, for tests
    QComboBox *fromBox() const { return mFrom; }
    QComboBox *toBox() const { return mTo; }

private:
    Glide mGlide;
    QLabel *mSegments;
    QComboBox *mFrom;
    QComboBox *mTo;
    QRadioButton *mLinear;
    QRadioButton *mRatio;
};
