#pragma once
// The columns of the setup pages' report lists: widths given at 96 dots per inch, scaled to
// the list's, and never narrower than the heading in the list's font, so that no heading is
// cut at a higher resolution or in a language with longer words.
#include "win/controls/list_ctrl.h"

namespace parental::corvui {

struct ListColumn {
  unsigned title;  // string id of the heading
  int width;       // at 96 dots per inch
};

// Appends the columns in order, left-aligned.
void InsertColumns(CListCtrl& list, std::initializer_list<ListColumn> columns);

}  // namespace parental::corvui
