#pragma once

#include <QPoint>
#include <QString>

#include <functional>

class QEvent;
class QMenu;

namespace vellumo {

class Spelling;

// Puts the spelling entries for a word the dictionary does not know at the top of a text box's context
// menu: its suggestions, which replace the word, then "Add to dictionary" and "Ignore". Nothing for a word
// the dictionary knows, or while spelling is off.
void AddSpellingEntries(QMenu* menu, Spelling& spelling, const QString& word,
                        const std::function<void(const QString&)>& replaceWord);

// For a text box's context-menu event: shows the menu made for the point clicked and takes the event.
// False for any other event, which goes on to the box.
bool ShowContextMenu(QEvent* event, const std::function<QMenu*(QPoint)>& menuAt);

} // namespace vellumo
