#pragma once
// A menu whose items stand in columns side by side: a new column at each column break of its
// definition, and again wherever a column would not fit the height of the monitor it opens on.
// (The image library's own menus know no column breaks: a long menu stays one column and
// scrolls.) The items look and answer like those of an ordinary menu: the mouse, the arrow
// keys, Enter.

#include <QMenu>

#include <vector>

namespace lenvari {

// Fills `menu` with `columns` of items: each an action (triggered when chosen, then every open
// menu closes) or nullptr for a separator line. The actions are not added to the menu itself.
void FillColumnMenu(QMenu* menu, const std::vector<std::vector<QAction*>>& columns);

}  // namespace lenvari
