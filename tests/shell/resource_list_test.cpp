#include <algorithm>

#include <QTableView>

#include <gtest/gtest.h>

#include "platform/template_dialog.h"
#include "res/templates/dialog_templates.h"
#include "shell/resource_list_model.h"
#include "shell/resource_list_view.h"

namespace skinwright::shell {
namespace {

// Every hexadecimal digit in every number column of the Viewer's list, with
// its dialog font: each number column is 80 pixels or as wide as the view
// itself finds its widest cell needs, so no value is cut short.
TEST(ResourceList, NumberColumnsShowEveryValueWhole)
{
    platform::TemplateDialog dialog(templates::ViewerTemplate());
    auto* list = dialog.ControlAs<QTableView>(templates::viewer::kResourceList);
    ResourceListModel model(behaviour::kViewerColumns);
    SetUpResourceList(*list, model);
    model.BeginFilling();
    for (std::uint32_t digit = 0; digit < 16; ++digit) {
        ResourceEntry row;
        row.id = digit * 0x11111111u;
        row.idOffset = row.dataOffset = static_cast<std::int32_t>(row.id);
        model.Append(row);
    }
    model.EndFilling();
    ASSERT_EQ(model.CellText(15, ResourceListModel::kDataOffset), "0xFFFFFFFF");

    EXPECT_EQ(list->columnWidth(0), 200);
    const QAbstractItemView& view = *list;  // sizeHintForColumn is public here only
    for (int column = 1; column < 4; ++column)
        EXPECT_EQ(list->columnWidth(column), std::max(80, view.sizeHintForColumn(column))) << column;
}

}  // namespace
}  // namespace skinwright::shell
