#include "message_boxes.h"

#include "listing_check_dialog.h"

#include <QInputDialog>
#include <QMessageBox>

namespace vellumo {

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void QtMessageBoxes::warning(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

bool QtMessageBoxes::question(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

MessageBoxes::SaveChoice QtMessageBoxes::askToSave(QWidget* parent, const QString& title,
                                                   const QString& text) {
    switch (QMessageBox::question(parent, title, text,
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                  QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::DontSave;
    default:
        return SaveChoice::Cancel;
    }
}

FindingsAnswer QtMessageBoxes::confirmFindings(QWidget* parent, const QString& title,
                                               const std::vector<Finding>& findings) {
    ListingCheckDialog dialog(findings, parent);
    dialog.setWindowTitle(title);
    dialog.exec();
    return dialog.answer();
}

std::optional<QString> QtMessageBoxes::askText(QWidget* parent, const QString& title, const QString& label,
                                               const QString& text) {
    bool accepted = false;
    QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return answer;
}

std::optional<QString> QtMessageBoxes::askPassword(QWidget* parent, const QString& title,
                                                   const QString& label) {
    bool accepted = false;
    QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Password, QString(), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return answer;
}

} // namespace vellumo
