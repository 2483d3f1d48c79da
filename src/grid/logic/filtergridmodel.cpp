#include "grid/logic/filtergridmodel.h"

#include "grid/logic/wincolors.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <algorithm>

namespace grid
{

namespace
{

const QChar kSegmentTz(0x00AF); // "¯"

QPointer<QObject>& waitReceiver()
{
    static QPointer<QObject> receiver;
    return receiver;
}

QString blanks(int n)
{
    return QString(std::max(n, 0), QLatin1Char(' '));
}

QString notAnInteger(const QString& text)
{
    return QStringLiteral("'%1' ist kein gültiger ganzzahliger Wert.").arg(text);
}

int channelShift(int channel, int start, int end)
{
    return std::clamp(channel + end - start, 0, 255);
}

} // namespace

QString ColValue::toText() const
{
    switch (kind) {
    case Kind::Number:
        return FormatNumber(number);
    case Kind::DateTime:
        return DateTimeToText(number);
    case Kind::Text:
        break;
    }
    return text;
}

WaitEvent::WaitEvent(int msg, int phase, int value)
    : QEvent(eventType()), msg(msg), phase(phase), value(value)
{
}

QEvent::Type WaitEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

QObject* setWaitMessageReceiver(QObject* receiver)
{
    QObject* before = waitReceiver().data();
    waitReceiver() = receiver;
    return before;
}

FilterGridModel::FilterGridModel(QObject* parent) : TStringGrid(parent)
{
    SetDefaultDrawing(false);
}

FilterGridModel::~FilterGridModel()
{
    // The hidden rows are not brought back: nothing is left to show them, and the bound
    // controls may be gone already.
    m_hidden.clear();
}

QVariant FilterGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column();
    const int row = index.row();
    const bool fixedRow = row < FixedRows();
    const bool fixedCell = fixedRow || col < FixedCols();
    const TColInfo* ci = GetColInfo(col);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Cells(col, row);
    case Qt::TextAlignmentRole: {
        const int align = ci ? (fixedRow ? ci->TitAlign : ci->DatAlign) : 36;
        // Qt::TextSingleLine shares its bit with Qt::AlignBaseline: keep only real alignment.
        return int(TextFlagsFromAlignment(align) &
                   (Qt::AlignHorizontal_Mask | Qt::AlignTop | Qt::AlignBottom | Qt::AlignVCenter));
    }
    case Qt::BackgroundRole: {
        int color = fixedCell ? FixedColor() : Color();
        if (ci)
            color = fixedRow ? ci->TitColor : ci->DatColor;
        return ColorFromNumber(color, QGuiApplication::palette());
    }
    case Qt::ForegroundRole:
    case Qt::FontRole: {
        const GridFont* font = &Font();
        if (ci && fixedRow && ci->TitFont)
            font = &*ci->TitFont;
        else if (ci && !fixedRow && ci->DatFont)
            font = &*ci->DatFont;
        if (role == Qt::FontRole)
            return font->toQFont();
        return ColorFromNumber(font->Color, QGuiApplication::palette());
    }
    default:
        return {};
    }
}

void FilterGridModel::SetColCount(int n)
{
    TStringGrid::SetColCount(n);
    for (RowCells& r : m_hidden)
        r.resize(size_t(ColCount()));
}

void FilterGridModel::SetSelectRowColor(int color)
{
    // A colour handler sets this for every cell it is asked about: repainting on every call
    // would paint for ever.
    if (color == m_selectRowColor)
        return;
    m_selectRowColor = color;
    Q_EMIT appearanceChanged();
}

void FilterGridModel::SetGradientToAllCells(bool on)
{
    if (on == m_gradientToAllCells)
        return;
    m_gradientToAllCells = on;
    Q_EMIT appearanceChanged();
}

QColor FilterGridModel::GradientShift(const QColor& color, const QPalette& palette) const
{
    const QColor start = ColorFromNumber(GradientStartColor(), palette);
    const QColor end = ColorFromNumber(GradientEndColor(), palette);
    return QColor(channelShift(color.red(), start.red(), end.red()),
                  channelShift(color.green(), start.green(), end.green()),
                  channelShift(color.blue(), start.blue(), end.blue()));
}

