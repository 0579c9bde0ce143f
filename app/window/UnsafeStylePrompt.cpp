#include "window/UnsafeStylePrompt.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "editor/EditorModel.h"
#include "editor/StatusLines.h"
#include "editor/StatusText.h"
#include "editor/AppColors.h"

namespace tarnveil {

UnsafeStylePrompt::UnsafeStylePrompt(EditorModel& model, QWidget* window)
    : QObject(window), model_(model), window_(window)
{
    connect(&model_, &EditorModel::pendingUnsafeStyleChanged, this, &UnsafeStylePrompt::sync);
    sync();
}

QAbstractButton* UnsafeStylePrompt::applyButton() const
{
    return apply_;
}

QAbstractButton* UnsafeStylePrompt::cancelButton() const
{
    return cancel_;
}

void UnsafeStylePrompt::sync()
{
    const bool pending = model_.pendingUnsafeStyle().has_value();
    if (pending && dialog_ == nullptr) {
        open();
    } else if (!pending && dialog_ != nullptr) {
        // Answered elsewhere (or the waiting style was dropped): the question is gone.
        QMessageBox* stale = dialog_;
        dialog_ = nullptr;
        stale->close();
    }
}

void UnsafeStylePrompt::open()
{
    auto* box = new QMessageBox(window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("unsafeStyleDialog"));
    box->setIcon(QMessageBox::Warning);
    box->setWindowTitle(QStringLiteral("Tarnveil"));
    box->setText(QCoreApplication::translate(StatusText::context, StatusLines::unsafeStyleTitle));
    box->setInformativeText(QCoreApplication::translate(StatusText::context, StatusLines::unsafeStyleMessage));
    QPushButton* apply = box->addButton(QCoreApplication::translate(StatusText::context, StatusLines::unsafeStyleConfirm), QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(QCoreApplication::translate(StatusText::context, StatusLines::unsafeStyleCancel), QMessageBox::RejectRole);
    apply->setObjectName(QStringLiteral("applyAnyway"));
    cancel->setObjectName(QStringLiteral("cancel"));
    QPalette destructive = apply->palette();
    destructive.setColor(QPalette::ButtonText, AppColors::systemRed());
    apply->setPalette(destructive);
    // Return and Escape never confirm by accident.
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::buttonClicked, this, &UnsafeStylePrompt::answered);
    connect(box, &QDialog::finished, this, [this, box] {
        // Closed without a button (window manager): the same as Cancel.
        if (dialog_ == box) {
            dialog_ = nullptr;
            model_.cancelUnsafeStyle();
        }
    });
    dialog_ = box;
    apply_ = apply;
    cancel_ = cancel;
    box->open();
}

void UnsafeStylePrompt::answered(QAbstractButton* button)
{
    if (dialog_ == nullptr) {
        return;
    }
    dialog_ = nullptr;
    if (button == apply_) {
        model_.confirmUnsafeStyle();
    } else {
        model_.cancelUnsafeStyle();
    }
}

} // namespace tarnveil
