#include "sources/SourceRow.h"

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
            QStringLiteral("File Name"),
            QStringLiteral("File Size"),
            QStringLiteral("Duration"),
            QStringLiteral("Start Time"),
            QStringLiteral("End Time"),
            QStringLiteral("Cut Time"),
            QStringLiteral("Output Size")};
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
