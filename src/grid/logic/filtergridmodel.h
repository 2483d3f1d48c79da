#pragma once

#include "grid/logic/colinfo.h"
#include "grid/logic/stringgrid.h"
#include "grid/logic/texthelpers.h"
#include "platform/base/fileresult.h"
#include "platform/base/message.h"

#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class QPainter;

namespace grid
{

enum class TSortDirection { sdAbsteigend, sdAufsteigend };
enum class TSortIconSize { siSize_S, siSize_M, siSize_L };
enum class TSortIconStyle { siStyle_Line, siStyle_Fill };

// The sort arrow in the title cells of the sorted columns.
struct TSortIcon {
    bool Show = true;
    TSortIconSize Size = TSortIconSize::siSize_M;
    TSortIconStyle Style = TSortIconStyle::siStyle_Line;

    // The room kept for the arrow in a title text: one, two or three blanks.
    QString SizeStr() const { return QString(int(Size) + 1, QLatin1Char(' ')); }
    // One fifth, a quarter or a third of the title row's height.
    int IconHeight(int titleRowHeight) const { return titleRowHeight / (5 - int(Size)); }
};

enum class TFiltOp {
    cOpNot,
    cOpUngleich,
    cOpGrGleich,
    cOpKlGleich,
    cOpGleich,
    cOpPos,
    cOpGroesser,
    cOpKleiner
};

// A cell's value as its column's type reads it.
struct ColValue {
    enum class Kind { Text, Number, DateTime };
    Kind kind = Kind::Text;
    double number = 0;
    QString text;

    static ColValue ofText(const QString& t) { return {Kind::Text, 0, t}; }
    static ColValue ofNumber(double v) { return {Kind::Number, v, {}}; }
    static ColValue ofDateTime(double v) { return {Kind::DateTime, v, {}}; }
    bool isText() const { return kind == Kind::Text; }
    QString toText() const;
};

struct TFiltRec {
    int c = -1;
    TFiltOp op = TFiltOp::cOpNot;
    bool NotOp = false;
    ColValue w;
};

struct TSortFdRec {
    int col = 0;
    QChar typ = QLatin1Char(' ');
    bool ascending = true;
};

enum GridDrawStateFlag : unsigned {
    gdSelected = 1,
    gdFocused = 2,
    gdFixed = 4,
    gdHotTrack = 8, // the mouse is over a fixed cell
    gdPressed = 16, // a fixed cell being pressed
};
using GridDrawState = unsigned;

using NotifyEvent = std::function<void(QObject* sender)>;
using TOnSort = std::function<void(QObject* sender, QString& colNrStr)>;
using TRowColorProc = std::function<void(QObject* sender, int& ausr, QPainter* can, int aCol,
                                         int aRow, GridDrawState state)>;
using TTypObjectProc =
    std::function<void(QObject* sender, int& ausr, QPainter* can, int aCol, int aRow, QRect& aRect,
                       const QString& s, GridDrawState state)>;

// A progress message of a long grid operation: phase 0 start (value = rows), 1 step
// (value = running count), 2 end (value 0).
class WaitEvent : public QEvent
{
public:
    WaitEvent(int msg, int phase, int value);
    static QEvent::Type eventType();
    int msg;
    int phase;
    int value;
};

// The window that receives the progress messages (the program's main window); none = none
// are posted. Returns the receiver before.
QObject* setWaitMessageReceiver(QObject* receiver);

// The data and behaviour of the program's table component: a string grid with column
// information, typed cells, row and column operations, a filter that hides rows and a typed
// multi-column sort. The view (TFilterGrid) shows it, draws its cells and answers the mouse
// and the keys.
class FilterGridModel : public TStringGrid
{
    Q_OBJECT
public:
    explicit FilterGridModel(QObject* parent = nullptr);
    ~FilterGridModel() override;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Data cells take the in-place editor when the options allow editing; what it stores
    // goes through SetEditText.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    void SetColCount(int n) override;

