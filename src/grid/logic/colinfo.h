#pragma once

#include "grid/logic/gridfont.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

namespace grid
{

class TStringGrid;

// Reads a bound control's value as text / shows a text in a bound control.
using TGetCompProperty = std::function<QString(QObject* sender, QObject* comp)>;
using TSetCompProperty = std::function<void(QObject* sender, QObject* comp, const QString& value)>;

// What the grid knows of one column: title, layout, fonts, colours, width, value type and a
// bound edit control.
class TColInfo
{
public:
    // The defaults for column aCol of grd.
    TColInfo(const TStringGrid& grd, int aCol);

    // Copies everything but the binding; a missing source changes nothing.
    void Assign(const TColInfo* source);

    QObject* Componente() const { return FObject.data(); }
    const TSetCompProperty& CellToCompProc() const { return FCellToCompProc; }
    const TGetCompProperty& CompToCellProc() const { return FCompToCellProc; }

    // The bound control may be destroyed before the grid; it is then simply gone.
    QPointer<QObject> FObject;
    TSetCompProperty FCellToCompProc;
    TGetCompProperty FCompToCellProc;
    QString Titel;
    int TitAlign = 36;
    std::optional<GridFont> TitFont;
    int TitColor = 0;
    int Width = 0;
    QChar Typ = QLatin1Char(' ');
    int Dez = 0;
    int DatAlign = 36;
    std::optional<GridFont> DatFont;
    int DatColor = 0;
};

} // namespace grid
