#include "grid/logic/colinfo.h"

#include "grid/logic/stringgrid.h"

namespace grid
{

TColInfo::TColInfo(const TStringGrid& grd, int aCol)
    : TitColor(grd.FixedColor()), Width(grd.DefaultColWidth()),
      DatColor(aCol < grd.FixedCols() ? grd.FixedColor() : grd.Color())
{
}

void TColInfo::Assign(const TColInfo* source)
{
    if (!source)
        return;
    Titel = source->Titel;
    TitAlign = source->TitAlign;
    TitColor = source->TitColor;
    Width = source->Width;
    Typ = source->Typ;
    Dez = source->Dez;
    DatAlign = source->DatAlign;
    DatColor = source->DatColor;
    TitFont = source->TitFont;
    DatFont = source->DatFont;
}

} // namespace grid
