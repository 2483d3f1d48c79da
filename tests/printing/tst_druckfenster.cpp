#include "app/hauptfenster.h"
#include "app/start.h"
#include "aufnahme.h"
#include "core/base/optionen.h"
#include "druck_testhilfe.h"
#include "printing/logic/adressliste.h"
#include "printing/ui/drucker.h"
#include "printing/ui/druckfenster.h"
#include "printing/ui/nicepreview.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

namespace
{

const QDateTime kJetzt(QDate(2023, 2, 21), QTime(19, 30));

template <class T> T* teil(QWidget& fenster, const char* name)
{
    return fenster.findChild<T*>(QString::fromLatin1(name));
}

// The first text of the first page that starts with `anfang`.
const AufgenommenerText* textAuf(const Aufnahme& seite, const QString& anfang)
{
    for (const AufgenommenerText& t : seite.texte())
        if (t.text.startsWith(anfang))
            return &t;
    return nullptr;
}

void aktivieren(QWidget& fenster)
{
    QEvent e(QEvent::WindowActivate);
    QApplication::sendEvent(&fenster, &e);
}

// Answers the PDF question with a fixed file and counts the questions.
class PdfAntwort
{
public:
    explicit PdfAntwort(QString datei)
    {
        m_vorher = setPdfDateiFrage([this, datei](QWidget*, const QString&) {
            ++fragen;
            return datei;
        });
    }
    ~PdfAntwort() { setPdfDateiFrage(m_vorher); }
    int fragen = 0;

private:
    PdfDateiFrage m_vorher;
};

} // namespace

class TestDruckfenster : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void menuItemOpensANewWindowEachTimeFreedHoweverClosed();
    void controlsAndFirstPage();
    void openingSavesNothing();
    void typedSizeCountsOnEnterOnly();
    void pickedFontIsStoredAndUsed();
    void unreadableParticipantFileIsReported();
    void changedParticipantFileIsRebuiltOnActivation();
    void onePageAndTwoPages();
    void buttonsDoNotOverlap_data();
    void buttonsDoNotOverlap();
    void printingWithoutPrinterOffersAPdfFile();
    void otherPrinterIsThePrinterThatPrints();

private:
    std::unique_ptr<TempDataFolder> m_ordner;
    std::unique_ptr<MessageRecorder> m_meldungen;
    std::unique_ptr<FixedClock> m_uhr;
};

void TestDruckfenster::init()
{
    m_ordner = std::make_unique<TempDataFolder>();
    m_meldungen = std::make_unique<MessageRecorder>();
    m_uhr = std::make_unique<FixedClock>(kJetzt);
    optionen_lesen();
    Optionen.DruckSchrift.set(QStringLiteral("DejaVu Sans"));
    optionen_speichern();
}

void TestDruckfenster::cleanup()
{
    m_uhr.reset();
    m_meldungen.reset();
    m_ordner.reset();
}

void TestDruckfenster::menuItemOpensANewWindowEachTimeFreedHoweverClosed()
{
    QVERIFY(teilnehmerdateiSchreiben(teilnehmer(5)));
    const auto form = programmAufbauen();
    form->show();
    m_meldungen->clear(); // the start's own messages (no help file here)
    QAction* punkt = form->findChild<QAction*>(QStringLiteral("Adressendrucken1"));
    QVERIFY(punkt);
    QVERIFY(punkt->isEnabled());
    QVERIFY(form->befehlVerbunden(Befehl::Drucken));

    punkt->trigger();
    punkt->trigger();
    const QList<TForm14*> fenster = form->findChildren<TForm14*>();
    QCOMPARE(fenster.size(), 2);
    QPointer<TForm14> erstes = fenster[0];
    QPointer<TForm14> zweites = fenster[1];
    QVERIFY(erstes->isVisible());
    QVERIFY(erstes->windowState() & Qt::WindowMaximized);
    QCOMPARE(erstes->windowTitle(), QStringLiteral("Mitglieder Adressen"));
    QVERIFY(!QApplication::activeModalWidget());

    teil<QPushButton>(*erstes, "Button3")->click(); // "Beenden"
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(erstes.isNull());
    zweites->close(); // the title-bar close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(zweites.isNull());
    QVERIFY(m_meldungen->messages().isEmpty());
}

