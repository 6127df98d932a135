#pragma once
// What the object picker hands back: a data object that gives the selection in the
// clipboard format "CFSTR_DSOP_DS_SELECTION_LIST", one DS_SELECTION per selected object
// with its name, directory path, class, principal name and fetched attributes.
#include <windows.h>
#include <ole2.h>

#include <optional>
#include <string>
#include <vector>

namespace host {

struct SelectedObject {
  std::wstring name, path, objectClass, principalName;
  ULONG scopeType = 0;
  // One value per fetched attribute: a byte array, or nothing (an empty value).
  std::vector<std::optional<std::vector<BYTE>>> attributes;
};

// A new data object (one reference) over the selection; every item carries
// `fetchedAttributes` values (missing ones are empty, extra ones are left out).
IDataObject* MakeSelectionData(std::vector<SelectedObject> selection, ULONG fetchedAttributes);

}  // namespace host
