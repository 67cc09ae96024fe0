#pragma once

#include <QStringList>
#include <QTableWidget>

class QSqlQuery;

// A read-only grid addressed by row and column numbers that count its fixed header row
// (row 0, when it has one) and its fixed left column (column 0, when it has one). Every
// mapping to Qt's rows and headers stays in here.
class Grid : public QTableWidget {
    Q_OBJECT
public:
    explicit Grid(int fixedRows = 1, int fixedCols = 1, QWidget *parent = nullptr);

    int Rows() const;
    int Cols() const;
    void SetCols(int cols);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString &text);

    // The current row; after a fill the first row below the header. With no rows below
    // the header it is the last fixed row (0 for a grid with a header row).
    int Row() const;
    void SetRow(int row);

    // Width in twips; 0 hides the column.
    void ColWidthTwips(int col, int twips);

    // Shows a query's rows, one column per statement column after the fixed column; the
    // header row takes the column names, as a bound grid does.
    void Fill(QSqlQuery &query);

    // The same with rows already read: one header per column after the fixed one, and
    // the cells of each row. The current row is the first one again.
    void FillRows(const QStringList &headers, const QList<QStringList> &rows);

    // Appends a row (cells from column 0) and removes one; both keep the header.
    void AddItem(const QStringList &cells);
    void RemoveItem(int row);
    void ClearRows();

    // Where a cell is on screen, by the grid's own row and column numbers, scrolled into
    // view first: the widget that shows it (the fixed column and the header row are Qt's
    // headers) and its rectangle there.
    struct Spot {
        QWidget *widget = nullptr;
        QRect rect;
    };
    Spot cellSpot(int row, int col);

    // The column takes the width the grid has to spare.
    void StretchCol(int col);
    // The tip shown on the column's header.
    void SetColTip(int col, const QString &tip);

signals:
    void Click();
    void DblClick();
    // The current row moved by the keyboard (arrows, Page Up/Down, Home/End).
    void KeyMove();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int dataRow(int row) const { return row - m_fixedRows; }
    int dataCol(int col) const { return col - m_fixedCols; }
    void setCell(int r, int c, const QString &text);
    void setHeaderText(int c, const QString &text);
    void fixedCellClicked(int r);

    int m_fixedRows;
    int m_fixedCols;
    QString m_corner;
};
