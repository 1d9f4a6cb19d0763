#pragma once

#include "core/beds/Bed.h"

#include <QDialog>
#include <functional>

class BedAudition;
class BedTableModel;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableView;
class SessionDocument;

// Preview > Beds: the sound files and noise under the session. Adds and
// removes beds and sets each one's level, start, fades and loop, every
// change one undo step; mutes a bed or lets it play solo in the preview.
// Stays open beside the main window and follows the session.
class BedsDialog : public QDialog
{
    Q_OBJECT
public:
    BedsDialog(SessionDocument &document, BedAudition &audition, QWidget *parent = nullptr);

    // Adds each file as a bed at 0 dB from the session's start.
    void addFiles(const QStringList &paths);
    void addNoise(Bed::Kind kind);
    void removeSelected();
    // The bed whose settings the controls show, from 0; -1 for none.
    int selectedBed() const;
    void selectBed(int bed);
    QTableView *table() const { return mTable; }

signals:
    // What the preview lets through changed.
    void auditionChanged();

private:
    void chooseFiles();
    void addBeds(const BedList &beds);
    void changeBed(const QString &text, const std::function<void(Bed &)> &change);
    void showSelected();
    void hear(void (BedAudition::*set)(int, bool), bool on);
    void connectValue(QDoubleSpinBox *box, const QString &text, double Bed::*field);
    QString fileStatus(const Bed &bed) const;

    SessionDocument &mDocument;
    BedAudition &mAudition;
    BedTableModel *mModel;
    QTableView *mTable;
    QPushButton *mAddFile;
    QPushButton *mAddNoise;
    QPushButton *mRemove;
    QDoubleSpinBox *mGain;
    QDoubleSpinBox *mStart;
    QDoubleSpinBox *mFadeIn;
    QDoubleSpinBox *mFadeOut;
    QCheckBox *mLoop;
    QDoubleSpinBox *mCrossfade;
    QCheckBox *mMute;
    QCheckBox *mSolo;
    QLabel *mStatus;
    bool mShowing = false; // the controls are being set, not edited
    int mKeptBed = -1;     // selected before the table was made anew
};
