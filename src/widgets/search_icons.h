#pragma once
// The pictures of the search window's own toolbar buttons, drawn in the
// style of the shared toolbar pictures.

#include <QIcon>

namespace vorlane {

enum class SearchIcon { LoadSearch, SaveSearch, ExtractList, MainWindow };

QIcon MakeSearchIcon(SearchIcon kind);

}  // namespace vorlane
