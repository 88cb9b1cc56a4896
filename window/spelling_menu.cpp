#include "spelling_menu.h"

#include "core_text.h"
#include "spelling.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>

namespace vellumo {

namespace {

constexpr std::size_t kSuggestionsOffered = 6;

} // namespace

void AddSpellingEntries(QMenu* menu, Spelling& spelling, const QString& word,
                        const std::function<void(const QString&)>& replaceWord) {
    const Speller* speller = spelling.speller();
    if (speller == nullptr || word.isEmpty() || speller->knows(ToCore(word))) {
        return;
    }
    QAction* first = menu->actions().value(0);
    const std::vector<std::string>& suggestions = speller->suggestionsFor(ToCore(word));
    for (std::size_t i = 0; i < std::min(suggestions.size(), kSuggestionsOffered); ++i) {
        const QString suggestion = FromCore(suggestions[i]);
        auto* action = new QAction(suggestion, menu);
        QFont bold = action->font();
        bold.setBold(true);
        action->setFont(bold);
        QObject::connect(action, &QAction::triggered, menu,
                         [replaceWord, suggestion] { replaceWord(suggestion); });
        menu->insertAction(first, action);
    }
    if (suggestions.empty()) {
        auto* none =
            new QAction(QCoreApplication::translate("vellumo::SpellingMenu", "No suggestions"), menu);
        none->setEnabled(false);
        menu->insertAction(first, none);
    }
    menu->insertSeparator(first);
    auto* add = new QAction(QCoreApplication::translate("vellumo::SpellingMenu", "Add to dictionary"), menu);
    QObject::connect(add, &QAction::triggered, &spelling, [&spelling, word] { spelling.addWord(word); });
    menu->insertAction(first, add);
    auto* ignore = new QAction(QCoreApplication::translate("vellumo::SpellingMenu", "Ignore"), menu);
    QObject::connect(ignore, &QAction::triggered, &spelling,
                     [&spelling, word] { spelling.ignoreWord(word); });
    menu->insertAction(first, ignore);
    menu->insertSeparator(first);
}

bool ShowContextMenu(QEvent* event, const std::function<QMenu*(QPoint)>& menuAt) {
    if (event->type() != QEvent::ContextMenu) {
        return false;
    }
    const auto* request = static_cast<QContextMenuEvent*>(event);
    QMenu* menu = menuAt(request->pos());
    menu->exec(request->globalPos());
    delete menu;
    return true;
}

} // namespace vellumo