void TestDruckfenster::controlsAndFirstPage()
{
    QVERIFY(teilnehmerdateiSchreiben(teilnehmer(60)));
    TForm14 fenster;
    fenster.resize(1366, 700);
    fenster.oeffnen();
    QCOMPARE(teil<QLabel>(fenster, "Label1")->text(), QStringLiteral("Schriftgrösse"));
    QCOMPARE(teil<QLabel>(fenster, "Label2")->text(), QStringLiteral("Schriftart"));
    const QStringList knoepfe{"Button4", "Button1", "Button2", "Button3", "Button6"};
    const QStringList texte{"Eine Seite", "Zwei Seiten", "Drucken", "Beenden",
                            "Anderen Drucker wählen"};
    for (int i = 0; i < knoepfe.size(); ++i) {
        QPushButton* b = teil<QPushButton>(fenster, knoepfe[i].toLatin1().constData());
        QVERIFY(b);
        QCOMPARE(b->text(), texte[i]);
        QCOMPARE(b->accessibleName(), texte[i]);
    }
    QVERIFY(teil<QPushButton>(fenster, "Button4")->isHidden());
    QCOMPARE(teil<QWidget>(fenster, "Panel1")->height(), 41);
    QComboBox* box = teil<QComboBox>(fenster, "ComboBox1");
    QCOMPARE(box->maxVisibleItems(), 20);
    QVERIFY(box->findText(QStringLiteral("DejaVu Sans")) >= 0);
    QStringList namen;
    for (int i = 0; i < box->count(); ++i)
        namen.append(box->itemText(i));
    QStringList sortiert = namen;
    std::sort(sortiert.begin(), sortiert.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(namen, sortiert);

    TNicePreview* vorschau = fenster.vorschau();
    QCOMPARE(vorschau->objectName(), QStringLiteral("NicePreview1"));
    QCOMPARE(vorschau->Title(), QStringLiteral("Printing ..."));
    QCOMPARE(vorschau->modell().LastZoom, zmFitToWidth);
    QCOMPARE(vorschau->PageCount(), 2);
    const Aufnahme seite(vorschau->seiten().page(1));
    QVERIFY(seite.text(QStringLiteral("21.02.2023")));
    QVERIFY(seite.text(QStringLiteral("Seite 2")));
    QVERIFY(seite.text(QStringLiteral("N0060")));
}

void TestDruckfenster::openingSavesNothing()
{
    // A new settings file: size 0. The settings file cannot be written from here on.
    Optionen.DruckGroesse = 0;
    QVERIFY(optionen_speichern());
    const QByteArray vorher = readFileBytes(optionenDatei());
    QVERIFY(QFile::remove(optionenDatei()));
    QVERIFY(QDir().mkdir(optionenDatei()));

    TForm14 fenster;
    fenster.oeffnen();
    QSpinBox* groesse = teil<QSpinBox>(fenster, "RxSpinEdit1");
    QCOMPARE(groesse->value(), 10);
    QCOMPARE(groesse->minimum(), 1);
    QCOMPARE(groesse->maximum(), 72);
    QCOMPARE(teil<QComboBox>(fenster, "ComboBox1")->currentText(), QStringLiteral("DejaVu Sans"));
    fenster.drucken_adressen();
    QVERIFY2(m_meldungen->messages().isEmpty(), qPrintable(m_meldungen->lastText()));
    QCOMPARE(Optionen.DruckGroesse, 0);
    // The page uses 10 points: the title at 13 points is 17 pixels high.
    const Aufnahme seite(fenster.vorschau()->seiten().page(0));
    QCOMPARE(seite.text(kAdresslistenTitel)->schrift.pixelSize(), 17);

    // A change by the user is saved, and the failure to save is shown.
    groesse->stepUp();
    QCOMPARE(Optionen.DruckGroesse, 11);
    QCOMPARE(m_meldungen->messages().size(), 1);
    QVERIFY(QDir().rmdir(optionenDatei()));
    QVERIFY(writeFileBytes(optionenDatei(), vorher));
}

void TestDruckfenster::typedSizeCountsOnEnterOnly()
{
    QVERIFY(teilnehmerdateiSchreiben(teilnehmer(3)));
    TForm14 fenster;
    fenster.oeffnen();
    QSpinBox* groesse = teil<QSpinBox>(fenster, "RxSpinEdit1");
    groesse->setFocus();
    QLineEdit* zeile = groesse->findChild<QLineEdit*>();
    QVERIFY(zeile);
    zeile->selectAll();
    QTest::keyClick(zeile, Qt::Key_Backspace); // an empty field while typing
    QTest::keyClicks(zeile, QStringLiteral("14"));
    QCOMPARE(Optionen.DruckGroesse, 0); // not yet
    QTest::keyClick(zeile, Qt::Key_Return);
    QCOMPARE(Optionen.DruckGroesse, 14);
    QVERIFY(m_meldungen->messages().isEmpty());
    const Aufnahme seite(fenster.vorschau()->seiten().page(0));
    QCOMPARE(textAuf(seite, QStringLiteral("N0001"))->schrift.pixelSize(), pixelgroesse(14));
    QCOMPARE(seite.text(kAdresslistenTitel)->schrift.pixelSize(), pixelgroesse(17));
    QCOMPARE(readFileBytes(optionenDatei()).mid(136, 4), QByteArray("\x0e\x00\x00\x00", 4));

    // Emptied and left: the stored size stays.
    zeile->selectAll();
    QTest::keyClick(zeile, Qt::Key_Backspace);
    groesse->clearFocus();
    fenster.setFocus();
    QCOMPARE(Optionen.DruckGroesse, 14);
    QVERIFY(m_meldungen->messages().isEmpty());
}

void TestDruckfenster::pickedFontIsStoredAndUsed()
{
    TForm14 fenster;
    fenster.oeffnen();
    QComboBox* box = teil<QComboBox>(fenster, "ComboBox1");
    const int index = box->findText(QStringLiteral("DejaVu Serif"));
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    QCOMPARE(Optionen.DruckSchrift.str(), QStringLiteral("DejaVu Sans")); // no pick yet
    Q_EMIT box->textActivated(box->itemText(index));
    QCOMPARE(Optionen.DruckSchrift.str(), QStringLiteral("DejaVu Serif"));
    QVERIFY(readFileBytes(optionenDatei()).contains("DejaVu Serif"));
    const Aufnahme seite(fenster.vorschau()->seiten().page(0));
    QCOMPARE(seite.text(kAdresslistenTitel)->schrift.family(), QStringLiteral("DejaVu Serif"));
}

void TestDruckfenster::unreadableParticipantFileIsReported()
{
    QVERIFY(QDir().mkdir(adressdateiPfad()));
    TForm14 fenster;
    fenster.oeffnen();
    QCOMPARE(m_meldungen->messages().size(), 1);
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("konnte nicht gelesen werden")));
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("Adressen.adr")));
    QCOMPARE(fenster.vorschau()->PageCount(), 1);
    // Activating the window again does not repeat the message.
    aktivieren(fenster);
    QCOMPARE(m_meldungen->messages().size(), 1);
}