    // --- properties ---
    int Distance() const { return m_distance; }
    void SetDistance(int d) { m_distance = d; }
    QString ColFeatures() const;
    void SetColFeatures(const QString& text);
    QString FixedColsText() const;
    void SetFixedColsText(const QString& text);
    QString ColNamen() const;
    void SetColNamen(const QString& text);
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& name) { m_fileName = name; }
    int FileSollVersion() const { return m_fileVersSoll; }
    void SetFileSollVersion(int v) { m_fileVersSoll = v; }
    int FileIstVersion() const { return m_fileVersIst; }
    QStringList& FileParam() { return m_fnParam; }
    QChar ParamTz() const { return m_pTz; }
    void SetParamTz(QChar c) { m_pTz = c; }
    QChar ColTz() const { return m_cTz; }
    void SetColTz(QChar c) { m_cTz = c; }
    QChar RowTz() const { return m_rTz; }
    void SetRowTz(QChar c) { m_rTz = c; }
    bool ModifiedDaten() const { return m_modiDaten; }
    void SetModifiedDaten(bool on) { m_modiDaten = on; }
    void ModiDaten_True() { m_modiDaten = true; }
    void ModiDaten_False() { m_modiDaten = false; }
    bool NoInherited() const { return m_noInherited; }
    void SetNoInherited(bool on) { m_noInherited = on; }
    int WM_USER_Wait() const { return m_wmUserWait; }
    void SetWM_USER_Wait(int msg) { m_wmUserWait = msg; }
    int WaitStep() const { return m_waitStep; }
    void SetWaitStep(int step) { m_waitStep = step; }
    bool RowAddAuto() const { return m_rowAddAuto; }
    void SetRowAddAuto(bool on) { m_rowAddAuto = on; }
    int SelectRowColor() const { return m_selectRowColor; }
    void SetSelectRowColor(int color);
    bool GradientToAllCells() const { return m_gradientToAllCells; }
    void SetGradientToAllCells(bool on);
    TSortIcon& ShowSortIcon() { return m_sortIcon; }
    const TSortIcon& ShowSortIcon() const { return m_sortIcon; }
    bool SortMouseEd() const { return m_sortMEd; }
    void SetSortMouseEd(bool on) { m_sortMEd = on; }
    bool SortierenEd() const { return m_sortEd; }
    void SetSortierenEd(bool on);
    QString SortierCols() const { return m_sortCols; }
    void SetSortierCols(const QString& cols);
    TSortDirection SortDirection() const { return m_sortDirection; }
    void SetSortDirection(TSortDirection d) { m_sortDirection = d; }
    bool SortNewFocus() const { return m_sortNewFocus; }
    void SetSortNewFocus(bool on) { m_sortNewFocus = on; }
    QString Filter() const { return m_filt; }
    void SetFilter(const QString& text);
    bool FilterEd() const { return m_filtEd; }
    void SetFilterEd(bool on);
    bool ChangeMode() const { return m_changeMode; }
    // The text of the current row when it was entered.
    QString OldRowText() const { return m_oldRowText; }

    NotifyEvent OnChange;
    NotifyEvent OnRowAddAuto;
    TOnSort OnSort;
    TOnSort OnSortEnd;
    TRowColorProc RowColorProc;
    TTypObjectProc TypObjectProc;

    // --- column information ---
    TColInfo* ColInfo_Create(int aCol);
    TColInfo* GetColInfo(int aCol) const;
    void SetColInfo(int aCol, std::unique_ptr<TColInfo> value);
    TColInfo* GetColInfoC(int aCol);
    void ColInfo_Set(int aCol);
    void ColInfo_Swap(int vonPos, int nachPos);
    void ColInfo_Insert(int aCol, std::unique_ptr<TColInfo> ci);
    void ColInfo_Delete(int aCol);
    void ColInfo_Clear();
    int ColInfoCount() const { return int(m_colInfos.size()); }
    // Fills column aCol from a parameter string; a field that does not read ends the reading
    // and `error` (when given) tells which.
    TColInfo* ParamStrToColInfo(int aCol, const QString& param, QString* error = nullptr);
    QString ColInfoToParamStr(int aCol) const;
    void SetParamArrayToColInfo(const QStringList& pa);
    // The typed value of a text for column aCol; `ok` is false when a time or date-time
    // column's text does not read.
    ColValue StrToColFormat(int aCol, const QString& s, bool* ok = nullptr) const;
    int ColSetMaxWidths(bool readColInfo, bool changeFixCol, bool stretch);

    // The colour moved by the grid's own gradient step (end colour minus start colour).
    QColor GradientShift(const QColor& color, const QPalette& palette) const;

