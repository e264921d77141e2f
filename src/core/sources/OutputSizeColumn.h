#pragma once

#include <QObject>
#include <QString>

class OptionLists;
class SourceListModel;

// Keeps the source list's "Output Size" column and the total of the ticked rows up to date:
// each row's estimated output size for its cut, recomputed when the output type, a profile
// or an option list, a row's cut or its tick changes, or rows come and go.
class OutputSizeColumn : public QObject
{
    Q_OBJECT

public:
    OutputSizeColumn(SourceListModel &rows, OptionLists &boxes, QObject *parent = nullptr);

    // "3 files, about 42 MB" for the ticked rows; empty when none is ticked.
    const QString &totalText() const { return m_total; }

    // Recomputes every row's estimate and the total.
    void refresh();
    // The size each output ends at or below, in MB; 0 for none. An estimate above it is
    // the limit.
    void setSizeLimitMB(double mb);

Q_SIGNALS:
    void totalTextChanged(const QString &text);

private:
    SourceListModel &m_rows;
    OptionLists &m_boxes;
    QString m_total;
    double m_limitMB = 0;
    bool m_refreshing = false;
};
