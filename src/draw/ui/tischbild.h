#pragma once

#include <QWidget>

// The picture of a table-soccer table seen from above (field, two goals, eight rods with the
// figures of two teams), stretched over the whole widget. With a table number set, the number
// is shown on the field.
class Tischbild : public QWidget
{
    Q_OBJECT
public:
    explicit Tischbild(QWidget* parent = nullptr);

    void setTischnummer(int nummer);
    int tischnummer() const { return m_nummer; }

    // The picture as SVG text (for other windows that want the same table).
    static const QByteArray& svg();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nummer = 0;
};
