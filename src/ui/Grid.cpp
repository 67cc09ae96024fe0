#include "ui/Grid.h"

#include "ui/Twips.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlRecord>

Grid::Grid(int fixedRows, int fixedCols, QWidget *parent)
    : QTableWidget(parent), m_fixedRows(fixedRows), m_fixedCols(fixedCols)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // Widths come in twips, made for a small grid font: keep the font to match them.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    horizontalHeader()->setFont(small);
    verticalHeader()->setFont(small);
    setAlternatingRowColors(true);
    horizontalHeader()->setVisible(m_fixedRows > 0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setVisible(m_fixedCols > 0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(small).height() + 4);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setHighlightSections(false);

    connect(this, &QTableWidget::cellClicked, this, &Grid::Click);
    connect(this, &QTableWidget::cellDoubleClicked, this, &Grid::DblClick);
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, &Grid::fixedCellClicked);
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this, &Grid::DblClick);
}

// The fixed cell stands for its row: a click there is a click on the row.
void Grid::fixedCellClicked(int r)
{
    setCurrentCell(r, currentColumn() < 0 ? 0 : currentColumn());
    emit Click();
}

int Grid::Rows() const
{
    return rowCount() + m_fixedRows;
}

int Grid::Cols() const
{
    return columnCount() + m_fixedCols;
}

void Grid::SetCols(int cols)
{
    setColumnCount(qMax(0, cols - m_fixedCols));
}

QString Grid::TextMatrix(int row, int col) const
{
    const int r = dataRow(row);
    const int c = dataCol(col);
    if (r < 0 && c < 0)
        return m_corner;
    if (r < 0) {
        const QTableWidgetItem *h = horizontalHeaderItem(c);
        return h ? h->text() : QString();
    }
    if (c < 0) {
        const QTableWidgetItem *h = verticalHeaderItem(r);
        return h ? h->text() : QString();
    }
    const QTableWidgetItem *it = item(r, c);
    return it ? it->text() : QString();
}

void Grid::SetTextMatrix(int row, int col, const QString &text)
{
    const int r = dataRow(row);
    const int c = dataCol(col);
    if (r < 0 && c < 0) {
        m_corner = text;
    } else if (r < 0) {
        if (c < columnCount())
            setHorizontalHeaderItem(c, new QTableWidgetItem(text));
    } else if (c < 0) {
        if (r < rowCount())
            setVerticalHeaderItem(r, new QTableWidgetItem(text));
    } else if (r < rowCount() && c < columnCount()) {
        setCell(r, c, text);
    }
}

void Grid::setCell(int r, int c, const QString &text)
{
    if (QTableWidgetItem *it = item(r, c))
        it->setText(text);
    else
        setItem(r, c, new QTableWidgetItem(text));
}

int Grid::Row() const
{
    return currentRow() + m_fixedRows;
}

void Grid::SetRow(int row)
{
    const int r = dataRow(row);
    if (r >= 0 && r < rowCount())
        setCurrentCell(r, qMax(0, currentColumn()));
}

void Grid::ColWidthTwips(int col, int twips)
{
    const int c = dataCol(col);
    if (c < 0) {
        verticalHeader()->setVisible(twips > 0);
        verticalHeader()->setFixedWidth(ui::px(twips));
        return;
    }
    if (c >= columnCount())
        return;
    setColumnHidden(c, twips == 0);
    if (twips > 0)
        setColumnWidth(c, ui::px(twips));
}

void Grid::Fill(QSqlQuery &query)
{
    setUpdatesEnabled(false);
    ClearRows();
    const QSqlRecord record = query.record();
    if (columnCount() != record.count())
        setColumnCount(record.count());
    for (int c = 0; c < record.count(); ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem(record.fieldName(c)));
    int r = 0;
    while (query.next()) {
        insertRow(r);
        if (m_fixedCols > 0)
            setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
        for (int c = 0; c < record.count(); ++c) {
            const QVariant v = query.value(c);
            setItem(r, c, new QTableWidgetItem(v.isNull() ? QString() : v.toString()));
        }
        ++r;
    }
    if (rowCount() > 0)
        setCurrentCell(0, 0);
    setUpdatesEnabled(true);
}

void Grid::AddItem(const QStringList &cells)
{
    const int r = rowCount();
    insertRow(r);
    if (m_fixedCols > 0)
        setVerticalHeaderItem(r, new QTableWidgetItem(cells.value(0)));
    for (int col = m_fixedCols; col < cells.size(); ++col) {
        if (dataCol(col) < columnCount())
            setCell(r, dataCol(col), cells.at(col));
    }
}

void Grid::RemoveItem(int row)
{
    const int r = dataRow(row);
    if (r >= 0 && r < rowCount())
        removeRow(r);
}

void Grid::ClearRows()
{
    clearSelection();
    setRowCount(0);
}

Grid::Spot Grid::cellSpot(int row, int col)
{
    const int r = dataRow(row);
    const int c = dataCol(col);
    if (r < 0 && c < 0)
        return {};
    if (r >= rowCount() || c >= columnCount())
        return {};
    scrollTo(model()->index(qMax(r, 0), qMax(c, 0)));
    if (r < 0) {
        const QHeaderView *h = horizontalHeader();
        return {h->viewport(),
                QRect(h->sectionViewportPosition(c), 0, h->sectionSize(c), h->height())};
    }
    if (c < 0) {
        const QHeaderView *h = verticalHeader();
        return {h->viewport(),
                QRect(0, h->sectionViewportPosition(r), h->width(), h->sectionSize(r))};
    }
    return {viewport(), visualRect(model()->index(r, c))};
}
