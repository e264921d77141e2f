#include "sources/SourceListCommands.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "sources/SourceListModel.h"
#include "sources/SourceRow.h"

namespace SourceListCommands {

namespace {

// Pending paints and timers run between deletions; user input waits until the removal is
// over, so a second command cannot start inside this one.
void processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void RemoveSelectedRows(SourceListModel &list)
{
    if (list.selectedRows().isEmpty())
        return;
    processPendingEvents();

    // The row above the focused one, followed by index as the rows above it go.
    const int focused = list.focusedRow();
    int above = focused > 0 ? focused - 1 : -1;

    try {
        for (QList<int> selected = list.selectedRows(); !selected.isEmpty();
             selected = list.selectedRows()) {
            processPendingEvents();
            const int first = selected.first();
            if (first == above)
                above = -1;
            else if (first < above)
                --above;
            list.deleteRow(first);
        }
    } catch (...) {
        if (above >= 0 && above < list.count()) {
            list.setFocusedRow(above);
            list.setSelected(above, true);
        }
        throw;
    }
    if (above >= 0 && above < list.count()) {
        list.setFocusedRow(above);
        list.setSelected(above, true);
    }
}

bool ClearSourceList(SourceListModel &list)
{
    try {
        list.clear();
        return true;
    } catch (...) {
        return false;
    }
}

void ToggleSelectedTicks(SourceListModel &list)
{
    const QList<int> selected = list.selectedRows();
    if (selected.isEmpty())
        return;
    const int focused = list.focusedRow();
    const int leading = selected.contains(focused) ? focused : selected.first();
    const bool ticked = !list.row(leading).isChecked();
    for (int index : selected)
        list.setCell(index, SourceRow::kTickColumn,
                     ticked ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace SourceListCommands
