#include "ReferenceListWnd.h"

#include "ReferencePlan.h"
#include "ReferenceTexts.h"

#include <QtCore/QMimeData>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace {

// Where a row keeps its number in the list and the program it found.
constexpr int ROW_ROLE = Qt::UserRole;
constexpr int TABLE_ROLE = Qt::UserRole + 1;
constexpr int POSITION_ROLE = Qt::UserRole + 2;

// Rows dragged out carry their numbers in the list, in its order.
class RowsView : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

    QMimeData* SelectedData() const { return mimeData(selectedItems()); }

protected:
    QStringList mimeTypes() const override { return { ReferenceListWnd::MIME_TYPE }; }

    // The rows stay in the reference whatever the drop offers.
    void startDrag(Qt::DropActions) override { QTreeWidget::startDrag(Qt::CopyAction); }

    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override
    {
        std::vector<size_t> rows;
        for (const QTreeWidgetItem* item : items)
            rows.push_back(item->data(0, ROW_ROLE).toULongLong());
        std::sort(rows.begin(), rows.end());
        return ReferenceListWnd::DataOfRows(rows);
    }
};

} // namespace

const QString ReferenceListWnd::MIME_TYPE = QStringLiteral("application/x-tavrel-reference-rows");

ReferenceListWnd::ReferenceListWnd(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_Summary(new QLabel(this))
    , m_Rows(new RowsView(this))
{
    m_Summary->setWordWrap(true);
    m_Rows->setAccessibleName(tr("Reference rows"));
    m_Rows->setRootIsDecorated(false);
    m_Rows->setUniformRowHeights(true);
    m_Rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_Rows->setDragEnabled(true);
    m_Rows->setDragDropMode(QAbstractItemView::DragOnly);
    m_Rows->setHeaderLabels({ tr("No."), tr("Name"), tr("Found") });
    m_Rows->header()->setStretchLastSection(true);
    m_Rows->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(m_Rows, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int position = item->data(0, POSITION_ROLE).toInt();
        if (position >= 0)
            emit programChosen(item->data(0, TABLE_ROLE).toInt(), position);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Summary);
    layout->addWidget(m_Rows, 1);
}

void ReferenceListWnd::Fill(const ReferenceList& list, const ReferencePlan& plan, const QString& name)
{
    setWindowTitle(tr("Reference list %1").arg(name));
    m_Summary->setText(ReferenceCounts(plan));
    const QBrush missing = palette().brush(QPalette::Disabled, QPalette::Text);
    QList<QTreeWidgetItem*> items;
    for (size_t i = 0; i < list.Rows().size(); ++i) {
        const ChannelRow& row = list.Rows()[i];
        const RowMatch& match = plan.matches[i];
        const std::string_view rowName = row.Field(COLUMN_NAME);
        auto* item = new QTreeWidgetItem({ ReferenceRowNumber(list, i),
            QString::fromUtf8(rowName.data(), static_cast<qsizetype>(rowName.size())),
            ReferenceRowFound(list, plan, i) });
        item->setData(0, ROW_ROLE, QVariant::fromValue<qulonglong>(i));
        const bool found = match.outcome == MatchOutcome::Matched;
        const ChannelRow* program = found ? &plan.programs[static_cast<size_t>(match.target)] : nullptr;
        item->setData(0, TABLE_ROLE, program ? program->table : -1);
        item->setData(0, POSITION_ROLE, program ? static_cast<int>(program->source) : -1);
        if (!found)
            for (int column = 0; column < 3; ++column)
                item->setForeground(column, missing);
        items.append(item);
    }
    const int scroll = m_Rows->verticalScrollBar() ? m_Rows->verticalScrollBar()->value() : 0;
    m_Rows->clear();
    m_Rows->addTopLevelItems(items);
    m_Rows->verticalScrollBar()->setValue(scroll);
}

QMimeData* ReferenceListWnd::SelectedData() const
{
    return static_cast<RowsView*>(m_Rows)->SelectedData();
}

QMimeData* ReferenceListWnd::DataOfRows(const std::vector<size_t>& rows)
{
    QStringList numbers;
    for (const size_t row : rows)
        numbers.append(QString::number(row));
    auto* data = new QMimeData;
    data->setData(MIME_TYPE, numbers.join(QLatin1Char(',')).toLatin1());
    return data;
}

std::vector<size_t> ReferenceListWnd::RowsOfData(const QByteArray& data)
{
    std::vector<size_t> rows;
    for (const QByteArray& number : data.split(',')) {
        bool ok = false;
        const qulonglong row = number.toULongLong(&ok);
        if (ok)
            rows.push_back(static_cast<size_t>(row));
    }
    return rows;
}
