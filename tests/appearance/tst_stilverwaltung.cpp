#include "appearance/logic/lesbarkeit.h"
#include "appearance/ui/farbe.h"
#include "appearance/ui/stilverwaltung.h"
#include "common/testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

using appearance::StyleLook;
using appearance::StyleManager;

namespace
{

// The names the style window lists, as the user sees them.
const QStringList kExpectedNames = {"Amakrits",
                                    "Amethyst Kamri",
                                    "Aqua Graphite",
                                    "Aqua Light Slate",
                                    "Auric",
                                    "Carbon",
                                    "Charcoal Dark Slate",
                                    "Cobalt XEMedia",
                                    "Cyan Dusk",
                                    "Cyan Night",
                                    "Emerald Light Slate",
                                    "Glossy",
                                    "Glow",
                                    "Golden Graphite",
                                    "Iceberg Classico",
                                    "Lavender Classico",
                                    "Light",
                                    "Luna",
                                    "Metropolis UI Black",
                                    "Metropolis UI Blue",
                                    "Metropolis UI Dark",
                                    "Metropolis UI Green",
                                    "Obsidian",
                                    "Onyx Blue",
                                    "Ruby Graphite",
                                    "Sapphire Kamri",
                                    "Silver",
                                    "Sky",
                                    "Slate Classico",
                                    "Smokey Quartz Kamri",
                                    "Tablet Light",
                                    "TabletDark",
                                    "Turquoise Gray",
                                    "Windows",
                                    "Windows10"};

const QList<QPalette::ColorRole> kComparedRoles = {
    QPalette::Window,    QPalette::WindowText,      QPalette::Base,
    QPalette::Text,      QPalette::Button,          QPalette::ButtonText,
    QPalette::Highlight, QPalette::HighlightedText, QPalette::Mid};

bool sameColours(const QPalette& a, const QPalette& b)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled}) {
        for (const QPalette::ColorRole role : kComparedRoles) {
            if (a.color(group, role) != b.color(group, role))
                return false;
        }
    }
    return true;
}

void addRowPerStyle()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : kExpectedNames)
        QTest::newRow(qPrintable(name)) << name;
}

double contrastOf(const QPalette& p, QPalette::ColorGroup group, QPalette::ColorRole fg,
                  QPalette::ColorRole bg)
{
    return appearance::contrastRatio(p.color(group, fg), p.color(group, bg));
}

} // namespace

class TestStilverwaltung : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void registeredNamesAreTheProgramsList();
    void windowsIsThePlatformsOwnLook();
    void activatingChangesEveryWindowAndPanel1_data() { addRowPerStyle(); }
    void activatingChangesEveryWindowAndPanel1();
    void unknownNameChangesNothing();
    void contrastRatioFollowsWcag_data();
    void contrastRatioFollowsWcag();
    void weakPairsAreStrengthened();
    void everyStyleIsLegible_data();
    void everyStyleIsLegible();
    void disabledTextIsDistinguishable_data();
    void disabledTextIsDistinguishable();
    void looksDifferFromEachOther();
    void darkAndLightLooksAreWhatTheirNamesSay_data();
    void darkAndLightLooksAreWhatTheirNamesSay();
};

void TestStilverwaltung::registeredNamesAreTheProgramsList()
{
    QCOMPARE(StyleManager::styleNames(), kExpectedNames);
    for (const QString& name : kExpectedNames)
        QVERIFY2(StyleManager::isRegistered(name), qPrintable(name));
    QVERIFY(!StyleManager::isRegistered(QStringLiteral("Windows 10")));
    QVERIFY(!StyleManager::isRegistered(QStringLiteral("Tablet Dark")));
    QVERIFY(!StyleManager::isRegistered(QString()));
}

void TestStilverwaltung::windowsIsThePlatformsOwnLook()
{
    // The style the application started with, before anything of the program was activated.
    const QString startStyle = QApplication::style()->name();
    const StyleLook windows = StyleManager::look(QStringLiteral("Windows"));
    QCOMPARE(windows.styleKey, startStyle);
    QVERIFY(windows.styleSheet.isEmpty());
    QCOMPARE(windows.palette.color(QPalette::Window),
             QApplication::style()->standardPalette().color(QPalette::Window));
    for (const QString& name : kExpectedNames) {
        if (name != QLatin1String("Windows"))
            QCOMPARE(StyleManager::look(name).styleKey, QStringLiteral("Fusion"));
    }
}

