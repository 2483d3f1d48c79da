// Every window of the program, drawn in every style as the user sees it: no caption is cut by
// its control, and what the style paints stays legible. The windows are made once and stay
// open while the styles change, as in the program; each style is put in force once and every
// check runs in it. The pictures are real renderings.
#include "app/hauptfenster.h"
#include "app/start.h"
#include "app/weitereprogramme.h"
#include "appearance/logic/lesbarkeit.h"
#include "appearance/ui/farbe.h"
#include "appearance/ui/stilverwaltung.h"
#include "backup/ui/back5.h"
#include "backup/ui/datensicherung.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "platform/base/random.h"
#include "players/logic/adressbestand.h"
#include "players/logic/adressverwaltung.h"
#include "players/ui/adressen.h"
#include "players/ui/auswahldialog.h"
#include "printing/ui/druckfenster.h"
#include "printing/ui/tischdruckfenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <memory>

using appearance::StyleManager;

namespace
{

const char* const kTeilnehmer[][2] = {
    {"Ağaoğlu", "Łukasz"},      {"Meier-Lüdenscheidt", "Hans-Joachim"},
    {"Schulz", "Anna"},         {"Müller", "Jürgen"},
    {"Becker", "Eva"},          {"Wagner", "Karl"},
    {"Hoffmann", "Paula"},      {"Schäfer", "Rita"},
    {"Koch", "Otto"},           {"Weiß", "Lena"},
    {"Richter", "Maximilian"},  {"Klein", "Sophie"},
    {"Wolf", "Friedrich"},      {"Schröder", "Gisela"},
    {"Neumann", "Bernd"},       {"Schwarz", "Ute"},
    {"Zimmermann", "Wolfgang"}, {"Braun", "Karin"},
    {"Krüger", "Dieter"},       {"Hofmann", "Ingrid"},
    {"Hartmann", "Sebastian"},  {"Lange", "Brigitte"},
    {"Schmitt", "Alexander"},   {"Werner", "Christiane"},
};

// A text a user reads: the caption of a label, button, check box, group box or tab.
struct Text {
    QWidget* traeger = nullptr;
    int tab = -1; // the tab of a tab bar

    QString lesen() const
    {
        if (auto* tabs = qobject_cast<QTabBar*>(traeger))
            return tabs->tabText(tab);
        if (auto* label = qobject_cast<QLabel*>(traeger))
            return label->text();
        if (auto* knopf = qobject_cast<QAbstractButton*>(traeger))
            return knopf->text();
        if (auto* gruppe = qobject_cast<QGroupBox*>(traeger))
            return gruppe->title();
        return {};
    }
    void setzen(const QString& text) const
    {
        if (auto* tabs = qobject_cast<QTabBar*>(traeger))
            tabs->setTabText(tab, text);
        else if (auto* label = qobject_cast<QLabel*>(traeger))
            label->setText(text);
        else if (auto* knopf = qobject_cast<QAbstractButton*>(traeger))
            knopf->setText(text);
        else if (auto* gruppe = qobject_cast<QGroupBox*>(traeger))
            gruppe->setTitle(text);
    }
    // Where it stands in its window.
    QRect ort() const
    {
        const QRect eigen =
            tab >= 0 ? qobject_cast<QTabBar*>(traeger)->tabRect(tab) : traeger->rect();
        return eigen.translated(traeger->mapTo(traeger->window(), QPoint()));
    }
    QString name() const
    {
        return QStringLiteral("%1 %2 \"%3\"")
            .arg(QString::fromLatin1(traeger->metaObject()->className()), traeger->objectName(),
                 lesen());
    }
};

bool sichtbarIn(const QWidget* w, const QWidget* fenster)
{
    return w->window() == fenster && w->isVisible() && !w->size().isEmpty();
}

QList<Text> texteIn(QWidget* fenster)
{
    QList<Text> texte;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!sichtbarIn(w, fenster))
            continue;
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    texte.append({tabs, i});
            continue;
        }
        const Text text{w};
        const QString inhalt = text.lesen();
        if (inhalt.trimmed().isEmpty())
            continue;
        if (auto* label = qobject_cast<QLabel*>(w);
            label && label->textFormat() != Qt::PlainText && Qt::mightBeRichText(inhalt))
            continue;
        texte.append(text);
    }
    return texte;
}

