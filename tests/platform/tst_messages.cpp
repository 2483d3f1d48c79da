#include "common/testsupport.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

class TestMessages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void handlerReceivesTextButtonsAndIcon();
    void answersComeFromTheHandler();
    void systemErrorReport();
    void handlerIsRestored();
    void modalRunnerIsReplaceable();
};

void TestMessages::handlerReceivesTextButtonsAndIcon()
{
    MessageRecorder rec;
    platform::showMessage(QStringLiteral("  Hallo \n"), platform::Buttons::YesNo,
                          platform::Icon::Warning);
    QCOMPARE(rec.messages().size(), 1);
    QCOMPARE(rec.lastText(), QStringLiteral("  Hallo \n"));
    QCOMPARE(rec.messages().first().buttons, platform::Buttons::YesNo);
    QCOMPARE(rec.messages().first().icon, platform::Icon::Warning);
}

void TestMessages::answersComeFromTheHandler()
{
    MessageRecorder rec;
    rec.answerNext(platform::Answer::Yes);
    QCOMPARE(platform::showMessage(QStringLiteral("?"), platform::Buttons::YesNo),
             platform::Answer::Yes);
    QCOMPARE(platform::showMessage(QStringLiteral("?"), platform::Buttons::YesNo),
             platform::Answer::No);
    QCOMPARE(platform::showMessage(QStringLiteral("ok")), platform::Answer::Ok);
}

void TestMessages::systemErrorReport()
{
    MessageRecorder rec;
    platform::reportSystemError(5, QStringLiteral("Zugriff verweigert."));
    QCOMPARE(rec.lastText(), QStringLiteral("Systemfehler.  Code: 5.\nZugriff verweigert."));
    QCOMPARE(rec.messages().first().icon, platform::Icon::Error);
}

void TestMessages::handlerIsRestored()
{
    MessageRecorder outer;
    {
        MessageRecorder inner;
        platform::showMessage(QStringLiteral("inner"));
        QCOMPARE(inner.messages().size(), 1);
    }
    platform::showMessage(QStringLiteral("outer"));
    QCOMPARE(outer.texts(), QStringList{QStringLiteral("outer")});
}

void TestMessages::modalRunnerIsReplaceable()
{
    QDialog dialog;
    NonBlockingModals modals([](QDialog& d) { d.done(QDialog::Accepted); });
    QCOMPARE(platform::runModal(dialog), int(QDialog::Accepted));
    QCOMPARE(modals.shownCount(), 1);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
