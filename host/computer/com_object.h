#pragma once
// The reference counting and interface lookup of the picker stand-in's COM objects, and
// the count of living objects that tells whether the server may be unloaded.
#include <windows.h>
#include <ole2.h>

namespace host {

// Objects of this module that are alive, and server locks.
inline LONG liveObjects = 0;

template <typename Interface>
class ComObject : public Interface {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, iid_)) return E_NOINTERFACE;
    *out = static_cast<Interface*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ULONG(InterlockedIncrement(&references_)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return ULONG(left);
  }

 protected:
  explicit ComObject(REFIID iid) : iid_(iid) { InterlockedIncrement(&liveObjects); }
  virtual ~ComObject() { InterlockedDecrement(&liveObjects); }

 private:
  const IID& iid_;
  LONG references_ = 1;
};

}  // namespace host
