#pragma once
// Base of the configuration objects: the host asks them for their setup pages, whether
// they changed, and to load and save.
#include <cstdint>

#include "frame/templates/config_view.h"
#include "frame/templates/ioctl_template.h"

struct XmlDocument;

class CConfigTemplate : public CIOCtlProcTemplate {
 public:
  using CIOCtlProcTemplate::CIOCtlProcTemplate;

  // SlotN: a slot the host calls that has no name of its own, named by its place in the
  // host's order of slots (the five protocol slots first).
  virtual void Slot5() {}
  // "${PluginID}=%08X|${ProfileName}=@My profile" for this object's id, kept in one
  // process-wide string that each call overwrites.
  virtual const char16_t* GetVariables();
  virtual bool IsModified() { return false; }
  virtual void Load(const char16_t* variables) {}
  virtual void Slot9() {}
  virtual bool Save() { return true; }
  virtual void Slot11() {}
  virtual IConfigView* GetView(std::uint32_t index) { return nullptr; }

  // Hands every view this object, then tells the host (kRequestPublishViews).
  void PublishViews();
  // Submits the document's text as the configuration of section targetId (kRequestSubmit
  // with inner code kInnerSubmitXml). True when the host took it: result 0, inner result 0.
  bool Submit(std::uint32_t targetId, XmlDocument* document);
};
