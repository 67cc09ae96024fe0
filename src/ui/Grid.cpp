#include "ui/Grid.h"

#include "ui/Twips.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
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
    // Tab goes on to the next control, as everywhere else in the window.
    setTabKeyNavigation(false);
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
            setHeaderText(c, text);
    } else if (c < 0) {
        if (r < rowCount())
            setVerticalHeaderItem(r, new QTableWidgetItem(text));
    } else if (r < rowCount() && c < columnCount()) {
        setCell(r, c, text);
    }
}

void Grid::setHeaderText(int c, const QString &text)
{
    if (QTableWidgetItem *h = horizontalHeaderItem(c)) {
        if (h->text() != text)
            h->setText(text);
    } else {
        setHorizontalHeaderItem(c, new QTableWidgetItem(text));
    }
}

void Grid::setCell(int r, int c, const QString &text)
{
    QTableWidgetItem *it = item(r, c);
    if (!it)
        setItem(r, c, new QTableWidgetItem(text));
    else if (it->text() != text)
        it->setText(text);
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
    const QSqlRecord record = query.record();
    QStringList headers;
    for (int c = 0; c < record.count(); ++c)
        headers << record.fieldName(c);
    QList<QStringList> rows;
    while (query.next()) {
        QStringList cells;
        for (int c = 0; c < record.count(); ++c) {
            const QVariant v = query.value(c);
            cells << (v.isNull() ? QString() : v.toString());
        }
        rows << cells;
    }
    FillRows(headers, rows);
}

void Grid::FillRows(const QStringList &headers, const QList<QStringList> &rows)
{
    setUpdatesEnabled(false);
    clearSelection();
    const int cols = int(headers.size());
    if (columnCount() != cols)
        setColumnCount(cols);
    for (int c = 0; c < cols; ++c)
        setHeaderText(c, headers.at(c));
    const int count = int(rows.size());
    if (rowCount() != count)
        setRowCount(count);
    {
        // Cells are written with the model silent, then announced at once: a refresh
        // costs one change notice instead of one per cell.
        const QSignalBlocker silent(model());
        for (int r = 0; r < count; ++r) {
            if (m_fixedCols > 0 && !verticalHeaderItem(r))
                setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
            const QStringList &cells = rows.at(r);
            for (int c = 0; c < cols; ++c)
                setCell(r, c, cells.value(c));
        }
    }
    if (count > 0) {
        emit model()->dataChanged(model()->index(0, 0), model()->index(count - 1, cols - 1));
        emit model()->headerDataChanged(Qt::Vertical, 0, count - 1);
        setCurrentCell(0, 0);
    }
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

void Grid::StretchCol(int col)
{
    const int c = dataCol(col);
    if (c >= 0 && c < columnCount())
        horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
}

void Grid::SetColTip(int col, const QString &tip)
{
    const int c = dataCol(col);
    if (c < 0 || c >= columnCount())
        return;
    if (!horizontalHeaderItem(c))
        setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    horizontalHeaderItem(c)->setToolTip(tip);
}

void Grid::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    // Rows are what the user picks, so Home and End go to the first and the last row.
    if ((event->key() == Qt::Key_Home || event->key() == Qt::Key_End) &&
        event->modifiers() == Qt::NoModifier) {
        QKeyEvent toRow(event->type(), event->key(), Qt::ControlModifier);
        QTableWidget::keyPressEvent(&toRow);
    } else {
        QTableWidget::keyPressEvent(event);
    }
    if (currentRow() >= 0 && currentRow() != before)
        emit KeyMove();
}
