#pragma once

#include "UserPrompts.h"

#include <QtCore/QList>
#include <QtCore/QStringList>

struct RecordedMessage {
    QString text;
    QString title;
    PromptIcon icon;
    PromptButtons buttons;
};

// Stands in for the message boxes and file dialogs: records every message
// and answers file dialogs with the scripted names (empty: cancelled).
class PromptRecorder : public UserPrompts {
public:
    PromptAnswer Message(QWidget*, const QString& text, const QString& title, PromptIcon icon,
        PromptButtons buttons) override
    {
        messages.append({ text, title, icon, buttons });
        if (buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        if (!answers.isEmpty())
            return answers.takeFirst();
        // Unscripted: tests that do not look at a question go on as if it was not asked.
        return buttons == PromptButtons::SaveDiscardCancel ? PromptAnswer::Discard : PromptAnswer::No;
    }

    QString OpenFileName(QWidget*, const QString& filter) override
    {
        openFilters.append(filter);
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }

    QString SaveFileName(QWidget*, const QString& initialName, const QString& filter) override
    {
        saveInitialNames.append(initialName);
        saveFilters.append(filter);
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }

    std::optional<int> Number(QWidget*, const QString& text, const QString&, int minimum, int maximum, int) override
    {
        numberQuestions.append({ text, minimum, maximum });
        return numbers.isEmpty() ? std::nullopt : std::optional<int>(numbers.takeFirst());
    }

    bool OpenFolder(const QString& path) override
    {
        openedFolders.append(path);
        return true;
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (const RecordedMessage& message : messages)
            texts.append(message.text);
        return texts;
    }

    QList<RecordedMessage> messages;
    QList<PromptAnswer> answers;
    QStringList openNames;
    QStringList saveNames;
    QStringList openFilters;
    QStringList saveFilters;
    QStringList saveInitialNames;
    struct NumberQuestion {
        QString text;
        int minimum;
        int maximum;
    };
    QList<NumberQuestion> numberQuestions;
    // Answers to number questions; none left: cancelled.
    QList<int> numbers;
    QStringList openedFolders;
};
