#pragma once
// The charge marker: a small square of one colour with a plus or a minus on it.
//
// The window writes only its visibility and its background colour; it stands where the
// layout put it and travels only with its container.
#include <QColor>
#include <QWidget>

namespace markers {

enum class Glyph { Plus, Minus };

class ChargeMarker : public QWidget {
    Q_OBJECT
public:
    ChargeMarker(QWidget* container, Glyph glyph, QColor back = QColor(255, 255, 255));

    Glyph Kind() const { return glyph_; }
    QColor BackColor() const { return back_; }
    void SetBackColor(QColor c);
    void SetVisible(bool v);
    bool IsShown() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Glyph glyph_;
    QColor back_;
};

}  // namespace markers
