#include "app/dialogs/GlideDialog.h"

#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
// Any number may be typed; it is snapped to the list as the glide is made.
QComboBox *frequencyBox(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(ValueLists::FreqList);
    auto *validator = new QDoubleValidator(0, 99, 2, box);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    box->setValidator(validator);
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
    , mFrom(frequencyBox(this))
    , mTo(frequencyBox(this))
    , mLinear(new QRadioButton(tr("&Linear steps"), this))
    , mRatio(new QRadioButton(tr("Steps by &ratio"), this))
{
    setWindowTitle(tr("Glide Across Selection"));
    // Where the box's name is its text, its typing field carries the name.
    for (const auto &[box, name] : {std::pair(mFrom, tr("From (Hz)")), std::pair(mTo, tr("To (Hz)"))}) {
        box->setAccessibleName(name);
        box->lineEdit()->setAccessibleName(name);
    }
    auto *form = new QFormLayout;
    form->addRow(tr("&From (Hz):"), mFrom);
    form->addRow(tr("&To (Hz):"), mTo);
    form->addRow(tr("Spacing:"), mLinear);
    form->addRow(QString(), mRatio);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mSegments);
    layout->addLayout(form);
    layout->addWidget(buttons);
    mLinear->setChecked(true);
    // An editable box keeps Enter for itself.
    for (QComboBox *box : {mFrom, mTo})
        connect(box->lineEdit(), &QLineEdit::returnPressed, this, &QDialog::accept);
}

void GlideDialog::setGlide(const Glide &glide)
{
    mGlide = glide;
    mSegments->setText(
        tr("Beat frequency across segments %1 to %2").arg(glide.firstColumn + 1).arg(glide.lastColumn + 1));
    selectNearest(mFrom, glide.from);
    selectNearest(mTo, glide.to);
    (glide.spacing == GlideSpacing::Ratio ? mRatio : mLinear)->setChecked(true);
    mFrom->setFocus();
}

Glide GlideDialog::glide() const
{
    Glide glide = mGlide;
    glide.from = hertzOf(mFrom);
    glide.to = hertzOf(mTo);
    glide.spacing = mRatio->isChecked() ? GlideSpacing::Ratio : GlideSpacing::Linear;
    return glide;
}
