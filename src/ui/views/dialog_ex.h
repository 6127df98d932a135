#pragma once
// parental::util::CDialogEx: a page or form base with the default size handling: a
// resized dialog is repainted whole, so that group boxes and labels leave no traces.
#include <windows.h>

namespace parental::util {

template <typename Base>
class CDialogEx : public Base {
 public:
  using Base::Base;

 protected:
  void OnSize(UINT type, int width, int height) override {
    Base::OnSize(type, width, height);
    this->Invalidate(true);
  }
};

}  // namespace parental::util
