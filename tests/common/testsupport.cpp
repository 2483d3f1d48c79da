#include "testsupport.h"

#include "platform/base/datafolder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <csignal>

MessageRecorder::MessageRecorder()
{
    m_previous = platform::setMessageHandler([this](const platform::Message& message) {
        m_messages.append(message);
        if (!m_answers.isEmpty())
            return m_answers.dequeue();
        switch (message.buttons) {
        case platform::Buttons::Ok:
            return platform::Answer::Ok;
        case platform::Buttons::YesNo:
            return platform::Answer::No;
        case platform::Buttons::OkCancel:
            break;
        }
        return platform::Answer::Cancel;
    });
}

MessageRecorder::~MessageRecorder()
{
    platform::setMessageHandler(std::move(m_previous));
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const auto& m : m_messages)
        out << m.text;
    return out;
}

KeyOnMessageBoxes::KeyOnMessageBoxes(Qt::Key key)
    : m_previous(platform::setMessageHandler({})), m_timer(std::make_unique<QTimer>())
{
    m_timer->setInterval(5);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // A button pressed by its letter clicks a moment later; the box is answered once.
        if (!box || !box->isVisible() || box->property("zorbelBeantwortet").toBool())
            return;
        box->setProperty("zorbelBeantwortet", true);
        m_texts.append(box->text());
        QTest::keyClick(box, key);
    });
    m_timer->start();
}

KeyOnMessageBoxes::~KeyOnMessageBoxes()
{
    m_timer.reset();
    platform::setMessageHandler(std::move(m_previous));
}

TempDataFolder::TempDataFolder()
    : m_previousDataFolder(Datenordner), m_previousWorkingFolder(QDir::currentPath())
{
    platform::setDataFolder(m_dir.path());
    QDir::setCurrent(m_dir.path());
}

TempDataFolder::~TempDataFolder()
{
    QDir::setCurrent(m_previousWorkingFolder);
    Datenordner = m_previousDataFolder;
}

FixedClock::FixedClock(const QDateTime& when)
{
    m_previous = platform::setClock([when] { return when; });
}

FixedClock::~FixedClock()
{
    platform::setClock(std::move(m_previous));
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Without this the kernel ends the process with SIGXFSZ instead of failing the write.
    m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousSignal);
}

NonBlockingModals::NonBlockingModals(std::function<void(QDialog&)> onShown)
{
    m_previous = platform::setModalRunner([this, onShown](QDialog& dialog) {
        ++m_shown;
        dialog.show();
        if (onShown)
            onShown(dialog);
        return dialog.result();
    });
}

NonBlockingModals::~NonBlockingModals()
{
    platform::setModalRunner(std::move(m_previous));
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}
