#include "backup/ui/laufwerkslisten.h"

#include "backup/logic/sicherung.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStyle>

QList<Ordnereintrag> ordnerlisteEintraege(const QString& offenerOrdner)
{
    QList<Ordnereintrag> eintraege;
    const QString ordner = QDir::cleanPath(QDir(offenerOrdner).absolutePath());
    QString pfad = QStringLiteral("/");
    eintraege.append({pfad, pfad, 0, true});
    const QStringList teile = ordner.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& teil : teile) {
        pfad = mitTrenner(pfad) + teil;
        eintraege.append({pfad, teil, int(eintraege.size()), true});
    }
    const int tiefe = int(eintraege.size());
    const QStringList unterordner = QDir(ordner).entryList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& name : unterordner)
        eintraege.append({mitTrenner(ordner) + name, name, tiefe, false});
    return eintraege;
}

// A drive box entry is at most this many average characters wide; longer ones (a deep home
// folder) lose their middle, or the backup window would grow wider than the screen.
constexpr int kLaufwerkZeichen = 40;

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent)
{
    setAccessibleName(QStringLiteral("Laufwerk"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20);
    view()->setAccessibleName(QStringLiteral("Laufwerke"));
    laufwerkeSetzen(platform::mountedVolumes());
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < m_laufwerke.size())
            Q_EMIT laufwerkGewechselt(m_laufwerke[index].rootPath);
    });
}

void DriveComboBox::laufwerkeSetzen(const QList<platform::Volume>& laufwerke)
{
    m_laufwerke = laufwerke;
    const QSignalBlocker blocker(this);
    clear();
    for (const platform::Volume& laufwerk : laufwerke) {
        const auto symbol =
            laufwerk.fileSystem.isEmpty() ? QStyle::SP_DirHomeIcon : QStyle::SP_DriveHDIcon;
        const QString gekuerzt = fontMetrics().elidedText(
            laufwerk.label, Qt::ElideMiddle, fontMetrics().averageCharWidth() * kLaufwerkZeichen);
        addItem(style()->standardIcon(symbol), gekuerzt);
        setItemData(count() - 1, laufwerk.label, Qt::ToolTipRole);
        setItemData(count() - 1, laufwerk.label, Qt::AccessibleTextRole);
    }
}

QString DriveComboBox::laufwerk() const
{
    const int index = currentIndex();
    return index >= 0 && index < m_laufwerke.size() ? m_laufwerke[index].rootPath : QString();
}

void DriveComboBox::zeigeLaufwerkVon(const QString& ordner)
{
    const int index = platform::volumeIndexOf(m_laufwerke, ordner);
    if (index >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
}

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* zeile) {
        zeileGewaehlt(zeile);
        Q_EMIT clicked();
    });
    // Enter on a line opens it, as a click does.
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* zeile) {
        if (zeile && zeile->data(Qt::UserRole).toString() != m_ordner) {
            zeileGewaehlt(zeile);
            Q_EMIT clicked();
        }
    });
}

bool DirectoryListBox::setDirectory(const QString& ordner)
{
    const QFileInfo info(ordner);
    if (ordner.isEmpty() || !info.isDir())
        return false;
    const QString neu = QDir::cleanPath(info.absoluteFilePath());
    const bool anders = neu != m_ordner;
    m_ordner = neu;
    fuellen();
    if (anders)
        Q_EMIT changed();
    return true;
}

void DirectoryListBox::fuellen()
{
    const QSignalBlocker blocker(this);
    clear();
    const QIcon offen = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon zu = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const Ordnereintrag& eintrag : ordnerlisteEintraege(m_ordner)) {
        auto* zeile = new QListWidgetItem(
            eintrag.offen ? offen : zu,
            QString(eintrag.tiefe * 3, QLatin1Char(' ')) + eintrag.anzeige, this);
        zeile->setData(Qt::UserRole, eintrag.pfad);
        zeile->setData(Qt::AccessibleTextRole, eintrag.anzeige);
        if (eintrag.pfad == m_ordner)
            setCurrentItem(zeile);
    }
}

// The first click of a double click has already opened the folder and filled the list anew,
// so the second one must not open whatever line now lies under the mouse.
void DirectoryListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT doubleClicked();
}

void DirectoryListBox::zeileGewaehlt(QListWidgetItem* zeile)
{
    if (zeile)
        setDirectory(zeile->data(Qt::UserRole).toString());
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void FileListBox::setDirectory(const QString& ordner)
{
    m_ordner = ordner;
    aktualisieren();
}

void FileListBox::setMask(const QString& maske)
{
    m_maske = maske;
    aktualisieren();
}

void FileListBox::aktualisieren()
{
    const QSignalBlocker blocker(this);
    clear();
    if (m_ordner.isEmpty())
        return;
    const QIcon symbol = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name : dateienDerMaske(m_ordner, m_maske))
        new QListWidgetItem(symbol, name, this);
}

void FileListBox::setMultiSelect(bool mehrere)
{
    setSelectionMode(mehrere ? QAbstractItemView::ExtendedSelection
                             : QAbstractItemView::SingleSelection);
    if (!mehrere) {
        QListWidgetItem* aktuell = currentItem();
        const QSignalBlocker blocker(this);
        clearSelection();
        if (aktuell)
            aktuell->setSelected(true);
    }
}

QString FileListBox::fileName() const
{
    const QListWidgetItem* aktuell = currentItem();
    if (!aktuell || m_ordner.isEmpty())
        return {};
    return mitTrenner(m_ordner) + aktuell->text();
}

QString FileListBox::gewaehlteDatei() const
{
    const QList<QListWidgetItem*> gewaehlt = selectedItems();
    if (gewaehlt.isEmpty() || m_ordner.isEmpty())
        return fileName();
    return mitTrenner(m_ordner) + gewaehlt.first()->text();
}

QStringList FileListBox::selectedNames() const
{
    QStringList namen;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected())
            namen.append(item(i)->text());
    }
    return namen;
}
