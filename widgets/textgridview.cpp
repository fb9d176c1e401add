#include "textgridview.h"

#include "looks.h"
#include "textgridmodel.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(TextGridView *view) : QStyledItemDelegate(view), m_view(view) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = m_view->cellAlignment(index.column(), index.row()) | Qt::AlignTop;
        option->features |= QStyleOptionViewItem::WrapText;
    }

private:
    TextGridView *m_view;
};

} // namespace

TitleHeader::TitleHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setSortIndicatorShown(false);
}

void TitleHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, toColor(kProgramBlue));
    painter->setPen(QColor(Qt::white).darker(110));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    QFont bold = font();
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(Qt::white);
    const QString title = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    painter->drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, title);
    painter->restore();
}

TextGridView::TextGridView(QWidget *parent) : QTableView(parent)
{
    setHorizontalHeader(new TitleHeader(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    setWordWrap(true);
    setSortingEnabled(false);
    setItemDelegate(new CellDelegate(this));
    setGridStyle(Qt::SolidLine);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: silver; }"));
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TextGridView::storeColumnWidth);
}

void TextGridView::setGridModel(TextGridModel *model)
{
    m_model = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, &TextGridView::applyGridLayout);
    connect(model, &QAbstractItemModel::columnsInserted, this, &TextGridView::applyGridLayout);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TextGridView::applyGridLayout);
    connect(model, &TextGridModel::columnWidthChanged, this, &TextGridView::applyColumnWidth);
    applyGridLayout();
}

Qt::Alignment TextGridView::cellAlignment(int, int) const
{
    return Qt::AlignLeft;
}

void TextGridView::applyGridLayout()
{
    if (m_model->rowCount() > 0)
        setRowHidden(0, true);
    for (int column = 0; column < m_model->columnCount(); ++column)
        applyColumnWidth(column, m_model->grid().columnWidth(column));
}

void TextGridView::applyColumnWidth(int column, int width)
{
    m_applyingWidths = true;
    setColumnWidth(column, width);
    m_applyingWidths = false;
}

void TextGridView::storeColumnWidth(int column, int, int newWidth)
{
    if (!m_applyingWidths && m_model && column < m_model->columnCount())
        m_model->setColumnWidth(column, newWidth);
}
