#include "computer/object_picker.h"

#include <objsel.h>

#include <string>
#include <vector>

#include "common/text.h"
#include "computer/com_object.h"
#include "computer/local_computer.h"
#include "computer/picker_dialog.h"
#include "computer/picker_selection.h"

namespace host {
namespace {

bool AsksForLocalUsers(const DSOP_SCOPE_INIT_INFO& scope) {
  const DSOP_FILTER_FLAGS& filter = scope.FilterFlags;
  return (scope.flType & DSOP_SCOPE_TYPE_TARGET_COMPUTER) &&
         (((filter.Uplevel.flBothModes | filter.Uplevel.flMixedModeOnly | filter.Uplevel.flNativeModeOnly) &
           DSOP_FILTER_USERS) ||
          (filter.flDownlevel & DSOP_DOWNLEVEL_FILTER_USERS) == DSOP_DOWNLEVEL_FILTER_USERS);
}

class ObjectPicker : public ComObject<IDsObjectPicker> {
 public:
  explicit ObjectPicker(HINSTANCE module) : ComObject(IID_IDsObjectPicker), module_(module) {}

  STDMETHODIMP Initialize(PDSOP_INIT_INFO init) override {
    if (!init || init->cbSize < sizeof(DSOP_INIT_INFO) || init->cDsScopeInfos == 0 || !init->aDsScopeInfos ||
        (init->cAttributesToFetch && !init->apwzAttributeNames))
      return E_INVALIDARG;
    users_ = false;
    for (ULONG i = 0; i < init->cDsScopeInfos; ++i) {
      DSOP_SCOPE_INIT_INFO& scope = init->aDsScopeInfos[i];
      if (scope.cbSize < sizeof(DSOP_SCOPE_INIT_INFO)) return E_INVALIDARG;
      users_ = users_ || AsksForLocalUsers(scope);
      scope.hr = S_OK;
    }
    multiSelect_ = init->flOptions & DSOP_FLAG_MULTISELECT;
    attributes_.clear();
    for (ULONG i = 0; i < init->cAttributesToFetch; ++i)
      attributes_.push_back(init->apwzAttributeNames[i] ? init->apwzAttributeNames[i] : L"");
    initialized_ = true;
    return S_OK;
  }

  STDMETHODIMP InvokeDialog(HWND owner, IDataObject** selections) override {
    if (!selections) return E_POINTER;
    *selections = nullptr;
    if (!initialized_) return E_UNEXPECTED;
    LocalComputer computer;
    if (!computer.Load(module_)) return E_FAIL;
    std::vector<const ComputerAccount*> listed;
    if (users_)
      for (const ComputerAccount& account : computer.Accounts()) listed.push_back(&account);
    std::vector<SelectedObject> chosen;
    for (std::size_t at : RunPickerDialog(module_, owner, computer, listed, multiSelect_, TakeScriptedPick()))
      chosen.push_back(Selected(computer, *listed[at]));
    if (chosen.empty()) return S_FALSE;
    *selections = MakeSelectionData(std::move(chosen), ULONG(attributes_.size()));
    return S_OK;
  }

 private:
  // A local user as the system picker describes one; of the attributes only the SID is known.
  SelectedObject Selected(const LocalComputer& computer, const ComputerAccount& account) const {
    SelectedObject object{account.name, L"WinNT://" + computer.Name() + L"/" + account.name, L"user", L"",
                          DSOP_SCOPE_TYPE_TARGET_COMPUTER, {}};
    for (const std::wstring& name : attributes_) {
      if (parental::common::EqualsNoCase(parental::common::AsText(name.c_str()), u"objectSID"))
        object.attributes.push_back(account.sid);
      else
        object.attributes.push_back(std::nullopt);
    }
    return object;
  }

  HINSTANCE module_;
  bool initialized_ = false;
  bool users_ = false;
  bool multiSelect_ = false;
  std::vector<std::wstring> attributes_;
};

class PickerFactory : public ComObject<IClassFactory> {
 public:
  explicit PickerFactory(HINSTANCE module) : ComObject(IID_IClassFactory), module_(module) {}

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ObjectPicker* picker = new ObjectPicker(module_);
    const HRESULT result = picker->QueryInterface(iid, out);
    picker->Release();
    return result;
  }
  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock) InterlockedIncrement(&liveObjects);
    else InterlockedDecrement(&liveObjects);
    return S_OK;
  }

 private:
  HINSTANCE module_;
};

}  // namespace

IClassFactory* MakeObjectPickerFactory(HINSTANCE module) { return new PickerFactory(module); }

}  // namespace host
