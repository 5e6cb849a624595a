#pragma once

#include "editor/base/prompter.h"

#include <QStringList>
#include <deque>

namespace kanalo::test {

// Answers questions and file dialogs from a script and records every text shown.
class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() { setPrompter(this); }
    ~ScriptedPrompter() override { setPrompter(nullptr); }

    void error(QWidget*, const QString& text) override {
        shown << text;
        errors << text;
    }
    void information(QWidget*, const QString& text) override { shown << text; }
    Answer question(QWidget*, const QString& text, bool) override {
        shown << text;
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    Answer renumberQuestion(QWidget* parent) override {
        return question(parent, QStringLiteral("Sort"), true);
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return takeFileName();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return takeFileName();
    }

    std::deque<Answer> answers;
    QStringList fileNames;
    QStringList shown;
    QStringList errors; // the texts shown with the exclamation icon

private:
    QString takeFileName() { return fileNames.isEmpty() ? QString() : fileNames.takeFirst(); }
};

} // namespace kanalo::test