void TestDruckfenster::changedParticipantFileIsRebuiltOnActivation()
{
    QVERIFY(teilnehmerdateiSchreiben(teilnehmer(50)));
    TForm14 fenster;
    fenster.resize(1000, 700);
    fenster.oeffnen();
    TNicePreview* vorschau = fenster.vorschau();
    QCOMPARE(vorschau->PageCount(), 2);
    teil<QPushButton>(fenster, "Button4")->click(); // actual size
    vorschau->verticalScrollBar()->setValue(400);
    QSignalSpy neu(vorschau, &TNicePreview::OnChange);
    aktivieren(fenster);
    QCOMPARE(neu.count(), 0); // unchanged file: nothing rebuilt

    QVERIFY(teilnehmerdateiSchreiben(teilnehmer(130)));
    QFile datei(adressdateiPfad());
    QVERIFY(datei.open(QIODevice::ReadWrite));
    QVERIFY(datei.setFileTime(QDateTime::currentDateTime().addSecs(5),
                              QFileDevice::FileModificationTime));
    datei.close();
    aktivieren(fenster);
    QCOMPARE(vorschau->PageCount(), 4);
    QVERIFY(Aufnahme(vorschau->seiten().page(3)).text(QStringLiteral("N0130")));
    QCOMPARE(vorschau->Magnification(), 1.0f);
    QCOMPARE(vorschau->modell().LastZoom, zmActualSize);
    QCOMPARE(vorschau->modell().VertOffset, 400);
}

void TestDruckfenster::onePageAndTwoPages()
{
    QVERIFY(teilnehmerdateiSchreiben(teilnehmer(60)));
    TForm14 fenster;
    fenster.resize(1366, 700);
    fenster.oeffnen();
    QPushButton* zwei = teil<QPushButton>(fenster, "Button1");
    QPushButton* eine = teil<QPushButton>(fenster, "Button4");
    zwei->click();
    QVERIFY(zwei->isHidden());
    QVERIFY(!eine->isHidden());
    QCOMPARE(fenster.vorschau()->modell().LastZoom, zmTwoPages);
    QCOMPARE(fenster.vorschau()->modell().PageCol, 2);
    eine->click();
    QVERIFY(!zwei->isHidden());
    QVERIFY(eine->isHidden());
    QCOMPARE(fenster.vorschau()->Magnification(), 1.0f);
}

