#pragma once
// CConfigView: the base of the setup pages. It turns the host's IConfigView slots into
// named hooks once: a page describes itself (Description), fills and saves its controls
// (OnLoadData, OnSaveData) and handles its messages; creation from the template (with
// the host's template callback), the tool tips over the tab order, the page descriptor
// and the guard against exceptions are here.
#include <cstdint>
#include <optional>
#include <string>

#include "frame/templates/config_view.h"
#include "ui/views/view_support.h"
#include "win/dialog.h"

class CConfigView : public CDialog, public IConfigView {
 public:
  // What GetPageInfo writes besides the texts.
  struct Description {
    UINT titleId, captionId;
    const char16_t* key;
    std::uint32_t firstNumber;
    std::optional<std::uint32_t> secondNumber;  // written only when given
  };

  CConfigView(UINT templateId, std::uint32_t helpId) : CDialog(templateId), helpId_(helpId) {}

  // The host's slots, in order.
  bool GetPageInfo(PageInfo* info) final;
  void SetConfig(CConfigTemplate* config) final { config_ = config; }
  CConfigTemplate* GetConfig() final { return config_; }
  void* GetWindow() final { return GetSafeHwnd(); }
  std::int32_t CreateView(void* parent, const char16_t* name, bool showTooltips, ViewTemplateCallback callback) final;
  void LoadData() final;
  bool Slot6() final { return true; }
  void SaveData() final;
  std::uint32_t GetHelpId() final { return helpId_; }
  void Slot9() final {}
  bool Slot10() final { return true; }

  const std::u16string& Name() const { return name_; }
  int ToolCount() const { return tooltips_.ToolCount(); }

 protected:
  virtual const Description& Describe() const = 0;
  virtual void OnLoadData() {}
  virtual void OnSaveData() {}

  BOOL OnInitDialog() override;
  // Enter and Esc in a page belong to the host's setup window, which saves or discards.
  void OnOK() override {}
  void OnCancel() override {}
  bool PreTranslateMessage(MSG* message) override;

 private:
  CConfigTemplate* config_ = nullptr;
  ViewTemplateCallback callback_ = nullptr;
  std::u16string name_;
  bool showTooltips_ = true;
  CViewTooltips tooltips_;
  std::uint32_t helpId_;
  std::u16string title_, caption_;  // kept for the host while the page lives
};
