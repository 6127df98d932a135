#include "trace.h"

#include <cstdio>

#include "frame/protocol/records.h"

namespace host {

const char* RequestName(std::uint32_t code, bool toPlugin) {
  switch (code) {
    case kCodeAttach: return "attach";
    case kCodeDetach: return toPlugin ? "detach" : "unregister";
    case kCodeRegister: return "register";
    case kCodeUnregister: return "detach";
    case kCodeCreate: return "create";
    case kCodeDestroy: return "destroy";
    case kRequestNameTable: return "name table";
    case kRequestPlugCall: return "plug call";
    case kRequestSubmit: return "configuration submission";
    case kRequestPublishPanels: return "publish panels";
    case kRequestPublishViews: return "publish setup pages";
    case kRequestConfirmAccess: return "confirm access";
    case kRequestMessageBox: return "message box";
    case kRequestShowDialog: return "dialog form";
    case kRequestHelp: return "help";
    case kRequestText: return "text";
    case kRequestPanelWindow: return "panel window";
    case kRequestServices: return "host services";
    case kRequestStateMenu: return "state menu";
    case kRequestPanelState: return "state codes";
    case kRequestHostValue: return "host value";
    case kRequestRefresh: return "refresh";
    case kRequestBitmapGet: return "get bitmap";
    case kRequestBitmapRelease: return "release bitmap";
    case kRequestBitmapQueryA:
    case kRequestBitmapQueryB: return "query bitmap";
    case kConfigChangeNotices[0]:
    case kConfigChangeNotices[1]: return "configuration changed";
    default: return "unknown request";
  }
}

void Trace::ToHost(std::size_t object, std::uint32_t code, const std::string& detail,
                   std::int32_t result) {
  if (!enabled_) return;
  std::printf("plug-in #%zu -> host  0x%08X %s%s%s -> %d\n", object, code, RequestName(code, false),
              detail.empty() ? "" : "  ", detail.c_str(), result);
}

void Trace::ToPlugin(std::size_t object, std::uint32_t code, std::int32_t result) {
  if (!enabled_) return;
  std::printf("host -> plug-in #%zu  0x%08X %s -> %d\n", object, code, RequestName(code, true), result);
}

void Trace::Note(const std::string& text) {
  if (enabled_) std::printf("host: %s\n", text.c_str());
}

}  // namespace host
