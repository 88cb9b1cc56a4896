#pragma once

#include "check/shown_words.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <cstddef>
#include <vector>

class QMenu;
class QPlainTextEdit;

namespace vellumo {

class Spelling;

// Underlines the words of a paragraph or summary box that the dictionary does not know, with the wavy line
// of a spelling mistake, and gives the box's context menu the spelling entries. Only the lines that change
// are checked again; what is markup is read from the whole text, so a tag or comment over several lines is
// skipped on each of them.
class SpellHighlighter final : public QSyntaxHighlighter {
    Q_OBJECT
public:
    SpellHighlighter(QPlainTextEdit* box, Spelling& spelling);

    // The box's context menu for a point of its viewport, spelling entries first; the caller owns it.
    QMenu* contextMenuAt(const QPoint& position);

protected:
    void highlightBlock(const QString& text) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The whole text read again when it changed since it was last read.
    void readText();
    // The word at a block's character, as a range of the block's characters; none where no word is.
    const ShownWord* wordAt(int blockNumber, std::size_t utf8Offset) const;

    QPlainTextEdit* m_box;
    Spelling& m_spelling;
    QTextCharFormat m_misspelled;
    bool m_textRead = false;
    ShownReading m_reading;                 // of the whole text, in UTF-8 bytes
    std::vector<std::size_t> m_blockStarts; // where each block starts in it
};

} // namespace vellumo
