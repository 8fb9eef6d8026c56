// The bar-separated filters of the file dialogs as Qt name filters:
// "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||" gives the entries
// "GIF File(*.gif) (*.[gG][iI][fF])" and "All Files(*.*) (*)".
// Patterns match without regard to case, as they do on Windows, and "*.*"
// matches every file, also one without an extension.
#pragma once

#include <QString>
#include <QStringList>

namespace skinwright::platform {

QStringList ToQtNameFilters(const QString& filter);

// One pattern of a filter ("*.gif"), as Qt matches it.
QString ToQtPattern(const QString& pattern);

}  // namespace skinwright::platform
