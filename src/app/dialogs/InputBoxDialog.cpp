#include "app/dialogs/InputBoxDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// The title bar's buttons and margins beside the caption.
constexpr int TitleBarExtra = 140;
} // namespace

InputBoxDialog::InputBoxDialog(const QString &caption, const QString &prompt, const QString &explanation,
                               const QString &initial, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    auto *promptLabel = new QLabel(prompt, this);
    layout->addWidget(promptLabel);
    if (!explanation.isEmpty()) {
        auto *explanationLabel = new QLabel(explanation, this);
        explanationLabel->setForegroundRole(QPalette::PlaceholderText);
        layout->addWidget(explanationLabel);
    }
    mEntry = new QLineEdit(initial, this);
    mEntry->selectAll();
    // The entry takes the first key, also one typed before the box is active.
    mEntry->setFocus();
    promptLabel->setBuddy(mEntry);
    layout->addWidget(mEntry);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(caption) + TitleBarExtra);
}

QString InputBoxDialog::text() const
{
    return mEntry->text();
}