void TestStilverwaltung::activatingChangesEveryWindowAndPanel1()
{
    QFETCH(QString, name);
    TFarbe farbe;
    QWidget otherWindow;
    auto* panel1 = farbe.findChild<QLabel*>(QStringLiteral("Panel1"));
    QVERIFY(panel1);

    const QString before =
        name == QLatin1String("Carbon") ? QStringLiteral("Sky") : QStringLiteral("Carbon");
    QVERIFY(StyleManager::trySetStyle(before));
    const QPalette beforePalette = QApplication::palette();
    QCOMPARE(panel1->text(), QStringLiteral("Aktiver Style > ") + before);

    QVERIFY(StyleManager::trySetStyle(name));
    QCOMPARE(StyleManager::activeStyleName(), name);
    QCOMPARE(panel1->text(), QStringLiteral("Aktiver Style > ") + name);
    const StyleLook look = StyleManager::look(name);
    QVERIFY(sameColours(QApplication::palette(), look.palette));
    QVERIFY(!sameColours(QApplication::palette(), beforePalette));
    // Windows that exist already take the new colours at once.
    QVERIFY(sameColours(otherWindow.palette(), look.palette));
    QVERIFY(sameColours(farbe.palette(), look.palette));
    QCOMPARE(qApp->styleSheet(), look.styleSheet);
}

void TestStilverwaltung::unknownNameChangesNothing()
{
    MessageRecorder messages;
    QVERIFY(StyleManager::trySetStyle(QStringLiteral("Glow")));
    const QPalette glow = QApplication::palette();

    QVERIFY(!StyleManager::trySetStyle(QStringLiteral("Purpur")));
    QVERIFY(messages.messages().isEmpty());
    QVERIFY(!StyleManager::setStyle(QStringLiteral("glow"))); // names are exact
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Stil 'glow' nicht gefunden")});
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Glow"));
    QVERIFY(sameColours(QApplication::palette(), glow));
}

void TestStilverwaltung::contrastRatioFollowsWcag_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("same colour") << QColor("#3a7bd5") << QColor("#3a7bd5") << 1.0;
    QTest::newRow("#777 on white") << QColor("#777777") << QColor(Qt::white) << 4.48;
    QTest::newRow("#767676 on white") << QColor("#767676") << QColor(Qt::white) << 4.54;
    QTest::newRow("pure red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
}

void TestStilverwaltung::contrastRatioFollowsWcag()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(appearance::contrastRatio(a, b) - ratio) < 0.01,
             qPrintable(QString::number(appearance::contrastRatio(a, b))));
}

void TestStilverwaltung::weakPairsAreStrengthened()
{
    // White on a mid blue (3.7:1) and grey text on grey: both too weak.
    QPalette weak;
    weak.setColor(QPalette::Highlight, QColor("#308cc6"));
    weak.setColor(QPalette::HighlightedText, Qt::white);
    weak.setColor(QPalette::Window, QColor("#efefef"));
    weak.setColor(QPalette::WindowText, QColor("#999999"));
    const QPalette strong = appearance::madeLegible(weak);
    QCOMPARE(strong.color(QPalette::HighlightedText), QColor(Qt::white));
    QVERIFY(contrastOf(strong, QPalette::Active, QPalette::HighlightedText, QPalette::Highlight) >=
            appearance::kMinimumContrast);
    QCOMPARE(strong.color(QPalette::Window), QColor("#efefef"));
    QVERIFY(contrastOf(strong, QPalette::Active, QPalette::WindowText, QPalette::Window) >=
            appearance::kMinimumContrast);
    // The hue of the highlight is kept: still a blue, only darker.
    QVERIFY(strong.color(QPalette::Highlight).blue() > strong.color(QPalette::Highlight).red());
}

void TestStilverwaltung::everyStyleIsLegible_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("foreground");
    QTest::addColumn<int>("background");
    for (const QString& name : kExpectedNames) {
        for (const appearance::ColourPair& pair : appearance::legiblePairs()) {
            QTest::addRow("%s: %s", qPrintable(name), qPrintable(pair.what))
                << name << int(pair.foreground) << int(pair.background);
        }
    }
}

void TestStilverwaltung::everyStyleIsLegible()
{
    QFETCH(QString, name);
    QFETCH(int, foreground);
    QFETCH(int, background);
    const QPalette p = StyleManager::look(name).palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const double ratio =
            contrastOf(p, group, QPalette::ColorRole(foreground), QPalette::ColorRole(background));
        QVERIFY2(ratio >= appearance::kMinimumContrast,
                 qPrintable(QStringLiteral("%1 : 1 (%2 on %3)")
                                .arg(ratio, 0, 'f', 2)
                                .arg(p.color(group, QPalette::ColorRole(foreground)).name(),
                                     p.color(group, QPalette::ColorRole(background)).name())));
    }
}

