#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QString>

#include <algorithm>

// How the progress dialog draws its texts and bars, shared by its one-job part and its job
// lines.
namespace ProgressDialogLook {

inline QFont dialogFont(bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(8);
    f.setBold(bold);
    return f;
}

inline QLabel *makeLabel(QWidget *parent, const QString &text, int x, int y, const QColor &color,
                  bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setFont(dialogFont(bold));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// A bar that draws an empty range as empty rather than as Qt's busy animation.
inline void showBar(QProgressBar *bar, int minimum, int maximum, int position)
{
    bar->setRange(minimum, maximum > minimum ? maximum : minimum + 1);
    bar->setValue(std::clamp(position, minimum, std::max(minimum, maximum)));
}

inline const QString kBarStyle = QStringLiteral(
    "QProgressBar { background: #121b2b; border: 1px solid #3a5580; border-radius: 3px; }"
    "QProgressBar::chunk { background: #4a90e2; border-radius: 2px; }");


} // namespace ProgressDialogLook
