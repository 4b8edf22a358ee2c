#pragma once
// TTarnList: the program's own list, a fixed table of up to 5001 rows painted by hand in
// up to four columns (image and short text, start time, end time, image and main text).
// No scroll bar, no keyboard, no selection: the row under the mouse is highlighted and is
// the one a click acts on. Row texts are coloured past, on air or future against the
// clock at the moment of painting. A main text that does not fit opens a hint popup.

#include "base/Clock.h"

#include <QColor>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <set>

class QMenu;

namespace kanavo {

class ImageList;
class TarnHint;

class TTarnList : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(TTarnList)

public:
    // Rows 0..5000. Writes past the last row are ignored and reads there give the values
    // of a fresh row.
    static constexpr int kCapacity = 5001;

    explicit TTarnList(QWidget* parent = nullptr);
    ~TTarnList() override;

    // The clock that decides past, on air and future; the system clock unless set.
    // The list does not own it.
    void setClock(const Clock* clock);

    // Changed values repaint the whole list; equal values do nothing.
    int MinWidth() const { return m_minWidth; }
    void setMinWidth(int value);
    int MinHeight() const { return m_minHeight; }
    void setMinHeight(int value);
    int ItemHeight() const { return m_itemHeight; }
    void setItemHeight(int value);
    int Col1Width() const { return m_col1Width; }
    void setCol1Width(int value);
    int Col2Width() const { return m_col2Width; }
    void setCol2Width(int value);
    int Col3Width() const { return m_col3Width; }
    void setCol3Width(int value);
    bool GridLines() const { return m_gridLines; }
    void setGridLines(bool value);

    // Stored, then the whole list repaints, even for an equal value.
    QColor ColorSeparator() const { return m_colorSeparator; }
    void setColorSeparator(const QColor& value);
    QColor ColorPerOld() const { return m_colorPerOld; }
    void setColorPerOld(const QColor& value);
    QColor ColorPerCurrent() const { return m_colorPerCurrent; }
    void setColorPerCurrent(const QColor& value);
    QColor ColorPerFuture() const { return m_colorPerFuture; }
    void setColorPerFuture(const QColor& value);
    // Image lists are not owned.
    const ImageList* Images1() const { return m_images1; }
    void setImages1(const ImageList* value);
    const ImageList* Images4() const { return m_images4; }
    void setImages4(const ImageList* value);

    // Stored only; they take effect at the next paint.
    QColor ColorSelect() const { return m_colorSelect; }
    void setColorSelect(const QColor& value) { m_colorSelect = value; }
    QColor ColorSelBack() const { return m_colorSelBack; }
    void setColorSelBack(const QColor& value) { m_colorSelBack = value; }
    QColor ColorHint() const { return m_colorHint; }
    void setColorHint(const QColor& value) { m_colorHint = value; }
    bool ShowHintLine() const { return m_showHintLine; }
    void setShowHintLine(bool value) { m_showHintLine = value; }
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool value) { m_autoSize = value; }
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool value) { m_showHint = value; }

    // Background of the rows and the list, and the text colour of rows outside the time
    // scheme (the font colour).
    QColor Color() const;
    void setColor(const QColor& value);
    QColor FontColor() const;
    void setFontColor(const QColor& value);

    // The owned texts. Editing them in place repaints nothing; assigning repaints.
    QStringList& Lines1() { return m_lines1; }
    const QStringList& Lines1() const { return m_lines1; }
    void setLines1(const QStringList& value);
    QStringList& Lines4() { return m_lines4; }
    const QStringList& Lines4() const { return m_lines4; }
    void setLines4(const QStringList& value);

    // Per-row values; a different value is stored and repaints that row only.
    int ImageIndex1(int index) const;
    void setImageIndex1(int index, int value);
    int ImageIndex4(int index) const;
    void setImageIndex4(int index, int value);
    TDateTime StartTime(int index) const;
    void setStartTime(int index, TDateTime value);
    TDateTime EndTime(int index) const;
    void setEndTime(int index, TDateTime value);

    // The row under the mouse, -1 for none.
    int GetItemIndex() const { return m_hoverIndex; }
    // The first row painted in the future colour since the last full paint, -1 for none.
    int FirstFutureIndex() const { return m_firstFutureIndex; }
    // Orders the rows by start time, every column moving with its row; repaints nothing.
    void SortByTime();
    // The width column 1 needs for `text`, its image and margins included.
    int Col1TextWidth(const QString& text) const;
    // Repaints one row (and opens or closes the hint of the hovered row).
    void DrawItem(int index);
    // Opens the hint with `text` at the client point (x, y).
    void ShowItemHint(int x, int y, const QString& text, int wrapWidth);
    // The open hint popup, or null.
    const TarnHint* HintWindow() const { return m_hint.get(); }

    // Opened by a right click (not owned; may be null). Its aboutToShow still sees the
    // hovered row in GetItemIndex.
    QMenu* PopupMenu() const;
    void setPopupMenu(QMenu* value);

    // What a full paint does to the list's size, done now without painting: with AutoSize
    // the row height and the height from the font, images and rows; then at least
    // MinWidth x MinHeight. Whoever places the list reads its size right after.
    void applyAutoSize();

    // The band of a row that its repaint covers, in client coordinates.
    QRect rowRect(int index) const;

signals:
    void OnMouseEnter();
    void OnMouseExit();
    // The row a click acts on is GetItemIndex, the row the last mouse move highlighted.
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void OnMouseMove(Qt::KeyboardModifiers modifiers, QPoint position);
    // A left button released inside the list.
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Row {
        int imageIndex1 = -1;
        int imageIndex4 = -1;
        TDateTime startTime = 0;
        TDateTime endTime = 0;
    };

    bool rowExists(int index) const;
    int paintWidth() const;
    int textHeight() const;
    int mainTextLeft() const;
    void setIntProperty(int& field, int value);
    void closeHint();
    void showHintIfLong(int index);
    void fullPaint(QPainter& painter);
    void paintVerticalLines(QPainter& painter, int height) const;
    void paintRow(QPainter& painter, int index);
    void paintCell(QPainter& painter, const QRect& cell, const QColor& brush, int textX, int textY,
                   const QString& text) const;
    void swapRows(int a, int b);

    // Fixed per-row storage, allocated once with the list.
    std::unique_ptr<std::array<Row, kCapacity>> m_rows;
    QStringList m_lines1;
    QStringList m_lines4;
    std::unique_ptr<TarnHint> m_hint;
    QPointer<QMenu> m_popupMenu;
    // Rows asked to repaint on their own since the last paint.
    std::set<int> m_pendingRows;
    // The part of the list the current paint covers.
    QRect m_paintArea;
    const Clock* m_clock;
    const ImageList* m_images1 = nullptr;
    const ImageList* m_images4 = nullptr;
    int m_hoverIndex = -1;
    int m_firstFutureIndex = -1;
    int m_minWidth = 0;
    int m_minHeight = 0;
    int m_itemHeight = 20;
    int m_col1Width = 30;
    int m_col2Width = 30;
    int m_col3Width = 30;
    bool m_gridLines = true;
    bool m_showHintLine = false;
    bool m_autoSize = false;
    bool m_showHint = false;
    QColor m_colorHint;
    QColor m_colorSeparator{192, 192, 192};
    QColor m_colorSelect{0, 0, 255};
    QColor m_colorSelBack{192, 192, 192};
    QColor m_colorPerOld{128, 128, 128};
    QColor m_colorPerCurrent{0, 0, 255};
    QColor m_colorPerFuture{0, 0, 0};
};

} // namespace kanavo