void TestDruckfenster::buttonsDoNotOverlap_data()
{
    QTest::addColumn<int>("breite");
    QTest::addColumn<bool>("an781");
    QTest::newRow("1024") << 1024 << true;
    QTest::newRow("1200") << 1200 << true;
    QTest::newRow("1366") << 1366 << false;
    QTest::newRow("1920") << 1920 << false;
}

void TestDruckfenster::buttonsDoNotOverlap()
{
    QFETCH(int, breite);
    QFETCH(bool, an781);
    TForm14 fenster;
    fenster.resize(breite, 700);
    fenster.show();
    fenster.drucken_adressen();
    for (bool zweiSeiten : {false, true}) {
        if (zweiSeiten)
            teil<QPushButton>(fenster, "Button1")->click();
        QList<QWidget*> teile;
        for (const char* name : {"Label1", "RxSpinEdit1", "Label2", "ComboBox1", "Button1",
                                 "Button4", "Button2", "Button3", "Button6"}) {
            QWidget* w = teil<QWidget>(fenster, name);
            if (w->isVisible())
                teile.append(w);
        }
        for (int i = 0; i < teile.size(); ++i) {
            QVERIFY(teile[i]->geometry().right() < breite);
            for (int j = i + 1; j < teile.size(); ++j)
                QVERIFY2(
                    !teile[i]->geometry().intersects(teile[j]->geometry()),
                    qPrintable(teile[i]->objectName() + QLatin1Char(' ') + teile[j]->objectName()));
        }
    }
    QCOMPARE(teil<QPushButton>(fenster, "Button6")->x() == TForm14::kButton6Links, an781);
    const int c = fenster.width() / 2;
    QPushButton* drucken = teil<QPushButton>(fenster, "Button2");
    QCOMPARE(drucken->x(), c - drucken->width() / 2 - 10);
}

void TestDruckfenster::printingWithoutPrinterOffersAPdfFile()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed on this machine: the file is not offered");
    QVERIFY(teilnehmerdateiSchreiben(teilnehmer(60)));
    TForm14 fenster;
    fenster.oeffnen();
    const QString pdf = m_ordner->file(QStringLiteral("liste.pdf"));
    {
        PdfAntwort abbrechen{QString()};
        teil<QPushButton>(fenster, "Button2")->click();
        QCOMPARE(abbrechen.fragen, 1);
        QVERIFY(!QFile::exists(pdf));
    }
    PdfAntwort antwort(pdf);
    teil<QPushButton>(fenster, "Button2")->click();
    QCOMPARE(antwort.fragen, 1);
    QVERIFY(m_meldungen->messages().isEmpty());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(inhalt.contains(QStringLiteral("N0001")));
    QVERIFY(inhalt.contains(QStringLiteral("N0060")));
    // The next print asks again rather than overwriting the file.
    teil<QPushButton>(fenster, "Button2")->click();
    QCOMPARE(antwort.fragen, 2);
}

void TestDruckfenster::otherPrinterIsThePrinterThatPrints()
{
    QVERIFY(teilnehmerdateiSchreiben(teilnehmer(10)));
    TForm14 fenster;
    fenster.oeffnen();
    QString ziel = m_ordner->file(QStringLiteral("gewaehlt.pdf"));
    NonBlockingModals dialoge([&ziel](QDialog& d) {
        auto* druckdialog = qobject_cast<QPrintDialog*>(&d);
        QVERIFY(druckdialog);
        druckdialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        druckdialog->printer()->setOutputFileName(ziel);
    });
    PdfAntwort frage(m_ordner->file(QStringLiteral("gefragt.pdf")));
    teil<QPushButton>(fenster, "Button6")->click();
    QCOMPARE(dialoge.shownCount(), 1);
    teil<QPushButton>(fenster, "Button2")->click();
    QCOMPARE(frage.fragen, 0);
    QVERIFY(QFile::exists(ziel));
    QVERIFY(m_meldungen->messages().isEmpty());

    // A printer that cannot start the job: the German message names it.
    ziel = m_ordner->file(QStringLiteral("fehlt/x.pdf"));
    teil<QPushButton>(fenster, "Button6")->click();
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    teil<QPushButton>(fenster, "Button2")->click();
    QCOMPARE(m_meldungen->messages().size(), 1);
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("konnte nicht beginnen")));
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("x.pdf")));
    druckerDesLaufs().setOutputFileName(QString());
}

QTEST_MAIN(TestDruckfenster)
#include "tst_druckfenster.moc"
