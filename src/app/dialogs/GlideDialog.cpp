#include "app/dialogs/GlideDialog.h"

#include "core/session/Session.h"
#include "core/session/SessionRows.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
// Any number may be typed; it is snapped to the list as the glide is made.
QComboBox *frequencyBox(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(ValueLists::FreqList);
    auto *validator = new QDoubleValidator(0, 99, 2, box);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    box->setValidator(validator);
    // Where the box's name is its text, its typing field carries the name.
    box->setAccessibleName(name);
    box->lineEdit()->setAccessibleName(name);
    return box;
}

void selectNearest(QComboBox *box, double hertz)
{
    box->setCurrentIndex(nearestFreqIndex(hertz));
    box->lineEdit()->selectAll();
}

double hertzOf(const QComboBox *box)
{
    return TextNumbers::tryDecimal(box->currentText()).value_or(0);
}
} // namespace

GlideDialog::GlideDialog(QWidget *parent)
    : QDialog(parent)
    , mSegments(new QLabel(this))
    , mBeats(new QComboBox(this))
    , mFrom(frequencyBox(this, tr("From (Hz)")))
    , mTo(frequencyBox(this, tr("To (Hz)")))
    , mFrom2(frequencyBox(this, tr("Freq 2 from (Hz)")))
    , mTo2(frequencyBox(this, tr("Freq 2 to (Hz)")))
    , mShape(new QComboBox(this))
    , mFromFirstStart(new QCheckBox(tr("&Glide in the first segment from where it starts"), this))
    , mForm(new QFormLayout)
{
    setWindowTitle(tr("Glide Across Selection"));
    mBeats->addItem(tr("Freq 1"), int(GlideBeats::Freq1));
    mBeats->addItem(tr("Freq 2"), int(GlideBeats::Freq2));
    mBeats->addItem(tr("Both"), int(GlideBeats::Both));
    mBeats->setAccessibleName(tr("Beats"));
    const std::pair<GlideSpacing, QString> shapes[] = {
        {GlideSpacing::Linear, tr("Linear")},   {GlideSpacing::Ratio, tr("By ratio")},
        {GlideSpacing::EaseIn, tr("Ease-in")},  {GlideSpacing::EaseOut, tr("Ease-out")},
        {GlideSpacing::SCurve, tr("S-curve")},  {GlideSpacing::Exponential, tr("Exponential")},
    };
    for (const auto &[shape, name] : shapes)
        mShape->addItem(name, int(shape));
    mShape->setAccessibleName(tr("Shape"));
    mSegments->setAccessibleName(tr("Segments"));

    mForm->addRow(tr("&Beats:"), mBeats);
    mForm->addRow(tr("&From (Hz):"), mFrom);
    mForm->addRow(tr("&To (Hz):"), mTo);
    mForm->addRow(tr("Freq 2 f&rom (Hz):"), mFrom2);
    mForm->addRow(tr("Freq 2 t&o (Hz):"), mTo2);
    mForm->addRow(tr("&Shape:"), mShape);
    mForm->addRow(QString(), mFromFirstStart);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mSegments);
    layout->addLayout(mForm);
    layout->addWidget(buttons);
    // An editable box keeps Enter for itself.
    for (QComboBox *box : {mFrom, mTo, mFrom2, mTo2})
        connect(box->lineEdit(), &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(mBeats, &QComboBox::currentIndexChanged, this, &GlideDialog::showChoices);
    connect(mFromFirstStart, &QCheckBox::toggled, this, &GlideDialog::showChoices);
    showChoices();
}

void GlideDialog::setGlide(const Session &session, const Glide &glide)
{
    mGlide = glide;
    mDual = session.kind == DualBinauralSession;
    mSegments->setText(
        tr("Beat frequency across segments %1 to %2").arg(glide.firstColumn + 1).arg(glide.lastColumn + 1));
    mStart1 = dualStartHertz(session, glide.firstColumn, Freq1Row);
    mStart2 = dualStartHertz(session, glide.firstColumn, Freq2Row);
    const bool canStart = canGlideFromFirstStart(session, glide.firstColumn);
    mFromFirstStart->setEnabled(canStart);
    mFromFirstStart->setChecked(canStart && glide.fromFirstStart);
    mBeats->setCurrentIndex(mBeats->findData(int(glide.beats)));
    mShape->setCurrentIndex(mShape->findData(int(glide.spacing)));
    selectNearest(mFrom, glide.from);
    selectNearest(mTo, glide.to);
    selectNearest(mFrom2, glide.from2);
    selectNearest(mTo2, glide.to2);
    showChoices();
    focusFirstField();
}

void GlideDialog::showChoices()
{
    const auto beats = GlideBeats(mBeats->currentData().toInt());
    const bool fromStart = mDual && mFromFirstStart->isChecked();
    const auto show = [this](QWidget *field, bool shown) { mForm->setRowVisible(field, shown); };
    show(mBeats, mDual);
    show(mFromFirstStart, mDual);
    show(mFrom, !mDual || beats != GlideBeats::Freq2);
    show(mTo, !mDual || beats != GlideBeats::Freq2);
    show(mFrom2, mDual && beats != GlideBeats::Freq1);
    show(mTo2, mDual && beats != GlideBeats::Freq1);
    // Gliding from where the segment starts leaves no start to choose.
    for (const auto &[box, start] : {std::pair(mFrom, mStart1), std::pair(mFrom2, mStart2)}) {
        box->setEnabled(!fromStart);
        if (fromStart)
            selectNearest(box, start);
    }
    // The focus moves on only from a field that went away.
    const QWidget *focused = focusWidget();
    if (!focused || !focused->isEnabled() || !focused->isVisibleTo(this))
        focusFirstField();
    adjustSize();
}

void GlideDialog::focusFirstField()
{
    for (QComboBox *box : {mFrom, mTo, mFrom2, mTo2}) {
        if (box->isEnabled() && mForm->isRowVisible(box)) {
            box->setFocus();
            box->lineEdit()->selectAll();
            return;
        }
    }
}

Glide GlideDialog::glide() const
{
    Glide glide = mGlide;
    glide.from = hertzOf(mFrom);
    glide.to = hertzOf(mTo);
    glide.from2 = hertzOf(mFrom2);
    glide.to2 = hertzOf(mTo2);
    glide.spacing = GlideSpacing(mShape->currentData().toInt());
    glide.beats = mDual ? GlideBeats(mBeats->currentData().toInt()) : GlideBeats::Freq1;
    glide.fromFirstStart = mDual && mFromFirstStart->isChecked();
    return glide;
}
