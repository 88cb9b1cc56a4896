#pragma once

#include "generator/listing_fields.h"

#include <QStackedWidget>

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vellumo {

class Design;
class PictureBoxUpload;
class PictureHosting;
class Spelling;
class SummaryDialog;

// The Design tab: the fields of the four photo counts, each count on a panel of its own, and the phone
// summary's dialog. What the seller types reaches the design as it is typed, and is spell-checked in the
// language chosen at the right of the tab row; a photo uploaded for a picture box reaches it once its
// address is in the box.
class DesignPage final : public QStackedWidget {
    Q_OBJECT
public:
    DesignPage(Design& design, Spelling& spelling, PictureHosting& hosting, QWidget* tabRow, QWidget* parent);

    // The panel of a photo count's fields in front; the two-photo panel while no layout is chosen.
    void showPanelOf(int photoCount);
    // The boxes of a photo count show the design's fields as they are now, after a load or a fix.
    void showFields(int photoCount);
    QLineEdit* titleBox(int photoCount) const;
    // A panel's controls in keyboard order: title, Summary, the paragraphs, the pictures each with its
    // photo button.
    std::vector<QWidget*> keyboardOrder(int photoCount) const;
    // The language chooser, which stands in the tab row while the Design tab is open.
    QWidget* languageChooser() const { return m_languageChooser; }

signals:
    // The title of any panel changed, typed or loaded: the name to save under follows it.
    void titleChanged(const QString& title);
    // An uploaded photo's address went into a picture box.
    void picturePublished();

private:
    struct FieldBoxes {
        QLineEdit* title = nullptr;
        QPushButton* summary = nullptr; // the phone summary's button beside the title
        std::vector<QLineEdit*> pictures;
        std::vector<QPlainTextEdit*> paragraphs;
        std::vector<PictureBoxUpload*> uploads; // one per picture box
    };

    const FieldBoxes& boxesOf(int photoCount) const;
    void connectBoxes(int photoCount);
    void editSummary();
    // Several photos for one panel: the aimed-at box first, then the empty boxes in order.
    void spreadPhotos(int photoCount, PictureBoxUpload* aimedAt, const QStringList& files);

    void buildLanguageChooser(QWidget* tabRow);
    void showLanguage();

    Design& m_design;
    Spelling& m_spelling;
    PictureHosting& m_hosting;
    std::array<FieldBoxes, kMaxPhotoCount - kMinPhotoCount + 1> m_boxes;
    QWidget* m_languageChooser = nullptr;
    QComboBox* m_languagePicker = nullptr;
    SummaryDialog* m_summaryDialog = nullptr; // made on first use, kept for the next
};

} // namespace vellumo
