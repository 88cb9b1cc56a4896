#include "list_boxes.h"

#include "core_text.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace vellumo {

void FillListBox(QListWidget* list, const std::vector<std::string>& entries) {
    const QSignalBlocker quiet(list);
    list->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries) {
        texts.append(NameFromCore(entry));
    }
    list->addItems(texts);
    // The entries' own bytes, beside the list in one piece: a name that is not UTF-8 shows readably and
    // still names its file, and a list of thousands is not updated row by row.
    QByteArrayList bytes;
    bytes.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries) {
        bytes.append(QByteArray::fromStdString(entry));
    }
    list->setProperty(kEntryBytesProperty, QVariant::fromValue(bytes));
    list->setCurrentRow(-1);
    list->clearSelection();
}

std::vector<std::string> ListEntries(const QListWidget* list) {
    std::vector<std::string> entries;
    for (const QByteArray& entry : list->property(kEntryBytesProperty).value<QByteArrayList>()) {
        entries.push_back(entry.toStdString());
    }
    return entries;
}

std::string EntryAt(const QListWidget* list, int row) {
    return list->property(kEntryBytesProperty).value<QByteArrayList>().value(row).toStdString();
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

std::string SelectedEntry(const QListWidget* list) {
    const int row = SelectedRow(list);
    return row < 0 ? std::string() : EntryAt(list, row);
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

namespace {

// The row whose text is widest, judged by the sum of its characters' advances: one cached lookup a
// character, where shaping every entry of a long list would take tens of milliseconds.
int WidestRow(const QListWidget* list) {
    const QFontMetrics metrics = list->fontMetrics();
    int widestRow = -1;
    int widest = -1;
    for (int row = 0; row < list->count(); ++row) {
        int width = 0;
        for (const QChar c : list->item(row)->text()) {
            width += metrics.horizontalAdvance(c);
        }
        if (width > widest) {
            widest = width;
            widestRow = row;
        }
    }
    return widestRow;
}

} // namespace

void FitListWidth(QListWidget* list) {
    // Measured against the list's fixed place, which holds also while its tab is hidden; the vertical scroll
    // bar takes its share when the entries are more than the list shows.
    const QRect inside = list->contentsRect();
    const int widestRow = WidestRow(list);
    if (widestRow < 0) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return;
    }
    const int rowHeight = list->sizeHintForRow(widestRow);
    const int scrollBarExtent = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const bool scrollsVertically = rowHeight * list->count() > inside.height();
    const int room = inside.width() - (scrollsVertically ? scrollBarExtent : 0);
    // The item's own margins come on top of the text; the blank before it is how the list draws it.
    const QString text = list->item(widestRow)->text();
    const int needed = std::max(list->fontMetrics().horizontalAdvance(QLatin1Char(' ') + text),
                                list->sizeHintForIndex(list->model()->index(widestRow, 0)).width());
    // Shaping can make a text a pixel or two wider than its characters' sum.
    constexpr int kShapingAllowance = 2;
    list->setHorizontalScrollBarPolicy(needed + kShapingAllowance > room ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAlwaysOff);
}

} // namespace vellumo
