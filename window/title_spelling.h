#pragma once

#include <QObject>
#include <QTextLayout>

class QLineEdit;
class QMenu;

namespace vellumo {

class Spelling;

// Underlines the words of a one-line box (the title) that the dictionary does not know, and gives its
// context menu the spelling entries. A line box has no formats of its own: the underlines reach its text
// layout the way an input method's marks do.
class TitleSpelling final : public QObject {
    Q_OBJECT
public:
    TitleSpelling(QLineEdit* box, Spelling& spelling);

    // The box's context menu for a point of the box, spelling entries first; the caller owns it.
    QMenu* contextMenuAt(const QPoint& position);
    // The stretches of the box's text underlined now.
    const QList<QTextLayout::FormatRange>& underlined() const { return m_underlined; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void underline();

    QLineEdit* m_box;
    Spelling& m_spelling;
    QList<QTextLayout::FormatRange> m_underlined;
};

} // namespace vellumo