void FilterGridModel::SetSortierenEd(bool on)
{
    if (on == m_sortEd)
        return;
    m_sortEd = on;
    SortiereIndex();
}

void FilterGridModel::SetSortierCols(const QString& cols)
{
    if (cols == m_sortCols)
        return;
    m_sortCols = cols;
    SortiereIndex();
}

QString FilterGridModel::ColFeatures() const
{
    QString text = QString::number(ColCount());
    for (int c = 0; c < ColCount(); ++c)
        text += kSegmentTz + ColInfoToParamStr(c);
    return text + kSegmentTz + m_sortCols;
}

void FilterGridModel::SetColFeatures(const QString& text)
{
    QString rest = text;
    const int count = StrToIntTolerant(CutToken(kSegmentTz, rest));
    if (count <= 0)
        return;
    SetColCount(count);
    for (int c = 0; c < count; ++c) {
        const QString segment = CutToken(kSegmentTz, rest);
        QString error;
        ParamStrToColInfo(c, segment, &error);
        if (!error.isEmpty()) {
            Q_EMIT meldung(platform::errorMessage(error));
            return;
        }
    }
    ColInfo_Set(-1);
    SetSortierCols(CutToken(kSegmentTz, rest));
}

QString FilterGridModel::FixedColsText() const
{
    return ReplaceText(ColText(0), QStringLiteral("\r\n"), QString(m_pTz));
}

void FilterGridModel::SetFixedColsText(const QString& text)
{
    SetColText(0, ReplaceText(text, QString(m_pTz), QStringLiteral("\r\n")));
}

QString FilterGridModel::ColNamen() const
{
    if (FixedRows() != 1)
        return QString();
    return ReplaceText(RowText(0), QStringLiteral("\r\n"), QString(m_pTz));
}

void FilterGridModel::SetColNamen(const QString& text)
{
    SetRowText(0, ReplaceText(text, QString(m_pTz), QStringLiteral("\r\n")));
    const QFontMetrics metrics(Font().toQFont());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, metrics.horizontalAdvance(Cells(c, 0) + blanks(m_distance)));
}

TColInfo* FilterGridModel::ColInfo_Create(int aCol)
{
    if (aCol < 0)
        return nullptr;
    auto ci = std::make_unique<TColInfo>(*this, aCol);
    TColInfo* created = ci.get();
    SetColInfo(aCol, std::move(ci));
    return created;
}

TColInfo* FilterGridModel::GetColInfo(int aCol) const
{
    if (aCol < 0 || aCol >= int(m_colInfos.size()))
        return nullptr;
    return m_colInfos[size_t(aCol)].get();
}

void FilterGridModel::SetColInfo(int aCol, std::unique_ptr<TColInfo> value)
{
    if (aCol < 0)
        return;
    if (aCol >= int(m_colInfos.size()))
        m_colInfos.resize(size_t(aCol) + 1);
    m_colInfos[size_t(aCol)] = std::move(value);
    // Information for the column just after the last adds no column.
    if (aCol > ColCount())
        SetColCount(aCol);
}

TColInfo* FilterGridModel::GetColInfoC(int aCol)
{
    if (aCol < 0)
        return nullptr;
    if (TColInfo* ci = GetColInfo(aCol))
        return ci;
    return ColInfo_Create(aCol);
}

void FilterGridModel::ColInfo_Set(int aCol)
{
    ColInfoApply(aCol);
    ColSetMaxWidths(true, false, true);
}

void FilterGridModel::ColInfoApply(int aCol)
{
    const int first = aCol < 0 ? 0 : aCol;
    const int last = aCol < 0 ? ColCount() - 1 : std::min(aCol, ColCount() - 1);
    for (int c = first; c <= last; ++c) {
        const TColInfo* ci = GetColInfo(c);
        if (!ci)
            continue;
        if (FixedRows() > 0 && !ci->Titel.isEmpty())
            SetCells(c, 0, ci->Titel);
        if (ci->Width != 0)
            SetColWidths(c, ci->Width);
    }
}