// The width the caption needs and the width the control gives it.
std::pair<int, int> textUndPlatz(const Text& text)
{
    QWidget* w = text.traeger;
    const QString inhalt = text.lesen();
    const int noetig = w->fontMetrics().size(Qt::TextShowMnemonic, inhalt).width();
    if (auto* knopf = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(knopf);
        option.text = inhalt;
        option.icon = knopf->icon();
        option.iconSize = knopf->iconSize();
        int mitBild = noetig;
        if (!knopf->icon().isNull())
            mitBild += knopf->iconSize().width() + 4;
        return {
            mitBild,
            knopf->style()->subElementRect(QStyle::SE_PushButtonContents, &option, knopf).width()};
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(w);
        option.text = inhalt;
        const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
        const QRect inhaltsort = w->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, w);
        return {noetig, std::min(inhaltsort.right(), w->rect().right()) - inhaltsort.left() + 1};
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // Name plates cut a name too long for the room beside its table with "…" on purpose
        // and show it whole as tool tip; captions are never cut.
        if (label->wordWrap() || qobject_cast<NamensLabel*>(label))
            return {0, 0};
        const int rand = 2 * label->margin() + std::max(0, label->indent());
        return {w->fontMetrics().size(0, inhalt).width(), label->contentsRect().width() - rand};
    }
    if (auto* tabs = qobject_cast<QTabBar*>(w))
        return {noetig, tabs->tabRect(text.tab).width()};
    if (auto* gruppe = qobject_cast<QGroupBox*>(w))
        return {noetig, gruppe->width()};
    return {noetig, w->width()};
}

// The contrast of what changed between two pictures of the same place: the strongest pair of
// colours at one pixel. `ausgenommen` are places of other texts inside this one.
double gemalterKontrast(const QImage& mit, const QImage& ohne, const QRect& ort,
                        const QList<QRect>& ausgenommen)
{
    double staerkster = 0;
    const QRect bild = ort.intersected(mit.rect());
    for (int y = bild.top(); y <= bild.bottom(); ++y) {
        const auto* zeileMit = reinterpret_cast<const QRgb*>(mit.constScanLine(y));
        const auto* zeileOhne = reinterpret_cast<const QRgb*>(ohne.constScanLine(y));
        for (int x = bild.left(); x <= bild.right(); ++x) {
            const QRgb a = zeileMit[x];
            const QRgb b = zeileOhne[x];
            if (a == b)
                continue;
            if (std::any_of(ausgenommen.cbegin(), ausgenommen.cend(),
                            [x, y](const QRect& r) { return r.contains(x, y); }))
                continue;
            staerkster = std::max(staerkster, appearance::contrastRatio(QColor(a), QColor(b)));
        }
    }
    return staerkster;
}

QImage bildVon(QWidget* fenster)
{
    return fenster->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void ruhen()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
    }
}

QString zahl(double wert)
{
    return QString::number(wert, 'f', 2);
}

} // namespace

class TestFensterstile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void jederStil_data();
    void jederStil();

private:
    QStringList texteWeiterAlsIhrPlatz();
    QStringList unleserlicheTexte();
    QStringList unkenntlicheZustandsmarken();

    std::unique_ptr<TempDataFolder> m_ordner;
    std::unique_ptr<MessageRecorder> m_meldungen;
    std::unique_ptr<TForm1> m_haupt;
    QList<QWidget*> m_fenster;
};

