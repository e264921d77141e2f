// The program in the user's language: for each locale, the main window's labels and column
// headers, one of our message boxes and Qt's own Yes/No buttons, from the built .qm files
// and Debian's qtbase translations. An unknown locale keeps the English texts, plural forms
// included; clipwright-cli's help follows LANG as a started program does.
#include "platform/AppPaths.h"
#include "platform/IDesktopOpener.h"
#include "platform/QtUserDialogs.h"
#include "shell/MainWindow.h"
#include "shell/ProgramParts.h"
#include "shell/UserLanguage.h"
#include "sources/SourceRow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QString builtAppDir()
{
    return qEnvironmentVariable("CLIPWRIGHT_APP_DIR") + QLatin1Char('/');
}

class NoOpener : public IDesktopOpener
{
public:
    bool OpenAddress(const QString &) override { return true; }
    bool OpenPath(const QString &) override { return true; }
};

} // namespace

class TestUserLanguage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_appDir;

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Clipwright"));
        for (const char *name : {"Res.rcc", "Help.html"})
            QVERIFY(QFile::copy(builtAppDir() + QLatin1String(name),
                                m_appDir.filePath(QLatin1String(name))));
        QVERIFY(QDir(m_appDir.path()).mkdir(QStringLiteral("Config")));
        AppPaths::SetCurrent(AppPaths::Portable(m_appDir.path() + QLatin1Char('/')));
    }

    void mainWindowAndBoxes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typeLabel");
        QTest::addColumn<QString>("nameHeader");
        QTest::addColumn<QString>("filesCounted");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        QTest::newRow("en") << "en_US" << "Output FileType:" << "File Name" << "2 files" << "&Yes" << "&No";
        QTest::newRow("unknown") << "xx_XX" << "Output FileType:" << "File Name" << "2 files" << "&Yes" << "&No";
        QTest::newRow("es") << "es_ES" << "Tipo de salida:" << "Nombre" << "2 archivos" << "&Sí" << "&No";
        QTest::newRow("pt_BR") << "pt_BR" << "Tipo de saída:" << "Nome" << "2 arquivos" << "&Sim" << "&Não";
        QTest::newRow("zh_CN") << "zh_CN" << "输出类型：" << "文件名" << "2 个文件" << "是(&Y)" << "否(&N)";
        QTest::newRow("ru") << "ru_RU" << "Тип файла:" << "Имя файла" << "2 файла" << "&Да" << "&Нет";
        QTest::newRow("fr") << "fr_FR" << "Type de sortie :" << "Nom" << "2 fichiers" << "&Oui" << "&Non";
        QTest::newRow("de") << "de_DE" << "Ausgabetyp:" << "Dateiname" << "2 Dateien" << "&Ja" << "&Nein";
    }

    void mainWindowAndBoxes()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typeLabel);
        QFETCH(QString, nameHeader);
        QFETCH(QString, filesCounted);
        QFETCH(QString, yes);
        QFETCH(QString, no);

        UserLanguage language;
        language.Install(QLocale(locale), {builtAppDir() + QStringLiteral("translations")});

        QtUserDialogs dialogs;
        NoOpener opener;
        ProgramParts parts(&dialogs, &opener);
        MainWindow window(parts);
        auto *label = window.findChild<QLabel *>(QStringLiteral("lblOutputFileTypeName"));
        QVERIFY(label);
        QCOMPARE(label->text(), typeLabel);
        // The list's columns, as its view shows them.
        QCOMPARE(parts.sources.headerData(SourceRow::kNameColumn, Qt::Horizontal).toString(), nameHeader);
        QCOMPARE(QCoreApplication::translate("BatchDesktopNotice", "%n files", nullptr, 2),
                 filesCounted);

        // A question of ours, with Qt's own buttons.
        QString seenText, seenYes, seenNo;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seenText = box->text();
                seenYes = box->button(QMessageBox::Yes)->text();
                seenNo = box->button(QMessageBox::No)->text();
                box->reject();
            }
        });
        dialogs.MessageBox(QStringLiteral("Clipwright"),
                           QCoreApplication::translate("ProgressDialog",
                                                       "Are you sure to stop processing ?"),
                           IUserDialogs::Icon::Question, IUserDialogs::Buttons::YesNo);
        QCOMPARE(seenText.isEmpty(), false);
        QCOMPARE(seenText == QLatin1String("Are you sure to stop processing ?"),
                 locale.startsWith(QLatin1String("en")) || locale == QLatin1String("xx_XX"));
        QCOMPARE(seenYes, yes);
        QCOMPARE(seenNo, no);
    }

    // The started command-line program reads the language from the environment.
    void commandLineHelpFollowsLang_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("C") << "C.UTF-8" << "Usage: clipwright-cli [OPTIONS] FILE...";
        QTest::newRow("de") << "de_DE.UTF-8" << "Aufruf: clipwright-cli [OPTIONEN] DATEI...";
        QTest::newRow("ru") << "ru_RU.UTF-8" << "Использование: clipwright-cli [ПАРАМЕТРЫ] ФАЙЛ...";
    }

    void commandLineHelpFollowsLang()
    {
        QFETCH(QString, lang);
        QFETCH(QString, firstLine);
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("LANG"), lang);
        cli.setProcessEnvironment(env);
        cli.start(builtAppDir() + QStringLiteral("clipwright-cli"), {QStringLiteral("--help")});
        QVERIFY(cli.waitForFinished(30000));
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        QCOMPARE(out.section(QLatin1Char('\n'), 0, 0), firstLine);
    }
};

QTEST_MAIN(TestUserLanguage)
#include "UserLanguageTest.moc"
