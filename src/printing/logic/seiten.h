#pragma once

#include <QList>
#include <QPicture>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// Where a client draws its pages: BeginPage hands out a painter in page units that records a
// new page, EndPage completes it. The preview is one such target; Seitenstapel is the plain
// one for work without a window.
class Seitenziel
{
public:
    virtual ~Seitenziel() = default;
    virtual void Clear() = 0;
    virtual QPainter* BeginPage() = 0;
    virtual void EndPage() = 0;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual int MarginLeft() const = 0;
    virtual int MarginTop() const = 0;
    virtual int MarginRight() const = 0;
    virtual int MarginBottom() const = 0;
};

// Recorded pages, each a vector drawing in page units (96 per inch), in order.
class Seitenstapel : public Seitenziel
{
public:
    Seitenstapel();
    ~Seitenstapel() override;

    void Clear() override;
    QPainter* BeginPage() override;
    void EndPage() override;
    int PageWidth() const override { return m_groesse.width(); }
    int PageHeight() const override { return m_groesse.height(); }
    int MarginLeft() const override { return 96; }
    int MarginTop() const override { return 96; }
    int MarginRight() const override { return 96; }
    int MarginBottom() const override { return 96; }

    void setPageSize(QSize groesse) { m_groesse = groesse; }
    QSize pageSize() const { return m_groesse; }

    // Completed pages; the one being drawn counts only after EndPage.
    int PageCount() const;
    bool PageOpen() const { return m_painter != nullptr; }
    const QPicture& page(int index) const;

private:
    QSize m_groesse{816, 1056};
    std::vector<std::unique_ptr<QPicture>> m_seiten;
    std::unique_ptr<QPainter> m_painter;
};

// Replays a page of `seitengroesse` page units into `ziel` (device coordinates of `painter`).
void seiteAbspielen(QPainter& painter, const QPicture& seite, QSize seitengroesse,
                    const QRectF& ziel);

// Where a page goes on the printable area: scaled by one factor (the smaller of width and
// height) so that it keeps its shape, at the top left.
QRectF druckrechteck(QSize seitengroesse, QSizeF druckbar);

// Why a print job ended.
enum class DruckUrsache {
    Gedruckt,
    KeineSeiten,
    SeiteFehlt,          // the page asked for does not exist
    StartFehlgeschlagen, // the printer or file could not be opened
    NeueSeiteFehlgeschlagen,
    AbschlussFehlgeschlagen,
};

// Prints pages `erste` to `letzte` (from 0) of `seiten` on `geraet`, one sheet each. The device
// must be set up (document name, output) by the caller.
DruckUrsache seitenDrucken(QPagedPaintDevice& geraet, const Seitenstapel& seiten, int erste,
                           int letzte);