void TestFensterstile::initTestCase()
{
    m_ordner = std::make_unique<TempDataFolder>();
    m_meldungen = std::make_unique<MessageRecorder>();
    optionen_lesen();
    QStringList gewaehlt;
    Adressbestand teilnehmer;
    for (const auto& t : kTeilnehmer) {
        AdressFelder felder;
        felder.name = QString::fromUtf8(t[0]);
        felder.vorname = QString::fromUtf8(t[1]);
        QVERIFY(teilnehmer
                    .erfassen(adresseAusFeldern(adresseSpeicherbar(felder)), felder.name,
                              felder.vorname)
                    .geschrieben);
        gewaehlt.append(QString::fromUtf8(t[1]) + QLatin1Char(' ') + QString::fromUtf8(t[0]));
    }
    QVERIFY(auswahlSchreiben(auswahldatei2(), gewaehlt));

    m_haupt = programmAufbauen();
    m_haupt->show();
    m_fenster.append(m_haupt.get());

    auto* adressen = &fensterVon<TAdressen>(*m_haupt);
    adressen->oeffnen();
    m_fenster.append(adressen);

    auto* auswahl = &fensterVon<TDualListDlg>(*m_haupt);
    auswahl->oeffnen();
    // A table count and a mode chosen: the hint line shows its text.
    requireChild<QRadioButton>(auswahl, "RadioButton5")->click();
    requireChild<QRadioButton>(auswahl, "RadioButton8")->click();
    m_fenster.append(auswahl);

    auto* farbe = &fensterVon<TFarbe>(*m_haupt);
    farbe->anzeigen();
    m_fenster.append(farbe);

    // A second 6-table window shows the large display.
    auto* gross = new TForm66(m_haupt.get());
    platform::setRandSeed(4711);
    Optionen.Spielmodus = kDoppel;
    ergebnisfensterAnlegen(m_haupt.get());
    for (int tische = 2; tische <= 6; ++tische) {
        QVERIFY(personen_zuweisen(tische).gezogen);
        ergebnisfenster(tische)->show();
        // The work area of the smallest screen the bar is laid out for (this screen is
        // smaller).
        ergebnisfenster(tische)->resize(1024, 738);
        m_fenster.append(ergebnisfenster(tische));
    }

    gross->show();
    gross->grossanzeigeSetzen(true);
    gross->resize(1024, 768);
    m_fenster.append(gross);
    auto* seitendruck = new Tischdruckfenster(ergebnisfenster(6)->angezeigteBelegung(), true,
                                              QDate(2026, 12, 10), m_haupt.get());
    seitendruck->show();
    m_fenster.append(seitendruck);

    auto* sicherung = &fensterVon<TDatensicherung>(*m_haupt);
    sicherung->show();
    m_fenster.append(sicherung);

    auto* weitere = m_haupt->findChild<WeitereProgramme*>();
    weitere->show();
    m_fenster.append(weitere);

    auto* back5 = new TBack5(m_haupt.get());
    back5->DatensichernWiederherstellen1Click();
    back5->show();
    m_fenster.append(back5);

    m_fenster.append(druckfensterOeffnen(m_haupt.get()));
    ruhen();
}

void TestFensterstile::cleanupTestCase()
{
    m_haupt.reset();
    m_meldungen.reset();
    m_ordner.reset();
}

void TestFensterstile::jederStil_data()
{
    QTest::addColumn<QString>("stil");
    for (const QString& stil : StyleManager::styleNames())
        QTest::newRow(qPrintable(stil)) << stil;
}

// Each check reports its own faults, so one that fails hides none of the others.
void TestFensterstile::jederStil()
{
    QFETCH(QString, stil);
    QVERIFY(StyleManager::trySetStyle(stil));
    ruhen();
    QStringList fehler;
    const auto pruefen = [&fehler](const char* pruefung, const QStringList& funde) {
        if (!funde.isEmpty())
            fehler << QString::fromLatin1(pruefung) + QLatin1Char(':') << funde;
    };
    pruefen("Text weiter als sein Platz", texteWeiterAlsIhrPlatz());
    pruefen("Gemalter Text nicht lesbar", unleserlicheTexte());
    pruefen("Zustandsmarke nicht erkennbar", unkenntlicheZustandsmarken());
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
}

QStringList TestFensterstile::texteWeiterAlsIhrPlatz()
{
    QStringList fehler;
    for (QWidget* fenster : std::as_const(m_fenster)) {
        for (const Text& text : texteIn(fenster)) {
            const auto [noetig, platz] = textUndPlatz(text);
            if (noetig > platz)
                fehler << QStringLiteral("%1 in %2: %3 px Text, %4 px Platz")
                              .arg(text.name(), fenster->objectName())
                              .arg(noetig)
                              .arg(platz);
        }
    }
    return fehler;
}

