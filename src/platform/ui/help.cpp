#include "platform/ui/help.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace platform
{

namespace
{

const QSize kFrameRoom(16, 64);

HelpViewer& viewerSlot()
{
    static HelpViewer viewer;
    return viewer;
}

class HelpWindow : public QWidget
{
public:
    HelpWindow() : QWidget(nullptr, Qt::Window)
    {
        setObjectName(QStringLiteral("Hilfefenster"));
        setWindowTitle(QStringLiteral("Zorbel-Master – Hilfe"));
        setAccessibleName(QStringLiteral("Hilfe"));
        m_browser = new QTextBrowser(this);
        m_browser->setObjectName(QStringLiteral("HilfeText"));
        m_browser->setAccessibleName(QStringLiteral("Hilfetext"));
        m_browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_browser);
        resize(760, 620);
    }

    void open(const QString& file, int context)
    {
        QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
        // A changed file is read again: the viewer may stay open across a long evening.
        m_browser->clearHistory();
        m_browser->setSource(url);
        m_browser->reload();
        m_browser->scrollToAnchor(helpAnchor(context));
        show();
        raise();
        activateWindow();
    }

private:
    QTextBrowser* m_browser = nullptr;
};

QPointer<HelpWindow>& window()
{
    static QPointer<HelpWindow> w;
    return w;
}

bool showRealHelp(const QString& file, int context)
{
    if (!QFileInfo(file).isFile())
        return false;
    if (!window()) {
        window() = new HelpWindow;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            // A small screen (1024 x 600) gets a smaller viewer; room is left for its frame.
            const QSize room = screen->availableGeometry().size() - kFrameRoom;
            window()->resize(window()->size().boundedTo(room));
            QRect frame = window()->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window()->move(frame.topLeft());
        }
        // The viewer has no parent window: it goes when the program ends.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window(), &QObject::deleteLater);
    }
    window()->open(file, context);
    return true;
}

void closeRealHelp()
{
    if (window())
        window()->close();
}

} // namespace

QString helpAnchor(int context)
{
    return QStringLiteral("kontext%1").arg(context);
}

bool showHelp(const QString& file, int context)
{
    if (viewerSlot().show)
        return viewerSlot().show(file, context);
    return showRealHelp(file, context);
}

void closeHelp()
{
    if (viewerSlot().close) {
        viewerSlot().close();
        return;
    }
    closeRealHelp();
}

HelpViewer setHelpViewer(HelpViewer viewer)
{
    HelpViewer previous = std::move(viewerSlot());
    viewerSlot() = std::move(viewer);
    return previous;
}

} // namespace platform
