#pragma once

#include "platform/base/clock.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <sys/resource.h>

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

// While it lives, message boxes are the real ones, and each is answered by pressing `key` on
// it as soon as it is shown, as a user at the keyboard would.
class KeyOnMessageBoxes
{
public:
    explicit KeyOnMessageBoxes(Qt::Key key);
    ~KeyOnMessageBoxes();
    KeyOnMessageBoxes(const KeyOnMessageBoxes&) = delete;
    KeyOnMessageBoxes& operator=(const KeyOnMessageBoxes&) = delete;

    // The text of every box answered so far.
    const QStringList& texts() const { return m_texts; }

private:
    QStringList m_texts;
    platform::MessageHandler m_previous;
    std::unique_ptr<QTimer> m_timer;
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

// While it lives, no file of this process can grow beyond `bytes`: a write past it fails
// with EFBIG, as on a full disk, also for root (who ignores permission bits).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = nullptr;
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

// The child of `parent` with this objectName. A missing control ends the test program at
// once: every later step would only fail on a null pointer.
template <class T> T* requireChild(const QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("control %s missing", name);
    return child;
}

QByteArray readFileBytes(const QString& path);
bool writeFileBytes(const QString& path, const QByteArray& bytes);
