#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/IUserDialogs.h"

// Stands in for the user's answers: every box shown is recorded, and answers are taken in
// order from the scripted queues (a missing answer presses OK for message boxes and
// cancels questions, input boxes and the folder browser).
class FakeUserDialogs : public IUserDialogs
{
public:
    struct Shown
    {
        QString kind; // "message", "confirm", "input", "folder"
        QString caption;
        QString text; // message, prompt or title
        QString initialText;
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
    };

    // Scripted answers.
    QList<int> messageAnswers;  // button codes
    QList<bool> confirmAnswers; // true = Yes
    // An input box answer: accepted with text, or cancelled.
    struct Input
    {
        bool accepted;
        QString text;
    };
    QList<Input> inputAnswers;
    QList<Input> folderAnswers;

    QList<Shown> shown;

    int MessageBox(const QString &caption, const QString &text, Icon icon, Buttons buttons) override
    {
        shown << Shown{QStringLiteral("message"), caption, text, QString(), icon, buttons};
        return messageAnswers.isEmpty() ? int(Ok) : messageAnswers.takeFirst();
    }

    bool Confirm(const QString &caption, const QString &text) override
    {
        shown << Shown{
            QStringLiteral("confirm"), caption, text, QString(), Icon::Question, Buttons::YesNo};
        return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
    }

    bool InputBox(const QString &caption, const QString &prompt, QString &text) override
    {
        shown << Shown{QStringLiteral("input"), caption, prompt, text, Icon::Question, Buttons::Ok};
        return answer(inputAnswers, text);
    }

    bool SelectFolder(const QString &title, QString &folder) override
    {
        shown << Shown{QStringLiteral("folder"), QString(),  title, folder,
                       Icon::Question,           Buttons::Ok};
        return answer(folderAnswers, folder);
    }

    // The texts of the boxes shown, in order.
    QStringList texts() const
    {
        QStringList result;
        for (const Shown &box : shown)
            result << box.text;
        return result;
    }

private:
    static bool answer(QList<Input> &queue, QString &text)
    {
        if (queue.isEmpty())
            return false;
        const Input input = queue.takeFirst();
        if (input.accepted)
            text = input.text;
        return input.accepted;
    }
};
