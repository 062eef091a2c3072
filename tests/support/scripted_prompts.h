#pragma once
// Stands in for the window's dialogs while it lives: every question is recorded, files,
// folders, fonts and texts are answered from queues (an empty queue cancels), message boxes
// are closed at once. Qt's own dialogs are back when it goes out of scope.
#include <QList>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>

#include "platform/prompts.h"

namespace zolvik_test {

struct Question {
    enum Kind { None, OpenFile, SaveFile, Folder, Font, Text, Message };
    Kind kind = None;
    QString title = {};  // the caption of a folder picker, text box or message box
    platform::FileQuestion file = {};
    QString text = {};  // the label of a text box, the text of a message box
    QString initial = {};
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// A message box as the user saw it; `seen` stays false until one is shown.
struct CapturedBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

class ScriptedPrompts final : public platform::Prompts {
public:
    ScriptedPrompts() : previous(platform::InstallPrompts(this)) {}
    ~ScriptedPrompts() override { platform::InstallPrompts(previous); }
    ScriptedPrompts(const ScriptedPrompts &) = delete;
    ScriptedPrompts &operator=(const ScriptedPrompts &) = delete;

    // The next file or folder dialog, or text box, answers `answer`; none cancels.
    void Answer(std::optional<QString> answer) { answers.push_back(std::move(answer)); }
    void AnswerFont(std::optional<QFont> font) { fonts.push_back(std::move(font)); }

    // Filled in by the next message box shown from now on; an earlier capture still
    // waiting is given up.
    std::shared_ptr<CapturedBox> CaptureNextMessage()
    {
        capture = std::make_shared<CapturedBox>();
        return capture;
    }

    const QList<Question> &Asked() const { return asked; }

    // The latest question; a failure, and a question of no kind, when nothing was asked.
    Question LastAsked() const
    {
        EXPECT_FALSE(asked.isEmpty()) << "no question was asked";
        return asked.isEmpty() ? Question{} : asked.constLast();
    }

    QString AskOpenFile(QWidget *, const platform::FileQuestion &question) override
    {
        asked.append({Question::OpenFile, {}, question});
        return Next().value_or(QString());
    }

    QString AskSaveFile(QWidget *, const platform::FileQuestion &question) override
    {
        asked.append({Question::SaveFile, {}, question});
        return Next().value_or(QString());
    }

    QString AskFolder(const QString &title) override
    {
        asked.append({Question::Folder, title});
        return Next().value_or(QString());
    }

    std::optional<QFont> AskFont(QWidget *) override
    {
        asked.append(Question{Question::Font});
        if (fonts.empty())
            return std::nullopt;
        std::optional<QFont> font = fonts.front();
        fonts.pop_front();
        return font;
    }

    std::optional<QString> AskText(QWidget *, const QString &title, const QString &label,
                                   const QString &initial) override
    {
        asked.append({Question::Text, title, {}, label, initial});
        return Next();
    }

    void ShowMessage(QWidget *, QMessageBox::Icon icon, const QString &caption,
                     const QString &text) override
    {
        asked.append({Question::Message, caption, {}, text, {}, icon});
        if (capture)
            *capture = {caption, text, icon, true};
        capture.reset();
    }

private:
    std::optional<QString> Next()
    {
        if (answers.empty())
            return std::nullopt;
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    platform::Prompts *previous;
    std::deque<std::optional<QString>> answers;
    std::deque<std::optional<QFont>> fonts;
    std::shared_ptr<CapturedBox> capture;
    QList<Question> asked;
};

}  // namespace zolvik_test