void TestStilverwaltung::disabledTextIsDistinguishable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("foreground");
    QTest::addColumn<int>("background");
    for (const QString& name : kExpectedNames) {
        QTest::addRow("%s: window text", qPrintable(name))
            << name << int(QPalette::WindowText) << int(QPalette::Window);
        QTest::addRow("%s: text", qPrintable(name))
            << name << int(QPalette::Text) << int(QPalette::Base);
        QTest::addRow("%s: button text", qPrintable(name))
            << name << int(QPalette::ButtonText) << int(QPalette::Button);
    }
}

void TestStilverwaltung::disabledTextIsDistinguishable()
{
    QFETCH(QString, name);
    QFETCH(int, foreground);
    QFETCH(int, background);
    const QPalette p = StyleManager::look(name).palette;
    const auto fg = QPalette::ColorRole(foreground);
    const QColor enabled = p.color(QPalette::Active, fg);
    const QColor disabled = p.color(QPalette::Disabled, fg);
    const QColor disabledBackground = p.color(QPalette::Disabled, QPalette::ColorRole(background));
    const double fromEnabled = appearance::contrastRatio(disabled, enabled);
    const double fromBackground = appearance::contrastRatio(disabled, disabledBackground);
    QVERIFY2(fromEnabled >= appearance::kMinimumDisabledContrast,
             qPrintable(QStringLiteral("disabled %1 vs enabled %2: %3")
                            .arg(disabled.name(), enabled.name())
                            .arg(fromEnabled, 0, 'f', 2)));
    QVERIFY2(fromBackground >= appearance::kMinimumDisabledContrast,
             qPrintable(QStringLiteral("disabled %1 on %2: %3")
                            .arg(disabled.name(), disabledBackground.name())
                            .arg(fromBackground, 0, 'f', 2)));

    // Flat looks draw their buttons from a style sheet, which must use the same disabled colour.
    const QString sheet = StyleManager::look(name).styleSheet;
    if (fg == QPalette::ButtonText && !sheet.isEmpty()) {
        static const QRegularExpression disabledButton(
            QStringLiteral("QPushButton:disabled \\{(?:[^}]*;)?\\s*color:\\s*(#[0-9a-fA-F]{6})"));
        const QRegularExpressionMatch match = disabledButton.match(sheet);
        QVERIFY2(match.hasMatch(), qPrintable(sheet));
        QCOMPARE(QColor(match.captured(1)), disabled);
    }
}

void TestStilverwaltung::looksDifferFromEachOther()
{
    for (qsizetype i = 0; i < kExpectedNames.size(); ++i) {
        for (qsizetype j = i + 1; j < kExpectedNames.size(); ++j) {
            const StyleLook a = StyleManager::look(kExpectedNames.at(i));
            const StyleLook b = StyleManager::look(kExpectedNames.at(j));
            QVERIFY2(!sameColours(a.palette, b.palette) || a.styleSheet != b.styleSheet,
                     qPrintable(a.name + QStringLiteral(" looks like ") + b.name));
        }
    }
}

void TestStilverwaltung::darkAndLightLooksAreWhatTheirNamesSay_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dark");
    QTest::newRow("Carbon") << "Carbon" << true;
    QTest::newRow("Obsidian") << "Obsidian" << true;
    QTest::newRow("TabletDark") << "TabletDark" << true;
    QTest::newRow("Cyan Night") << "Cyan Night" << true;
    QTest::newRow("Metropolis UI Dark") << "Metropolis UI Dark" << true;
    QTest::newRow("Metropolis UI Black") << "Metropolis UI Black" << true;
    QTest::newRow("Light") << "Light" << false;
    QTest::newRow("Tablet Light") << "Tablet Light" << false;
    QTest::newRow("Sky") << "Sky" << false;
    QTest::newRow("Aqua Light Slate") << "Aqua Light Slate" << false;
    QTest::newRow("Emerald Light Slate") << "Emerald Light Slate" << false;
    QTest::newRow("Windows10") << "Windows10" << false;
}

void TestStilverwaltung::darkAndLightLooksAreWhatTheirNamesSay()
{
    QFETCH(QString, name);
    QFETCH(bool, dark);
    const QColor window = StyleManager::look(name).palette.color(QPalette::Window);
    QCOMPARE(appearance::relativeLuminance(window) < 0.2, dark);
}

QTEST_MAIN(TestStilverwaltung)
#include "tst_stilverwaltung.moc"
