#pragma once
// The document's focusable items in focus order, numbered from 1: the links of text
// objects and the focusable objects (buttons and the like). Accessibility clients see
// them as the children of a rich-text control; each has a name, a rectangle and a kind.
#include <string>

#include "markup/document.h"

struct LinkItem {
  CLineObject* object = nullptr;
  int link = 0;       // the text link's number; 0 for an object
  bool button = false;
  std::u16string name;  // the link's text, or the button's caption (else its tool tip)
  Rect rect;            // the whole link (its parts on several lines joined)
};

int LinkItemCount(CChDocument& document);
// Item `number` (1 to the count); false outside.
bool LinkItemAt(CChDocument& document, int number, LinkItem& item);
// The number of the item of an object and link (a link below 0 counts as 0); 0 for none.
int LinkItemNumber(CChDocument& document, const CLineObject* object, int link);
