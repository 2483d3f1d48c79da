#pragma once

#include <QDateTime>
#include <QWidget>

class QComboBox;
class QEvent;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class TNicePreview;

// The print window "Mitglieder Adressen": the participant list laid out as pages in the
// preview, with the print font and size, one- and two-page view, printing and the choice of
// the printer. Created anew for every opening and freed however it is closed.
class TForm14 : public QWidget
{
    Q_OBJECT
public:
    // Where "Anderen Drucker wählen" stays unless it would overlap another button.
    static constexpr int kButton6Links = 781;

    explicit TForm14(QWidget* parent = nullptr);
    ~TForm14() override;

    // The menu command: fills the font list, builds the pages, shows the window maximised
    // without blocking.
    void oeffnen();

    // Rebuilds the pages from the participant file and the stored font and size.
    void drucken_adressen();

    TNicePreview* vorschau() const { return NicePreview1; }

public Q_SLOTS:
    void ComboBox1Change(const QString& name);
    void RxSpinEdit1Change(int groesse);
    void Button1Click();
    void Button4Click();
    void Button2Click();
    void Button3Click();
    void Button6Click();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The participant file as it was when the pages were built.
    struct Dateistand {
        bool vorhanden = false;
        qint64 groesse = -1;
        QDateTime geaendert;
        bool operator==(const Dateistand&) const = default;
    };
    static Dateistand dateistand();

    void fensterAufbauen();
    void schriftenFuellen();
    void bedienelementeFuellen();
    void knoepfePlatzieren();
    void neuAufbauenWennGeaendert();

    TNicePreview* NicePreview1 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* RxSpinEdit1 = nullptr; // print size in points
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox1 = nullptr; // print font
    QPushButton* Button1 = nullptr; // "Zwei Seiten"
    QPushButton* Button2 = nullptr; // "Drucken"
    QPushButton* Button3 = nullptr; // "Beenden"
    QPushButton* Button4 = nullptr; // "Eine Seite"
    QPushButton* Button6 = nullptr; // "Anderen Drucker wählen"

    Dateistand m_stand;
    QString m_schrift; // the font of the pages shown
};

// The main window's "Erfasste Spieler drucken": a new print window each time, shown without
// blocking and deleted when it closes.
TForm14* druckfensterOeffnen(QWidget* parent);
