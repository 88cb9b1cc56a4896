#include "title_spelling.h"

#include "check/shown_words.h"
#include "core_text.h"
#include "spelling.h"
#include "spelling_menu.h"
#include "utf8_offsets.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>

namespace vellumo {

TitleSpelling::TitleSpelling(QLineEdit* box, Spelling& spelling)
    : QObject(box)
    , m_box(box)
    , m_spelling(spelling) {
    box->installEventFilter(this);
    // After the box has finished its own change.
    connect(box, &QLineEdit::textChanged, this, &TitleSpelling::underline, Qt::QueuedConnection);
    connect(&spelling, &Spelling::changed, this, &TitleSpelling::underline);
}

void TitleSpelling::underline() {
    const QString text = m_box->text();
    QList<QTextLayout::FormatRange> underlined;
    if (const Speller* speller = m_spelling.speller()) {
        QTextCharFormat misspelled;
        misspelled.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        misspelled.setUnderlineColor(Qt::red);
        for (const ShownWord& word : WordsToSpell(ToCore(text))) {
            if (!speller->knows(word.text)) {
                const int from = Utf16Offset(text, word.at);
                underlined.append({from, Utf16Offset(text, word.end) - from, misspelled});
            }
        }
    }
    m_underlined = underlined;
    // Marks of an input method count from the cursor; no text is committed, so the text stays as it is.
    QList<QInputMethodEvent::Attribute> marks;
    for (const QTextLayout::FormatRange& range : underlined) {
        marks.append({QInputMethodEvent::TextFormat, range.start - m_box->cursorPosition(), range.length,
                      range.format});
    }
    QInputMethodEvent event(QString(), marks);
    QCoreApplication::sendEvent(m_box, &event);
}

QMenu* TitleSpelling::contextMenuAt(const QPoint& position) {
    QMenu* menu = m_box->createStandardContextMenu();
    const QString text = m_box->text();
    const std::size_t at = Utf8Offset(text, m_box->cursorPositionAt(position));
    for (const ShownWord& word : WordsToSpell(ToCore(text))) {
        if (word.at <= at && at <= word.end) {
            const int from = Utf16Offset(text, word.at);
            const int length = Utf16Offset(text, word.end) - from;
            AddSpellingEntries(menu, m_spelling, FromCore(word.text),
                               [box = m_box, from, length](const QString& replacement) {
                                   box->setSelection(from, length);
                                   box->insert(replacement);
                               });
            break;
        }
    }
    return menu;
}

bool TitleSpelling::eventFilter(QObject* watched, QEvent* event) {
    return ShowContextMenu(event, [this](QPoint at) { return contextMenuAt(at); }) ||
           QObject::eventFilter(watched, event);
}

} // namespace vellumo
