#pragma once

#include <QString>
#include <QStringList>

#include <array>

// One source file of the batch: eight text cells, the only record the program keeps of a
// source. Times are hh:mm:ss texts; the check cell reads "True" or "False". The last cell,
// the output's estimated size, is kept by OutputSizeColumn.
struct SourceRow
{
    // The columns of the source list, by cell index.
    enum Column {
        kTickColumn = 0,
        kNameColumn = 1,
        kSizeColumn = 2,
        kDurationColumn = 3,
        kStartColumn = 4,
        kEndColumn = 5,
        kCutColumn = 6,
        kOutputSizeColumn = 7,
        ColumnCount = 8
    };

    std::array<QString, ColumnCount> cells;

    // The row of a newly added source: ticked, covering the whole file.
    static SourceRow ForNewSource(const QString &path, const QString &sizeText,
                                  const QString &durationText);

    // The header captions of the eight columns (the check column has none).
    static QStringList HeaderCaptions();

    // The cell at column, or empty text for a column the row does not have.
    QString cell(int column) const;
    void setCell(int column, const QString &text);

    // Exactly the text "True" in the check cell ticks the row for conversion.
    bool isChecked() const { return cells[kTickColumn] == QLatin1String("True"); }
    void setChecked(bool checked);

    const QString &fileName() const { return cells[kNameColumn]; }
    const QString &startTime() const { return cells[kStartColumn]; }
    const QString &endTime() const { return cells[kEndColumn]; }

    bool operator==(const SourceRow &other) const = default;
};
