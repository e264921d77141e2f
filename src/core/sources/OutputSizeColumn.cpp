#include "sources/OutputSizeColumn.h"

#include "conversion/OutputSizeEstimate.h"
#include "profiles/OptionLists.h"
#include "text/FileSizeText.h"
#include "sources/SourceListModel.h"

#include <algorithm>

namespace {

// The seconds of an hh:mm:ss text, or -1 for any other shape.
qint64 secondsOf(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return -1;
    qint64 seconds = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const qint64 value = part.trimmed().toLongLong(&ok);
        if (!ok)
            return -1;
        seconds = seconds * 60 + value;
    }
    return seconds;
}

} // namespace

OutputSizeColumn::OutputSizeColumn(SourceListModel &rows, OptionLists &boxes, QObject *parent)
    : QObject(parent), m_rows(rows), m_boxes(boxes)
{
    for (OptionListModel *list : {&boxes.outputType(), &boxes.videoSize(),
                                  &boxes.videoBitrate(), &boxes.frameRate(),
                                  &boxes.audioBitrate(), &boxes.sampleRate(),
                                  &boxes.audioChannels()})
        connect(list, &OptionListModel::selectedIndexChanged, this, &OutputSizeColumn::refresh);
    connect(&rows, &SourceListModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                // Its own column changes only through refresh().
                if (from.column() != SourceRow::kOutputSizeColumn ||
                    to.column() != SourceRow::kOutputSizeColumn)
                    refresh();
            });
    connect(&rows, &SourceListModel::rowsInserted, this, &OutputSizeColumn::refresh);
    connect(&rows, &SourceListModel::rowsRemoved, this, &OutputSizeColumn::refresh);
    connect(&rows, &SourceListModel::modelReset, this, &OutputSizeColumn::refresh);
    refresh();
}

void OutputSizeColumn::setSizeLimitMB(double mb)
{
    if (mb == m_limitMB)
        return;
    m_limitMB = mb;
    refresh();
}

void OutputSizeColumn::refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    const int type = m_boxes.outputType().selectedIndex();
    int ticked = 0;
    qint64 total = 0;
    for (int i = 0; i < m_rows.count(); ++i) {
        const SourceRow &row = m_rows.row(i);
        const qint64 seconds = secondsOf(row.cell(SourceRow::kCutColumn));
        qint64 bytes = OutputSizeEstimate::Bytes(m_boxes, type, double(seconds));
        if (m_limitMB > 0)
            bytes = std::min(bytes, qint64(m_limitMB * 1048576.0));
        m_rows.setCell(i, SourceRow::kOutputSizeColumn,
                       seconds > 0 && bytes > 0 ? FileSizeText::Of(bytes) : QString());
        if (m_rows.row(i).isChecked()) {
            ++ticked;
            total += bytes;
        }
    }
    const QString text = ticked ? OutputSizeEstimate::TotalText(ticked, total) : QString();
    m_refreshing = false;
    if (text != m_total) {
        m_total = text;
        Q_EMIT totalTextChanged(m_total);
    }
}
