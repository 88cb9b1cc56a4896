#include "list_boxes.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace vellumo {

void FillListBox(QListWidget* list, const std::vector<std::string>& entries) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& entry : entries) {
        list->addItem(QString::fromStdString(entry));
    }
    list->setCurrentRow(-1);
    list->clearSelection();
}

std::vector<std::string> ListEntries(const QListWidget* list) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list->count()));
    for (int row = 0; row < list->count(); ++row) {
        entries.push_back(list->item(row)->text().toStdString());
    }
    return entries;
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

std::string SelectedEntry(const QListWidget* list) {
    const int row = SelectedRow(list);
    return row < 0 ? std::string() : list->item(row)->text().toStdString();
}

void SelectRowQuietly(QListWidget* list, int row) {
    const QSignalBlocker quiet(list);
    if (row < 0 || row >= list->count()) {
        list->clearSelection();
        return;
    }
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
}

int WidestEntryWidth(const QListWidget* list) {
    const QFontMetrics metrics = list->fontMetrics();
    int widest = 0;
    for (int row = 0; row < list->count(); ++row) {
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(' ') + list->item(row)->text()));
    }
    return widest;
}

void FitListWidth(QListWidget* list) {
    // Measured against the list's fixed place, which holds also while its tab is hidden; the vertical scroll
    // bar takes its share when the entries are more than the list shows.
    const QRect inside = list->contentsRect();
    const int rowHeight = list->count() > 0 ? list->sizeHintForRow(0) : 0;
    const int scrollBarExtent = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const bool scrollsVertically = rowHeight * list->count() > inside.height();
    const int room = inside.width() - (scrollsVertically ? scrollBarExtent : 0);
    // The item's own margins come on top of the text.
    const int needed = std::max(WidestEntryWidth(list), list->count() > 0 ? list->sizeHintForColumn(0) : 0);
    list->setHorizontalScrollBarPolicy(needed > room ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

} // namespace vellumo
