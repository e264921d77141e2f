#pragma once

class SourceListModel;

// The list commands that delete rows of the source list.
namespace SourceListCommands {

// Deletes the selected rows, topmost first. Afterwards the row that stood directly above
// the focused row, if it survived, becomes the focused and only selected row; otherwise no
// row is selected. Nothing happens when no row is selected.
void RemoveSelectedRows(SourceListModel &list);

// Deletes every row; false when deleting failed (the failure is swallowed).
bool ClearSourceList(SourceListModel &list);

} // namespace SourceListCommands