    // --- editor and current cell ---
    // Whether the current cell may move to (aCol, aRow); when it may, RowEntered runs.
    bool SelectCell(int aCol, int aRow);
    // Moves the current cell the way a user does: through SelectCell.
    bool MoveTo(int aCol, int aRow);
    // The in-place editor's text of a cell, remembered to tell a change when it is stored.
    QString GetEditText(int aCol, int aRow);
    void SetEditText(int aCol, int aRow, const QString& value);

    // --- change notification and progress ---
    void DoChange();
    void WaitMessage(int msg, int phase, int value);

    // --- rows ---
    bool RowEmpty(int aRow) const;
    int RowDeleteEmpty(const std::set<int>& cols);
    int RowAdd(int pos, const QString& txt);
    bool RowDelete(int aRow);
    int RowMarkCount() const;
    int RowMarkDelete();
    int RowFind(const QString& filterStr, int start);
    bool RowNext();
    bool RowPred();
    int RowFirst();
    int RowLast();
    void RowScrollLast();
    void RowSwap(int aRow1, int aRow2);

    // --- columns ---
    bool ColEmpty(int aCol) const;
    int ColDeleteEmpty();
    int ColAdd(int aCol, const QString& txt);
    bool ColDelete(int aCol);
    void ColClear(int aCol);
    void ColSwap(int vonPos, int nachPos);
    bool ColClearEt(int aCol);
    bool ColInsertEt(int aCol);

    // --- clearing and selection ---
    void ClearGrid(bool aResetRowCount);
    void CleanBlueCell();
    bool EmptyGrid() const;
    void SelectCells(int aCol, int aRow);
    void SelectRows(int aRowVon, int aRowBis);
    int SelectColsCount() const;
    int SelectRowsCount() const;

    // --- typed cells ---
    TDateTime GetAsDateTime(int aCol, int aRow) const;
    void SetAsDateTime(int aCol, int aRow, TDateTime v);
    TDateTime GetAsDate(int aCol, int aRow) const;
    void SetAsDate(int aCol, int aRow, TDateTime v);
    TDateTime GetAsTime(int aCol, int aRow) const;
    void SetAsTime(int aCol, int aRow, TDateTime v);
    bool GetAsBoolean(int aCol, int aRow) const;
    void SetAsBoolean(int aCol, int aRow, bool v);
    int GetAsInteger(int aCol, int aRow) const;
    void SetAsInteger(int aCol, int aRow, int v);
    double GetAsFloat(int aCol, int aRow) const;
    void SetAsFloat(int aCol, int aRow, double v);
    double GetAsCurr(int aCol, int aRow) const;
    void SetAsCurr(int aCol, int aRow, double v);

    // --- bound edit controls ---
    void ColInfo_AddComp(int aCol, QObject* aComp, TGetCompProperty compToCell,
                         TSetCompProperty cellToComp);
    void ColInfo_ClearComp(int aCol);
    void CellsToComp(int aRow);
    bool CompToCells(QObject* aComp = nullptr);

    // --- filter and sort ---
    const std::vector<TFiltRec>& FilterConditions() const { return m_filtLst; }
    bool RowMatchesFilter(int row) const;
    // Rows the filter keeps out of the table at the moment.
    int HiddenRowCount() const { return int(m_hidden.size()); }
    // Forgets the hidden rows (after a load or a copy replaced the data).
    void FilterStoreDiscard();
    void Sortiere(const QString& colNrStr, bool toRow, int wmWait, bool sortAufw);
    void SortiereIndex();
    bool SortByMouse(int x, int y);
    const std::vector<TSortFdRec>& SortFields() const { return m_sortFdLst; }
    const TSortFdRec* SortFieldFind(int col) const;
    bool SortFieldRemove(int col);
    void SortFieldsClear();
    int MousSortCol() const { return m_mousSortCol; }
    // True while a sort or a filter runs; such an operation does not start again meanwhile.
    bool Busy() const { return m_sorting || m_filtering; }

Q_SIGNALS:
    // The change notification of the control.
    void changed();
    // A message for the user (a filter or column string that cannot be read); the view shows it.
    void meldung(const platform::Message& message);

private:
    struct SortKeyColumn;

    void ColInfoApply(int aCol);
    void sortierIndex(bool keepCurrent);
    void filterApply();
    void filterRestoreRows();
    void filterClear() { m_filtLst.clear(); }
    bool filterParse(const QString& text);
    void sortFieldsParse(const QString& colNrStr, bool ascending);
    SortKeyColumn sortKeyColumn(const TSortFdRec& field) const;
    void waitStep(int msg, int value);
    // Removes the given data rows (ascending) at once, keeping one emptied row when all go.
    void removeDataRows(const std::vector<int>& doomed);
    int titleColumn(const QString& title) const;
    void cellToStoreCols(int col, bool insert);
    void RowEntered(int aCol, int aRow);
    // The widest text of column c in the fonts and alignment of its column information.
    int widestCellText(int c, const TColInfo* ci) const;

