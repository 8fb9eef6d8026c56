#include "resource_list_view.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include "resource_list_model.h"

namespace skinwright::shell {
namespace {

// What the widest "0x%08X" text needs: its width rounded up, as the item
// delegate lays it out, the delegate's text margin on either side, and the
// grid line. Digits differ by fractions of a pixel that a whole-pixel width
// of one digit hides, so the whole text is measured for each digit.
int WidestNumberWidth(const QTableView& list)
{
    const QFontMetricsF metrics(list.font());
    qreal widest = 0;
    for (const QChar digit : QStringLiteral("0123456789ABCDEF"))
        widest = std::max(widest, metrics.horizontalAdvance(QStringLiteral("0x") + QString(8, digit)));
    const int textMargin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    const int gridLine = list.showGrid() ? 1 : 0;
    return static_cast<int>(std::ceil(widest)) + 2 * textMargin + gridLine;
}

}  // namespace

void SetUpResourceList(QTableView& list, ResourceListModel& model)
{
    list.setModel(&model);
    list.setShowGrid(true);
    list.verticalHeader()->setDefaultSectionSize(list.fontMetrics().height() + 4);
    list.horizontalHeader()->setSectionsMovable(true);
    list.horizontalHeader()->setHighlightSections(false);
    list.setContextMenuPolicy(Qt::NoContextMenu);

    const int widestNumber = WidestNumberWidth(list);
    for (int column = 0; column < ResourceListModel::kColumnCount; ++column) {
        const auto index = static_cast<std::size_t>(column);
        list.setColumnWidth(column, behaviour::ShownColumnWidth(index, model.Columns()[index].width, widestNumber));
    }
}

}  // namespace skinwright::shell
