#include "platform/QtUserDialogs.h"

#include <functional>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The real boxes, answered by the test as a user would.
class QtUserDialogsTest : public QObject
{
    Q_OBJECT

private:
    // Runs answer on the first modal box once it is shown.
    static void whenShown(std::function<void(QWidget *)> answer)
    {
        auto *timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, answer] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                answer(box);
            }
        });
        timer->start();
    }

private Q_SLOTS:
    void messageBoxGivesTheButtonPressed_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("result");
        using B = IUserDialogs::Buttons;
        QTest::newRow("ok") << int(B::Ok) << int(QMessageBox::Ok) << int(IUserDialogs::Ok);
        QTest::newRow("closed ok") << int(B::Ok) << -1 << int(IUserDialogs::Ok);
        QTest::newRow("yes") << int(B::YesNo) << int(QMessageBox::Yes) << int(IUserDialogs::Yes);
        QTest::newRow("no") << int(B::YesNoCancel) << int(QMessageBox::No) << int(IUserDialogs::No);
        QTest::newRow("cancel") << int(B::YesNoCancel) << -1 << int(IUserDialogs::Cancel);
    }

    void messageBoxGivesTheButtonPressed()
    {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, result);
        QString caption;
        whenShown([&](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            QVERIFY(box);
            caption = box->windowTitle();
            if (press < 0)
                box->reject();
            else
                box->button(QMessageBox::StandardButton(press))->click();
        });
        QtUserDialogs dialogs;
        QCOMPARE(dialogs.MessageBox("Clipwright", "text", IUserDialogs::Icon::Warning,
                                    IUserDialogs::Buttons(buttons)),
                 result);
        QCOMPARE(caption, QString("Clipwright"));
    }

    void inputBoxGivesTheTextOnlyOnOk()
    {
        QtUserDialogs dialogs;
        QString text = "UserProfileInfo1";
        QString shown;
        whenShown([&](QWidget *widget) {
            auto *box = qobject_cast<QInputDialog *>(widget);
            QVERIFY(box);
            shown = box->textValue();
            box->setTextValue("Phone");
            box->accept();
        });
        QVERIFY(dialogs.InputBox("Clipwright", "Plese input a name", text));
        QCOMPARE(shown, QString("UserProfileInfo1"));
        QCOMPARE(text, QString("Phone"));

        whenShown([](QWidget *widget) {
            auto *box = qobject_cast<QInputDialog *>(widget);
            QVERIFY(box);
            box->setTextValue("Other");
            box->reject();
        });
        QVERIFY(!dialogs.InputBox("Clipwright", "Plese input a name", text));
        QCOMPARE(text, QString("Phone"));
    }
};

QTEST_MAIN(QtUserDialogsTest)
#include "QtUserDialogsTest.moc"
