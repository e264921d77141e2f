#include "sources/SourceRow.h"
#include <QCoreApplication>

SourceRow SourceRow::ForNewSource(const QString &path, const QString &sizeText,
                                  const QString &durationText)
{
    SourceRow row;
    row.cells = {QStringLiteral("True"),     path,         sizeText,    durationText,
                 QStringLiteral("00:00:00"), durationText, durationText, QString()};
    return row;
}

QStringList SourceRow::HeaderCaptions()
{
    return {QString(),
            QCoreApplication::translate("SourceRow", "File Name"),
            QCoreApplication::translate("SourceRow", "File Size"),
            QCoreApplication::translate("SourceRow", "Duration"),
            QCoreApplication::translate("SourceRow", "Start Time"),
            QCoreApplication::translate("SourceRow", "End Time"),
            QCoreApplication::translate("SourceRow", "Cut Time"),
            QCoreApplication::translate("SourceRow", "Output Size")};
}

QString SourceRow::cell(int column) const
{
    if (column < 0 || column >= ColumnCount)
        return QString();
    return cells[column];
}

void SourceRow::setCell(int column, const QString &text)
{
    if (column >= 0 && column < ColumnCount)
        cells[column] = text;
}

void SourceRow::setChecked(bool checked)
{
    cells[kTickColumn] = checked ? QStringLiteral("True") : QStringLiteral("False");
}
