#pragma once

class SourceListModel;

// The list commands that delete rows of the source list or change their ticks.
namespace SourceListCommands {

// Deletes the selected rows, topmost first. Afterwards the row that stood directly above
// the focused row, if it survived, becomes the focused and only selected row; otherwise no
// row is selected. Nothing happens when no row is selected.
void RemoveSelectedRows(SourceListModel &list);

// Deletes every row; false when deleting failed (the failure is swallowed).
bool ClearSourceList(SourceListModel &list);

// Ticks or unticks the selected rows together, as a list with check boxes does: the
// focused row's tick (or the first selected row's, when the focused one is not selected) is
// turned over and every selected row takes it. Nothing happens when no row is selected.
void ToggleSelectedTicks(SourceListModel &list);

} // namespace SourceListCommands