    QChar m_pTz = QLatin1Char(';');
    QChar m_cTz = QChar(0x00AC);
    QChar m_rTz = QChar(0x00AB);
    QString m_fileName;
    QStringList m_fnParam;
    int m_fileVersIst = -1;
    int m_fileVersSoll = 1;
    bool m_changeMode = true;
    QString m_filt;
    bool m_filtEd = false;
    std::vector<TFiltRec> m_filtLst;
    // The rows the filter hides, last hidden first; empty when none is hidden.
    std::vector<RowCells> m_hidden;
    bool m_sortMEd = false;
    bool m_sortEd = false;
    bool m_sortNewFocus = true;
    TSortIcon m_sortIcon;
    std::vector<TSortFdRec> m_sortFdLst;
    QString m_sortCols;
    TSortDirection m_sortDirection = TSortDirection::sdAufsteigend;
    int m_mousSortCol = -1;
    bool m_rowAddAuto = false;
    int m_waitStep = 10;
    int m_wmUserWait = 0;
    bool m_noInherited = false;
    bool m_modiDaten = false;
    int m_selectRowColor = -16777203; // clHighlight
    bool m_gradientToAllCells = false;
    std::vector<std::unique_ptr<TColInfo>> m_colInfos;
    int m_distance = 1;
    bool m_sorting = false;
    bool m_filtering = false;
    QString m_oldRowText;
    QString m_editValue;

    // --- files, import and export (gridfiles.cpp, gridexchange.cpp) ---
public:
    // Writes the grid file `FileName` in one piece: a failed save leaves the earlier file and
    // `ModifiedDaten` as they were. Rows the filter hides are written too.
    platform::FileResult SaveToFile(bool save_ColInfo, int wmWait);
    // Reads `FileName` when its version is fnVersion (−1: `FileSollVersion`). A file that
    // cannot be read, has another version or does not fit the layout changes no cell. A
    // missing file fails as a read (ENOENT); another version or a damaged content fail on the
    // content, with a German reason that names both versions or says what is damaged.
    platform::FileResult LoadFromFile(bool load_ColInfo, bool aRowSelect, int fnVersion,
                                      int wmWait);
    // Merges what others saved in `FileName` since LoadTime into this grid, then saves it. A
    // file that cannot be loaded is left alone: the result is then that load's failure.
    platform::FileResult SaveToServerFile(int indexCol, int editTimeCol, TDateTime LoadTime,
                                          bool save_ColInfo, int wmWait);
    void ImportFromList(const QStringList& lst, int startRow, int startCol);
    void ImportFromParamStr(const QString& ps, int startRow, int startCol);
    void ExportToList(QStringList& lst, const QString& tz, int startRow, int startCol) const;
    QString ExportToParamStr(int startRow, int startCol) const;
    void ColToLst(QStringList& lst, int aCol, bool titel, bool duplicate) const;
    QString ColToParamStr(int aCol, bool Titel) const;
    // With Titel false the column's title is put before the entries of lst (lst changes).
    void ColFromLst(QStringList& lst, int aCol, bool Titel);
    void ColFromParamStr(const QString& param, int aCol, bool titel);
    int CopyFromGrid(FilterGridModel* grdSource, const QString& aFilterStr, bool copyFm,
                     bool ClearColInfo);

private:
    struct GridFileContent;
    QByteArray gridFileBytes(bool save_ColInfo, int wmWait);
    // The rows a save writes: with the rows the filter hides, as the grid would hold them with
    // the filter off.
    std::vector<const RowCells*> rowsToSave() const;
    // What does not fit the layout (empty when the content is sound).
    QString checkGridFile(bool load_ColInfo, bool aRowSelect, GridFileContent& content) const;
    void applyGridFile(GridFileContent& content, int wmWait);
    void mergeFileParam(const FilterGridModel& shared, int editTimeCol);
    void mergeRows(const FilterGridModel& shared, int indexCol, int editTimeCol, TDateTime loadTime,
                   int wmWait);
    // --- end of files, import and export ---
};

} // namespace grid
