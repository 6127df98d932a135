#include "computer/picker_selection.h"

#include <objsel.h>

#include <cstring>

#include "computer/com_object.h"

namespace host {
namespace {

// The attribute values live as long as the data object; the selection lists it hands out
// point to them, as the system picker's do.
VARIANT ValueOf(const std::optional<std::vector<BYTE>>& bytes) {
  VARIANT value;
  VariantInit(&value);
  if (!bytes) return value;
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, ULONG(bytes->size()));
  void* data = nullptr;
  if (!array || FAILED(SafeArrayAccessData(array, &data))) {
    if (array) SafeArrayDestroy(array);
    return value;
  }
  if (!bytes->empty()) memcpy(data, bytes->data(), bytes->size());
  SafeArrayUnaccessData(array);
  value.vt = VT_ARRAY | VT_UI1;
  value.parray = array;
  return value;
}

class SelectionData : public ComObject<IDataObject> {
 public:
  SelectionData(std::vector<SelectedObject> selection, ULONG fetched)
      : ComObject(IID_IDataObject), selection_(std::move(selection)), fetched_(fetched) {
    for (SelectedObject& item : selection_) {
      item.attributes.resize(fetched_);
      for (const auto& attribute : item.attributes) values_.push_back(ValueOf(attribute));
    }
  }
  ~SelectionData() override {
    for (VARIANT& value : values_) VariantClear(&value);
  }

  STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
    HRESULT accepted = QueryGetData(format);
    if (accepted != S_OK) return accepted;
    if (!medium) return E_POINTER;
    HGLOBAL list = BuildList();
    if (!list) return E_OUTOFMEMORY;
    *medium = STGMEDIUM{};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = list;
    return S_OK;
  }
  STDMETHODIMP QueryGetData(FORMATETC* format) override {
    if (!format) return E_POINTER;
    if (format->cfFormat != RegisterClipboardFormatW(CFSTR_DSOP_DS_SELECTION_LIST)) return DV_E_FORMATETC;
    return (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_TYMED;
  }
  STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  // One block: the list with its items, each item's attribute values, then the texts.
  HGLOBAL BuildList() const {
    const std::size_t items = selection_.size();
    const std::size_t head = offsetof(DS_SELECTION_LIST, aDsSelection) + (items ? items : 1) * sizeof(DS_SELECTION);
    std::size_t size = head + values_.size() * sizeof(VARIANT);
    for (const SelectedObject& item : selection_)
      for (const std::wstring* text : {&item.name, &item.path, &item.objectClass, &item.principalName})
        size += (text->size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* list = block ? static_cast<DS_SELECTION_LIST*>(GlobalLock(block)) : nullptr;
    if (!list) {
      if (block) GlobalFree(block);
      return nullptr;
    }
    list->cItems = ULONG(items);
    list->cFetchedAttributes = fetched_;
    auto* values = reinterpret_cast<VARIANT*>(reinterpret_cast<BYTE*>(list) + head);
    auto* texts = reinterpret_cast<wchar_t*>(values + values_.size());
    auto place = [&](const std::wstring& text) {
      wchar_t* at = texts;
      memcpy(at, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
      texts += text.size() + 1;
      return at;
    };
    for (std::size_t i = 0; i < items; ++i) {
      const SelectedObject& item = selection_[i];
      DS_SELECTION& entry = list->aDsSelection[i];
      entry = {place(item.name), place(item.path), place(item.objectClass), place(item.principalName),
               fetched_ ? values + i * fetched_ : nullptr, item.scopeType};
      // Copies that share the data object's arrays: the list is freed without clearing them.
      if (fetched_) memcpy(entry.pvarFetchedAttributes, &values_[i * fetched_], fetched_ * sizeof(VARIANT));
    }
    GlobalUnlock(block);
    return block;
  }

  std::vector<SelectedObject> selection_;
  ULONG fetched_;
  std::vector<VARIANT> values_;
};

}  // namespace

IDataObject* MakeSelectionData(std::vector<SelectedObject> selection, ULONG fetchedAttributes) {
  return new SelectionData(std::move(selection), fetchedAttributes);
}

}  // namespace host