void FilterGridModel::ColInfo_Swap(int vonPos, int nachPos)
{
    const int count = int(m_colInfos.size());
    if (vonPos < 0 || nachPos < 0 || (vonPos > count && nachPos > count))
        return;
    const int needed = std::max(vonPos, nachPos) + 1;
    if (needed > count)
        m_colInfos.resize(size_t(needed));
    std::swap(m_colInfos[size_t(vonPos)], m_colInfos[size_t(nachPos)]);
}

void FilterGridModel::ColInfo_Insert(int aCol, std::unique_ptr<TColInfo> ci)
{
    if (aCol < 0)
        return;
    if (aCol < int(m_colInfos.size())) {
        m_colInfos.insert(m_colInfos.begin() + aCol, std::move(ci));
        return;
    }
    m_colInfos.resize(size_t(aCol) + 1);
    m_colInfos[size_t(aCol)] = std::move(ci);
}

void FilterGridModel::ColInfo_Delete(int aCol)
{
    if (aCol >= 0 && aCol < int(m_colInfos.size()))
        m_colInfos.erase(m_colInfos.begin() + aCol);
}

void FilterGridModel::ColInfo_Clear()
{
    m_colInfos.clear();
}

TColInfo* FilterGridModel::ParamStrToColInfo(int aCol, const QString& param, QString* error)
{
    if (param.isEmpty() || aCol < 0)
        return nullptr;
    TColInfo* ci = ColInfo_Create(aCol);
    const QStringList fields = param.split(m_rTz);
    auto integer = [&](const QString& field, int& target) {
        bool ok = false;
        const int v = field.toInt(&ok);
        if (ok)
            target = v;
        else if (error)
            *error = notAnInteger(field);
        return ok;
    };
    auto color = [&](const QString& field, int& target) {
        const bool ok = ReadColorNumber(field, target);
        if (!ok && error)
            *error = notAnInteger(field);
        return ok;
    };
    auto font = [&](const QString& field, std::optional<GridFont>& target) {
        target = GridFont();
        return StrToFont(field, *target);
    };
    for (int k = 0; k < std::min(int(fields.size()), 10); ++k) {
        const QString& f = fields[k];
        if (f.isEmpty())
            continue;
        bool ok = true;
        switch (k) {
        case 0:
            ci->Titel = f;
            break;
        case 1:
            ok = integer(f, ci->TitAlign);
            break;
        case 2:
            ok = font(f, ci->TitFont);
            break;
        case 3:
            ok = color(f, ci->TitColor);
            break;
        case 4:
            ok = integer(f, ci->Width);
            break;
        case 5:
            ci->Typ = f.at(0);
            break;
        case 6:
            ok = integer(f, ci->Dez);
            break;
        case 7:
            ok = integer(f, ci->DatAlign);
            break;
        case 8:
            ok = font(f, ci->DatFont);
            break;
        case 9:
            ok = color(f, ci->DatColor);
            break;
        }
        if (!ok)
            break;
    }
    return ci;
}

QString FilterGridModel::ColInfoToParamStr(int aCol) const
{
    const TColInfo* ci = GetColInfo(aCol);
    if (!ci)
        return QString();
    const QStringList fields{ci->Titel,
                             QString::number(ci->TitAlign),
                             FontToStr(ci->TitFont ? &*ci->TitFont : nullptr),
                             QString::number(ci->TitColor),
                             QString::number(ci->Width),
                             QString(ci->Typ),
                             QString::number(ci->Dez),
                             QString::number(ci->DatAlign),
                             FontToStr(ci->DatFont ? &*ci->DatFont : nullptr),
                             QString::number(ci->DatColor)};
    return fields.join(m_rTz);
}

void FilterGridModel::SetParamArrayToColInfo(const QStringList& pa)
{
    for (int i = 0; i < pa.size(); ++i) {
        if (ColCount() < i + 1)
            SetColCount(i + 1);
        QString param = pa[i];
        param.replace(m_pTz, m_rTz);
        QString error;
        ParamStrToColInfo(i, param, &error);
        if (!error.isEmpty()) {
            Q_EMIT meldung(platform::errorMessage(error));
            return;
        }
    }
    ColInfo_Set(-1);
}

