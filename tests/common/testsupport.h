#pragma once

#include "platform/base/clock.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QString>
#include <QTemporaryDir>

// Records every message box and answers it from a queue; with an empty queue an OK box is
// answered OK, a Yes/No box No and an OK/Cancel box Cancel.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void answerNext(platform::Answer answer) { m_answers.enqueue(answer); }
    const QList<platform::Message>& messages() const { return m_messages; }
    QStringList texts() const;
    QString lastText() const { return m_messages.isEmpty() ? QString() : m_messages.last().text; }
    void clear() { m_messages.clear(); }

private:
    QList<platform::Message> m_messages;
    QQueue<platform::Answer> m_answers;
    platform::MessageHandler m_previous;
};

// A fresh data folder for one test: Datenordner and the working folder point into it while
// the object lives.
class TempDataFolder
{
public:
    TempDataFolder();
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
    QString m_previousDataFolder;
    QString m_previousWorkingFolder;
};

// Fixes the program's clock while it lives.
class FixedClock
{
public:
    explicit FixedClock(const QDateTime& when);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

private:
    platform::ClockFunction m_previous;
};

// Replaces the modal runner while it lives: modal windows are shown without a nested loop
// and `onShown` (if given) drives them; the runner returns `result`.
class NonBlockingModals
{
public:
    explicit NonBlockingModals(std::function<void(QDialog&)> onShown = {});
    ~NonBlockingModals();
    NonBlockingModals(const NonBlockingModals&) = delete;
    NonBlockingModals& operator=(const NonBlockingModals&) = delete;

    int shownCount() const { return m_shown; }

private:
    platform::ModalRunner m_previous;
    int m_shown = 0;
};

QByteArray readFileBytes(const QString& path);
bool writeFileBytes(const QString& path, const QByteArray& bytes);
