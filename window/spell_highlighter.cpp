#include "spell_highlighter.h"

#include "core_text.h"
#include "spelling.h"
#include "spelling_menu.h"
#include "utf8_offsets.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <functional>

namespace vellumo {

SpellHighlighter::SpellHighlighter(QPlainTextEdit* box, Spelling& spelling)
    : QSyntaxHighlighter(static_cast<QObject*>(box))
    , m_box(box)
    , m_spelling(spelling) {
    m_misspelled.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    m_misspelled.setUnderlineColor(Qt::red);
    // Connected before the highlighter's own handling of a change, which highlights the changed lines.
    connect(box->document(), &QTextDocument::contentsChange, this, [this] { m_textRead = false; });
    setDocument(box->document());
    box->viewport()->installEventFilter(this);
    connect(&spelling, &Spelling::changed, this, &QSyntaxHighlighter::rehighlight);
}

void SpellHighlighter::readText() {
    if (m_textRead) {
        return;
    }
    m_textRead = true;
    std::string text;
    m_blockStarts.clear();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        m_blockStarts.push_back(text.size());
        text += ToCore(block.text());
        text += '\n';
    }
    m_reading = ReadShownText(text);
}

void SpellHighlighter::highlightBlock(const QString& text) {
    readText();
    const auto blockNumber = static_cast<std::size_t>(currentBlock().blockNumber());
    if (blockNumber >= m_blockStarts.size()) {
        return;
    }
    const std::size_t start = m_blockStarts[blockNumber];
    const std::size_t end = start + static_cast<std::size_t>(text.toUtf8().size());
    // The state tells the words of this line and whether markup goes on past it: when either changed, the
    // next line is highlighted again too.
    std::size_t layout = std::hash<bool>{}(std::ranges::any_of(m_reading.shown, [end](const auto& stretch) {
        return stretch.first <= end && end < stretch.second;
    }));
    const Speller* speller = m_spelling.speller();
    auto word = std::ranges::lower_bound(m_reading.words, start, {}, &ShownWord::at);
    for (; word != m_reading.words.end() && word->at < end; ++word) {
        layout = layout * 31 + (word->at - start) * 7 + (word->end - word->at);
        if (speller != nullptr && !speller->knows(word->text)) {
            const int from = Utf16Offset(text, word->at - start);
            setFormat(from, Utf16Offset(text, word->end - start) - from, m_misspelled);
        }
    }
    setCurrentBlockState(static_cast<int>(layout & 0x3FFFFFFF));
}

const ShownWord* SpellHighlighter::wordAt(int blockNumber, std::size_t utf8Offset) const {
    const std::size_t at = m_blockStarts.at(static_cast<std::size_t>(blockNumber)) + utf8Offset;
    const auto word = std::ranges::upper_bound(m_reading.words, at, {}, &ShownWord::at);
    if (word == m_reading.words.begin() || std::prev(word)->end < at) {
        return nullptr;
    }
    return &*std::prev(word);
}

QMenu* SpellHighlighter::contextMenuAt(const QPoint& position) {
    QMenu* menu = m_box->createStandardContextMenu();
    readText();
    const QTextCursor cursor = m_box->cursorForPosition(position);
    const QTextBlock block = cursor.block();
    const ShownWord* word = wordAt(block.blockNumber(), Utf8Offset(block.text(), cursor.positionInBlock()));
    if (word == nullptr) {
        return menu;
    }
    const std::size_t blockStart = m_blockStarts.at(static_cast<std::size_t>(block.blockNumber()));
    const int from = block.position() + Utf16Offset(block.text(), word->at - blockStart);
    const int to = block.position() + Utf16Offset(block.text(), word->end - blockStart);
    AddSpellingEntries(menu, m_spelling, FromCore(word->text),
                       [box = m_box, from, to](const QString& replacement) {
                           QTextCursor replacing(box->document());
                           replacing.setPosition(from);
                           replacing.setPosition(to, QTextCursor::KeepAnchor);
                           replacing.insertText(replacement);
                       });
    return menu;
}

bool SpellHighlighter::eventFilter(QObject* watched, QEvent* event) {
    return ShowContextMenu(event, [this](QPoint at) { return contextMenuAt(at); }) ||
           QSyntaxHighlighter::eventFilter(watched, event);
}

} // namespace vellumo
