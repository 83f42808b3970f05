#pragma once

#include <QString>
#include <QWidget>

#include <vector>

namespace quillon {

// Every message box of the program goes through this service, so a test can read what was
// said (text, title, icon) and where the focus went, without a modal dialog blocking it.
class MessageService {
public:
    enum class Icon { None, Information, Warning, Critical };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~MessageService() = default;

    // An OK box. An empty title means the application's own title.
    virtual void inform(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
    // A Yes/No question.
    virtual Answer ask(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
    // A short beep (the spinners sound one at their ends).
    virtual void beep() = 0;
};

// The real service: QMessageBox, modal on its parent.
class QtMessageService final : public MessageService {
public:
    void inform(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    Answer ask(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    void beep() override;
};

// A service for tests: records each message and answers questions from a script.
class RecordingMessageService final : public MessageService {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon = Icon::None;
    };

    void inform(QWidget *, const QString &text, const QString &title, Icon icon) override {
        m_messages.push_back({text, title, icon});
    }
    Answer ask(QWidget *, const QString &text, const QString &title, Icon icon) override {
        m_messages.push_back({text, title, icon});
        return m_answer;
    }
    void beep() override { ++m_beeps; }

    const std::vector<Message> &messages() const { return m_messages; }
    const Message &last() const { return m_messages.back(); }
    void clear() { m_messages.clear(); }
    void setAnswer(Answer a) { m_answer = a; }
    int beeps() const { return m_beeps; }

private:
    std::vector<Message> m_messages;
    Answer m_answer = Answer::Ok;
    int m_beeps = 0;
};

// The title shown on message boxes that carry none of their own.
QString applicationTitle();

// Informs at once, or, while a mouse button is held (a field refused as the user clicks a
// button), once it is released: a box opened mid-click would swallow the click.
void informAfterClick(MessageService &messages, QWidget *parent, const QString &text,
                      const QString &title, MessageService::Icon icon);

} // namespace quillon