// Each text is painted once as it is and once replaced by a blank; the pixels that differ are
// the text, and each is compared with the background painted at the same place.
QStringList TestFensterstile::unleserlicheTexte()
{
    QStringList fehler;
    for (QWidget* fenster : std::as_const(m_fenster)) {
        const QList<Text> texte = texteIn(fenster);
        const QImage mit = bildVon(fenster);
        QStringList inhalte;
        for (const Text& text : texte) {
            inhalte.append(text.lesen());
            text.setzen(QStringLiteral(" "));
        }
        const QImage ohne = bildVon(fenster);
        for (qsizetype i = 0; i < texte.size(); ++i)
            texte.at(i).setzen(inhalte.at(i));

        for (qsizetype i = 0; i < texte.size(); ++i) {
            const Text& text = texte.at(i);
            if (!text.traeger->isEnabled())
                continue; // dimmed on purpose
            QList<QRect> innere;
            for (const Text& andere : texte)
                if (andere.traeger != text.traeger && text.traeger->isAncestorOf(andere.traeger))
                    innere.append(andere.ort());
            const double kontrast = gemalterKontrast(mit, ohne, text.ort(), innere);
            if (kontrast < appearance::kMinimumContrast)
                fehler << QStringLiteral("%1 in %2: %3:1")
                              .arg(text.name(), fenster->objectName(), zahl(kontrast));
        }
    }
    ruhen();
    return fehler;
}

// A check box or radio button is painted checked and not checked; the mark is what differs.
QStringList TestFensterstile::unkenntlicheZustandsmarken()
{
    QStringList fehler;
    int geprueft = 0;
    double schwaechste = 21;
    for (QWidget* fenster : std::as_const(m_fenster)) {
        for (QAbstractButton* knopf : fenster->findChildren<QAbstractButton*>()) {
            if (!(qobject_cast<QCheckBox*>(knopf) || qobject_cast<QRadioButton*>(knopf)) ||
                !sichtbarIn(knopf, fenster) || !knopf->isEnabled())
                continue;
            const bool war = knopf->isChecked();
            const bool autoExklusiv = knopf->autoExclusive();
            QButtonGroup* gruppe = knopf->group();
            const bool gruppeExklusiv = gruppe && gruppe->exclusive();
            const QSignalBlocker sperre(knopf);
            std::unique_ptr<QSignalBlocker> gruppensperre;
            if (gruppe) {
                gruppensperre = std::make_unique<QSignalBlocker>(gruppe);
                gruppe->setExclusive(false);
            }
            knopf->setAutoExclusive(false);
            const QRect ort(knopf->mapTo(fenster, QPoint()), knopf->size());

            knopf->setChecked(true);
            const QImage an = fenster->grab(ort).toImage().convertToFormat(QImage::Format_RGB32);
            knopf->setChecked(false);
            const QImage aus = fenster->grab(ort).toImage().convertToFormat(QImage::Format_RGB32);
            knopf->setChecked(war);
            knopf->setAutoExclusive(autoExklusiv);
            if (gruppe)
                gruppe->setExclusive(gruppeExklusiv);

            ++geprueft;
            const double kontrast = gemalterKontrast(an, aus, an.rect(), {});
            schwaechste = std::min(schwaechste, kontrast);
            if (kontrast < 3.0)
                fehler << QStringLiteral("%1 %2 in %3: %4:1")
                              .arg(QString::fromLatin1(knopf->metaObject()->className()),
                                   knopf->objectName(), fenster->objectName(), zahl(kontrast));
        }
    }
    if (geprueft == 0)
        fehler << QStringLiteral("kein Kontrollkästchen und kein Optionsfeld sichtbar");
    qInfo("%d marks, the weakest %s:1", geprueft, qPrintable(zahl(schwaechste)));
    return fehler;
}

int main(int argc, char** argv)
{
    QTemporaryDir home; // the program may look into the home folder: never the real one
    qputenv("HOME", QFile::encodeName(home.path()));
    // The windows fill the screen as on the organiser's notebook, not the offscreen default.
    const QString bildschirm = home.filePath(QStringLiteral("bildschirm.json"));
    QFile datei(bildschirm);
    if (!datei.open(QIODevice::WriteOnly) ||
        datei.write(R"({"screens": [{"name": "notebook", "x": 0, "y": 0, "width": 1366,)"
                    R"( "height": 768, "logicalDpi": 96, "dpr": 1}]})") < 0)
        return 2;
    datei.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(bildschirm));
    QApplication app(argc, argv);
    TestFensterstile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_fensterstile.moc"
