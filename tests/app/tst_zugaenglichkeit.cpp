#include "app/hauptfenster.h"
#include "app/start.h"
#include "backup/ui/back5.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// Screen readers, and tests that work as a user does, find controls by their accessible name:
// every control a user can operate in any window of the program must have one.
class TestZugaenglichkeit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasAName();
};

namespace
{

bool bedienbar(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

// Widgets that Qt builds inside a control (a combo box's line edit, a scroll bar's buttons)
// belong to that control's name.
bool innerPartOfAControl(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (bedienbar(p))
            return true;
    return w->objectName().startsWith(QLatin1String("qt_"));
}

QStringList controlsWithoutName(const QWidget& fenster)
{
    QStringList ohne;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!bedienbar(w) || innerPartOfAControl(w))
            continue;
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
        const QString name = iface ? iface->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty())
            ohne << QStringLiteral("%1 %2 in %3")
                        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                             QString::fromLatin1(fenster.metaObject()->className()));
    }
    return ohne;
}

} // namespace

void TestZugaenglichkeit::everyControlHasAName()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    TBack5 back5; // created anew by its command each time

    QStringList ohne = controlsWithoutName(*form); // the main window and all it owns
    ohne += controlsWithoutName(back5);
    QVERIFY2(ohne.isEmpty(), qPrintable(ohne.join(QLatin1Char('\n'))));
}

int main(int argc, char** argv)
{
    QTemporaryDir home; // the backup window looks into the home folder
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    TestZugaenglichkeit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zugaenglichkeit.moc"
