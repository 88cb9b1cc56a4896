#pragma once

#include <string>
#include <vector>

class QListWidget;

namespace vellumo {

inline constexpr const char* kEntryBytesProperty = "entryBytes";

// Replaces the entries, in the order given, and leaves nothing selected; raises no selection handler.
// Each shows as the seller reads its name (NameFromCore) and keeps its bytes.
void FillListBox(QListWidget* list, const std::vector<std::string>& entries);

// The entries as the core knows them: the files' own names, byte for byte.
std::vector<std::string> ListEntries(const QListWidget* list);
std::string EntryAt(const QListWidget* list, int row);

// The selected entry's row, -1 when none is selected. The current row alone does not count: a list that
// takes the focus makes its first row current without selecting it.
int SelectedRow(const QListWidget* list);
std::string SelectedEntry(const QListWidget* list);

// Selects a row (-1 clears the selection) without raising the list's selection handler.
void SelectRowQuietly(QListWidget* list, int row);

// Gives the list a horizontal scroll bar exactly when its widest entry is wider than the list, so a long
// name can be scrolled to its end.
void FitListWidth(QListWidget* list);

} // namespace vellumo
