#include "common/testsupport.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <optional>

Q_DECLARE_METATYPE(std::optional<platform::Answer>)

class TestMessages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void handlerReceivesTextButtonsAndIcon();
    void answersComeFromTheHandler();
    void systemErrorReport();
    void handlerIsRestored();
    void modalRunnerIsReplaceable();
    void keysOnTheRealBox_data();
    void keysOnTheRealBox();
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

// Enter presses the default button, which is the first one unless the message names another;
// Escape always gives the harmless answer.
void TestMessages::keysOnTheRealBox_data()
{
    using platform::Answer;
    using platform::Buttons;
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<std::optional<Answer>>("standard");
    QTest::addColumn<Qt::Key>("taste");
    QTest::addColumn<Answer>("antwort");
    QTest::newRow("Yes/No, Enter")
        << Buttons::YesNo << std::optional<Answer>{} << Qt::Key_Return << Answer::Yes;
    QTest::newRow("Yes/No defaulting to No, Enter")
        << Buttons::YesNo << std::optional<Answer>{Answer::No} << Qt::Key_Return << Answer::No;
    QTest::newRow("Yes/No defaulting to No, keypad Enter")
        << Buttons::YesNo << std::optional<Answer>{Answer::No} << Qt::Key_Enter << Answer::No;
    QTest::newRow("Yes/No, Escape")
        << Buttons::YesNo << std::optional<Answer>{} << Qt::Key_Escape << Answer::No;
    QTest::newRow("OK/Cancel, Enter")
        << Buttons::OkCancel << std::optional<Answer>{} << Qt::Key_Return << Answer::Ok;
    QTest::newRow("OK/Cancel defaulting to Cancel, Enter")
        << Buttons::OkCancel << std::optional<Answer>{Answer::Cancel} << Qt::Key_Return
        << Answer::Cancel;
    QTest::newRow("OK/Cancel, Escape")
        << Buttons::OkCancel << std::optional<Answer>{} << Qt::Key_Escape << Answer::Cancel;
    QTest::newRow("OK, Enter") << Buttons::Ok << std::optional<Answer>{} << Qt::Key_Return
                               << Answer::Ok;
}

void TestMessages::keysOnTheRealBox()
{
    QFETCH(platform::Buttons, buttons);
    QFETCH(std::optional<platform::Answer>, standard);
    QFETCH(Qt::Key, taste);
    QFETCH(platform::Answer, antwort);
    KeyOnMessageBoxes tastatur(taste);
    platform::Message frage;
    frage.text = QStringLiteral("Wirklich?");
    frage.buttons = buttons;
    frage.defaultAnswer = standard;
    QCOMPARE(platform::showMessage(frage), antwort);
    QCOMPARE(tastatur.texts(), QStringList{QStringLiteral("Wirklich?")});
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
