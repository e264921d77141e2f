// The source list widget and its commands: removal with its focus and selection rules,
// Clear, the Delete key, the check column, the time editors and dragging rows out.
#include <cmath>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "SourceFixtures.h"
#include "sources/ISourceFileDialog.h"
#include "sources/SourceCommands.h"
#include "sources/SourceListModel.h"
#include "sources/SourceListView.h"

namespace {

class NoDialog : public ISourceFileDialog
{
public:
    bool Execute(const QString &, QStringList *) override { return false; }
    QString FileName() const override { return QString(); }
};

} // namespace

class SourceListTest : public QObject
{
    Q_OBJECT

private:
    // A shown list of rows R1..R4 (each a 200-second source) with its commands, recording
    // the calls into the preview and the trim strip.
    struct Fixture
    {
        SourceListModel list;
        FakeMediaProbe probe;
        NoDialog dialog;
        SourceCommands commands{list, probe, dialog, nullptr};
        SourceListView view;
        QStringList calls;

        explicit Fixture(int rows = 4)
        {
            for (int i = 1; i <= rows; ++i)
                list.appendRow(
                    SourceRow::ForNewSource(QString("/v/R%1.avi").arg(i), "1 KB", "00:03:20"));
            view.setSourceModel(&list);
            commands.SetListView(&view);
            commands.hooks().StopPreview = [this] { calls << "StopPreview"; };
            commands.hooks().LoadSelectedRow = [this] { calls << "LoadSelectedRow"; };
            commands.hooks().ResetTrimStrip = [this] { calls << "ResetTrimStrip"; };
            view.resize(525, 138);
            view.show();
            // Activation gives the list the focus, which focuses a row: over before a test.
            (void)QTest::qWaitForWindowActive(&view);
        }
        QStringList names() const
        {
            QStringList result;
            for (int i = 0; i < list.count(); ++i)
                result << list.row(i).fileName().mid(3, 2);
            return result;
        }
        void select(int focused, const QList<int> &selected)
        {
            list.clearSelection();
            for (int row : selected)
                list.setSelected(row, true);
            list.setFocusedRow(focused);
        }
        // The view shows what the model holds: the same selected rows and focused row.
        bool viewAgrees() const
        {
            QList<int> shown;
            for (const QModelIndex &index : view.selectionModel()->selectedRows())
                shown << index.row();
            std::sort(shown.begin(), shown.end());
            const QModelIndex current = view.selectionModel()->currentIndex();
            return shown == list.selectedRows() &&
                   (current.isValid() ? current.row() : -1) == list.focusedRow();
        }
    };

private Q_SLOTS:
    // The focus shows: the focused cell of a selected row, and the empty list, carry a
    // mark of at least 3:1 contrast against what lies under it.
    void theFocusShowsWithEnoughContrast()
    {
        auto luminance = [](QRgb c) {
            auto channel = [](int v) {
                const double s = v / 255.0;
                return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
        };
        auto contrast = [&](QRgb a, QRgb b) {
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        Fixture f;
        f.select(1, {1});
        f.view.setFocus();
        QTRY_VERIFY(f.view.hasFocus());
        QTest::qWait(50);
        const QModelIndex current = f.view.currentIndex();
        QCOMPARE(current.row(), 1);
        const QRect cell = f.view.visualRect(current);
        QImage shot = f.view.viewport()->grab().toImage();
        const QRgb mark = shot.pixel(cell.left() + 1, cell.center().y());
        const QRgb selection = shot.pixel(cell.center().x(), cell.top() + 6);
        QVERIFY2(contrast(mark, selection) >= 3.0, qPrintable(QString::number(contrast(mark, selection))));

        Fixture empty(0);
        empty.view.setFocus();
        QTRY_VERIFY(empty.view.hasFocus());
        QTest::qWait(50);
        shot = empty.view.viewport()->grab().toImage();
        const QRgb edge = shot.pixel(1, shot.height() / 2);
        const QRgb inside = shot.pixel(shot.width() / 2, shot.height() / 2);
        QVERIFY2(contrast(edge, inside) >= 3.0, qPrintable(QString::number(contrast(edge, inside))));
    }

    void removeMovesTheFocusToTheRowAbove_data()
    {
        QTest::addColumn<int>("focused");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("focusAfter");
        QTest::addColumn<QList<int>>("selectedAfter");
        QTest::newRow("focus R3, R3 selected")
            << 2 << QList<int>{2} << QStringList{"R1", "R2", "R4"} << 1 << QList<int>{1};
        QTest::newRow("focus R3, R2 and R3 selected")
            << 2 << QList<int>{1, 2} << QStringList{"R1", "R4"} << -1 << QList<int>{};
        QTest::newRow("focus R4, R2 selected")
            << 3 << QList<int>{1} << QStringList{"R1", "R3", "R4"} << 1 << QList<int>{1};
        QTest::newRow("focus R1, R1 selected")
            << 0 << QList<int>{0} << QStringList{"R2", "R3", "R4"} << -1 << QList<int>{};
        QTest::newRow("nothing selected")
            << 2 << QList<int>{} << QStringList{"R1", "R2", "R3", "R4"} << 2 << QList<int>{};
        QTest::newRow("no focus, R2 and R4 selected")
            << -1 << QList<int>{1, 3} << QStringList{"R1", "R3"} << -1 << QList<int>{};
    }
    void removeMovesTheFocusToTheRowAbove()
    {
        QFETCH(int, focused);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, left);
        QFETCH(int, focusAfter);
        QFETCH(QList<int>, selectedAfter);
        Fixture f;
        f.select(focused, selected);
        QVERIFY(f.viewAgrees());
        f.commands.onRemoveFilesRequested();
        QCOMPARE(f.names(), left);
        QCOMPARE(f.list.focusedRow(), focusAfter);
        QCOMPARE(f.list.selectedRows(), selectedAfter);
        QVERIFY(f.viewAgrees());
        // The Remove command always stops the preview, then loads the selected row.
        QCOMPARE(f.calls, QStringList({"StopPreview", "LoadSelectedRow"}));
    }

    void removingTheLastRowsResetsTheTrimStrip()
    {
        Fixture f(2);
        f.select(1, {0, 1});
        f.commands.onRemoveFilesRequested();
        QCOMPARE(f.list.count(), 0);
        QCOMPARE(f.calls, QStringList({"ResetTrimStrip", "StopPreview", "LoadSelectedRow"}));
    }

    void clearDeletesEveryRow()
    {
        Fixture f;
        f.select(1, {1});
        f.commands.onClearListRequested();
        QCOMPARE(f.list.count(), 0);
        QVERIFY(f.viewAgrees());
        f.commands.onClearListRequested(); // on an empty list
        QCOMPARE(f.calls,
                 QStringList({"StopPreview", "ResetTrimStrip", "StopPreview", "ResetTrimStrip"}));
    }

    // A user's choice in the widget reaches the model, and the Delete key removes it.
    void deleteKeyRemovesTheRowsChosenInTheList()
    {
        Fixture f;
        f.view.setFocus();
        const int y1 = f.view.rowViewportPosition(1) + 2;
        const int y2 = f.view.rowViewportPosition(2) + 2;
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, QPoint(120, y1));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(120, y2));
        QCOMPARE(f.list.selectedRows(), QList<int>({1, 2}));
        QCOMPARE(f.list.focusedRow(), 2);
        f.calls.clear();
        QTest::keyClick(&f.view, Qt::Key_Delete);
        QCOMPARE(f.names(), QStringList({"R1", "R4"}));
        QVERIFY(f.viewAgrees());
        QCOMPARE(f.calls, QStringList({"LoadSelectedRow", "StopPreview", "LoadSelectedRow"}));
        // Any other key only loads the selected row, when it goes down and when it comes up.
        f.calls.clear();
        QTest::keyClick(&f.view, Qt::Key_Down);
        QCOMPARE(f.calls, QStringList({"LoadSelectedRow", "LoadSelectedRow"}));
    }

    // Space, Return and F2 on the tick or the name cell tick the selected rows together;
    // on a cut time F2 still opens the time editor.
    void tickKeysToggleTheSelectedRows_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("column");
        QTest::newRow("Space on the name") << int(Qt::Key_Space) << 1;
        QTest::newRow("Space on the tick") << int(Qt::Key_Space) << 0;
        QTest::newRow("Return on the name") << int(Qt::Key_Return) << 1;
        QTest::newRow("F2 on the tick") << int(Qt::Key_F2) << 0;
    }
    void tickKeysToggleTheSelectedRows()
    {
        QFETCH(int, key);
        QFETCH(int, column);
        Fixture f;
        f.view.setFocus();
        const int y1 = f.view.rowViewportPosition(1) + 2;
        const int y3 = f.view.rowViewportPosition(3) + 2;
        const int x = f.view.columnViewportPosition(column) + 3;
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, QPoint(x + 40 * column, y1));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(x + 40 * column, y3));
        // A click on the tick cell toggles it: start from the state the clicks left.
        for (int row = 0; row < 4; ++row)
            f.list.setCell(row, 0, "True");
        QCOMPARE(f.list.selectedRows(), QList<int>({1, 2, 3}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(f.list.checkedCount(), 1);
        QCOMPARE(f.list.cell(0, 0), QString("True"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(f.list.checkedCount(), 4);
        QVERIFY(f.viewAgrees());
    }

    void f2OnACutTimeStillOpensTheEditor()
    {
        Fixture f;
        f.view.setFocus();
        const QRect cell = f.view.visualRect(f.list.index(1, SourceRow::kStartColumn));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::keyClick(&f.view, Qt::Key_F2);
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QCOMPARE(f.list.checkedCount(), 4);
    }

    void clickOnTheCheckCellTogglesIt()
    {
        Fixture f;
        const QRect cell = f.view.visualRect(f.list.index(1, SourceRow::kTickColumn));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(f.list.cell(1, 0), QString("False"));
        QCOMPARE(f.list.checkedCount(), 3);
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, cell.topLeft() + QPoint(2, 2));
        QCOMPARE(f.list.cell(1, 0), QString("True"));
        QCOMPARE(f.calls.count("LoadSelectedRow"), 2); // each click loads the selected row
    }

    // A time editor opens on the first click; what is typed reaches the cell and is
    // reported for the check of typed times.
    void timeEditorsCommitToTheCell_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("committed");
        QTest::newRow("start") << int(SourceRow::kStartColumn) << "000130"
                               << "00:01:30";
        QTest::newRow("end") << int(SourceRow::kEndColumn) << "000245"
                             << "00:02:45";
        QTest::newRow("end emptied") << int(SourceRow::kEndColumn) << ""
                                     << "";
    }
    void timeEditorsCommitToTheCell()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, committed);
        Fixture f;
        QSignalSpy edited(&f.view, &SourceListView::timesEdited);
        const QRect cell = f.view.visualRect(f.list.index(2, column));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, cell.center());
        auto *editor = f.view.findChild<QLineEdit *>("edtTimeEditor");
        QVERIFY(editor);
        QCOMPARE(editor->text(), f.list.cell(2, column));
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        if (!typed.isEmpty()) {
            editor->setCursorPosition(0);
            QTest::keyClicks(editor, typed);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor commits from the event loop.
        QTRY_COMPARE(f.list.cell(2, column), committed);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first(), QVariantList({2, column, committed}));
    }

    void columnsFillTheWidthInTheirProportions()
    {
        Fixture f;
        int total = 0;
        for (int i = 0; i < SourceRow::ColumnCount; ++i)
            total += f.view.horizontalHeader()->sectionSize(i);
        QCOMPARE(total, f.view.viewport()->width());
        QVERIFY(f.view.horizontalHeader()->sectionSize(1) >
                2 * f.view.horizontalHeader()->sectionSize(2));
        QVERIFY(!f.view.horizontalHeader()->sectionsMovable());
        f.view.resize(800, 200);
        total = 0;
        for (int i = 0; i < SourceRow::ColumnCount; ++i)
            total += f.view.horizontalHeader()->sectionSize(i);
        QCOMPARE(total, f.view.viewport()->width());
    }

    // A drag of rows that ends off the list removes them; dropped back on the list they
    // stay where they were.
    void draggingRowsOutRemovesThem()
    {
        Fixture f;
        f.select(2, {2});
        f.view.FinishRowDrag(true);
        QCOMPARE(f.list.count(), 4);
        f.view.FinishRowDrag(false);
        QCOMPARE(f.names(), QStringList({"R1", "R2", "R4"}));
        QCOMPARE(f.list.selectedRows(), QList<int>{1});
        // With no row selected a drag out only stops the preview.
        f.list.clearSelection();
        f.calls.clear();
        f.view.FinishRowDrag(false);
        QCOMPARE(f.list.count(), 3);
        QCOMPARE(f.calls, QStringList({"StopPreview", "LoadSelectedRow"}));
    }
};

QTEST_MAIN(SourceListTest)
#include "SourceListTest.moc"