ColValue FilterGridModel::StrToColFormat(int aCol, const QString& s, bool* ok) const
{
    if (ok)
        *ok = true;
    const QString t = s.trimmed();
    const TColInfo* ci = GetColInfo(aCol);
    if (!ci)
        return ColValue::ofText(t);
    const char16_t typ = ci->Typ.unicode();
    const bool typed =
        typ == u'C' || typ == u'D' || typ == u'F' || typ == u'I' || typ == u'T' || typ == u'd';
    if (t.isEmpty())
        return typed ? ColValue::ofNumber(0) : ColValue::ofText(t);
    TDateTime v = 0;
    switch (typ) {
    case u'C':
        return ColValue::ofNumber(StrToCurrTolerant(t));
    case u'D':
        return ColValue::ofDateTime(StrToDateOnly(t));
    case u'F':
        return ColValue::ofNumber(StrToFloatTolerant(t));
    case u'I':
        return ColValue::ofNumber(StrToIntTolerant(t));
    case u'T':
        if (ParseTime(t, v))
            return ColValue::ofDateTime(v);
        break;
    case u'd':
        if (ParseDateTime(t, v))
            return ColValue::ofDateTime(v);
        break;
    default:
        return ColValue::ofText(t);
    }
    if (ok)
        *ok = false;
    return ColValue::ofText(t);
}

int FilterGridModel::widestCellText(int c, const TColInfo* ci) const
{
    const std::optional<GridFont> none;
    const QFontMetrics titleMetrics((ci ? ci->TitFont : none).value_or(Font()).toQFont());
    const QFontMetrics dataMetrics((ci ? ci->DatFont : none).value_or(Font()).toQFont());
    const QString distance = blanks(m_distance);
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        const bool fixedRow = r < FixedRows();
        const QFontMetrics& fm = fixedRow ? titleMetrics : dataMetrics;
        const int align = ci ? (fixedRow ? ci->TitAlign : ci->DatAlign) : 0;
        const QString cell = Cells(c, r);
        int width = 0;
        if (align & 16) {
            const QString text = (DecodeLineBreaks(cell) + distance).trimmed();
            width = fm.boundingRect(QRect(0, 0, 2, 2),
                                    TextFlagsFromAlignment(align) | Qt::TextWordWrap, text)
                        .width();
        } else {
            width = fm.horizontalAdvance(cell + distance);
        }
        widest = std::max(widest, width);
    }
    return widest;
}

int FilterGridModel::ColSetMaxWidths(bool readColInfo, bool changeFixCol, bool stretch)
{
    int reserve = ShowsVerticalScrollBar() ? 27 : 8;
    const int fixedCols = changeFixCol ? 0 : FixedCols();

    std::vector<int> takingPart;
    for (int c = readColInfo ? 0 : fixedCols; c < ColCount(); ++c) {
        const TColInfo* ci = GetColInfo(c);
        const bool takes = readColInfo ? (!ci || ci->Width == 0) : ColWidths(c) >= 0;
        if (!takes)
            continue;
        takingPart.push_back(c);
        SetColWidths(c, widestCellText(c, ci));
    }
    int sum = 0;
    for (int c = fixedCols; c < ColCount(); ++c)
        sum += std::max(ColWidths(c), 0);
    for (int c = 0; c < fixedCols; ++c)
        reserve += ColWidths(c);
    if (stretch) {
        const int freeSpace = Width() - reserve - sum;
        const int count = int(takingPart.size());
        if (count > 0 && freeSpace > count) {
            const int extra = freeSpace / count;
            for (int c : takingPart) {
                if (c < fixedCols)
                    continue;
                SetColWidths(c, ColWidths(c) + extra);
                sum += extra;
            }
        }
    }
    return sum;
}

void FilterGridModel::DoChange()
{
    Q_EMIT changed();
    if (!OnChange)
        return;
    const bool before = m_changeMode;
    m_changeMode = false;
    OnChange(this);
    m_changeMode = before;
}

void FilterGridModel::WaitMessage(int msg, int phase, int value)
{
    if (QObject* receiver = waitReceiver().data())
        QCoreApplication::postEvent(receiver, new WaitEvent(msg, phase, value));
    // Repaints and the like go on; clicks and keys wait until the operation is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FilterGridModel::waitStep(int msg, int value)
{
    if (msg != 0 && value % std::max(m_waitStep, 1) == 0)
        WaitMessage(msg, 1, value);
}

} // namespace grid
