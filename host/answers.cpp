// The reference host's answers to the requests of the plug-in's objects.
#include <cstdio>
#include <cstring>
#include <fstream>

#include "common/text.h"
#include "config/config_apply.h"
#include "config/submission.h"
#include "config/xml_reader.h"
#include "platform/registry_store.h"
#include "reference_host.h"
#include "ui/form_frame.h"
#include "ui/password_prompt.h"
#include "ui/host_ui.h"

namespace host {

namespace {

using parental::common::CopyText;
using parental::common::ToUtf8;

constexpr std::uint32_t kTextNotFound = 2;
constexpr std::uint32_t kRejected = 13;  // inner result of a refused submission

std::string Text(std::uint64_t address, std::size_t limit = 60) {
  const auto* text = FromAddress<const char16_t>(address);
  if (!text) return "(none)";
  std::u16string_view view(text, parental::common::TextLength(text));
  std::string utf8 = ToUtf8(view.substr(0, limit));
  return "\"" + utf8 + (view.size() > limit ? "...\"" : "\"");
}

std::string Number(const char* name, std::uint64_t value) {
  char text[64];
  std::snprintf(text, sizeof(text), "%s=%llu", name, static_cast<unsigned long long>(value));
  return text;
}

// A real message box with the record's texts, buttons, icon and default button.
std::int64_t ShowMessageBox(const MessageBoxRecord& record) {
  const auto* caption = FromAddress<const wchar_t>(record.caption);
  const auto* text = FromAddress<const wchar_t>(record.text);
  const UINT style = UINT(record.style) | record.icon | record.defaultButton;
  return MessageBoxW(FromAddress<HWND__>(record.owner), text, caption, style);
}

}  // namespace

std::int32_t ReferenceHost::Answer(HostObject& from, std::uint32_t param, std::uint32_t code,
                                   void* arg, std::string& detail) {
  if (!arg && code != kRequestRefresh) return kFailed;
  switch (code) {
    case kCodeDetach:
      from.unregistered = true;
      from.created = false;
      detail = "released: " + from.role;
      return kDone;
    case kRequestNameTable:
      from.role = "plug-in object";
      return AnswerNameTable(arg);
    case kRequestServices:
      *static_cast<IHostServices**>(arg) = &services_;
      return kDone;
    case kRequestText:
      return AnswerText(arg, detail);
    case kRequestPlugCall:
      return AnswerPlugCall(param, arg, detail);
    case kRequestSubmit:
      return AnswerSubmission(param, arg, detail);
    case kRequestPublishPanels: {
      auto* record = static_cast<ObjectRecord*>(arg);
      from.role = "status page";
      detail = Number("value", record->value);
      return kDone;
    }
    case kRequestPublishViews:
      from.role = "configuration object with setup pages";
      pagesConfig_ = FromAddress<CConfigTemplate>(static_cast<ObjectRecord*>(arg)->object);
      return kDone;
    case kRequestConfirmAccess: {
      const bool allowed = ConfirmAccess();
      static_cast<ConfirmAccessRecord*>(arg)->result = allowed ? 1 : 0;
      detail = allowed ? "allowed" : "refused";
      return kDone;
    }
    case kRequestMessageBox:
    case kRequestShowDialog:
      return AnswerDialog(code, arg, detail);
    case kRequestHelp: {
      auto* record = static_cast<HelpRecord*>(arg);
      detail = Number("context", record->data) + " " + Number("command", record->command);
      events_.push_back("help asked: " + detail);
      return kDone;
    }
    case kRequestPanelState:
      from.role = "status panel";
      *static_cast<PanelStateRecord*>(arg) = StateCodes(modules_);
      return kDone;
    case kRequestHostValue: {
      auto* record = static_cast<HostValueRecord*>(arg);
      detail = "switch on module " + std::to_string(record->feature);
      events_.push_back(detail);
      if (record->on && record->feature == kEncryptedTrafficModule) SetModules({modules_.parental, true});
      return kDone;
    }
    case kRequestStateMenu:
      return AnswerStateMenu(*static_cast<StateMenuRecord*>(arg), detail);
    case kRequestRefresh:
      if (from.role == kSilentRole) from.role = "frequently-used panel";
      if (MainWindow* main = ui_ ? ui_->Main() : nullptr) main->RequestRefresh(arg);
      return kDone;
    case kRequestPanelWindow:
      return AnswerPanelWindow(*static_cast<PanelWindowRecord*>(arg), detail);
    case kRequestBitmapGet:
    case kRequestBitmapRelease:
    case kRequestBitmapQueryA:
    case kRequestBitmapQueryB:
      return AnswerBitmap(code, arg, detail);
    default:
      detail = "not a request of this protocol";
      return kFailed;
  }
}

bool ReferenceHost::ConfirmAccess() {
  if (options_.refuseAccess) return false;
  if (!password_.IsSet()) return true;
  // The plug-in asks from inside a window of its own: the prompt goes over it.
  return windowsShown_ && AskSettingsPassword(GetActiveWindow(), password_);
}

std::int32_t ReferenceHost::AnswerStateMenu(const StateMenuRecord& record, std::string& detail) {
  MainWindow* main = ui_ ? ui_->Main() : nullptr;
  if (!main) {
    events_.push_back("state menu shown");
    return kDone;
  }
  const POINT point{std::int32_t(std::uint32_t(record.point)), std::int32_t(std::uint32_t(record.point >> 32))};
  const std::uint32_t chosen = main->ChooseState(point, modules_.parental);
  detail = chosen ? "state " + std::to_string(chosen) + " chosen" : "nothing chosen";
  events_.push_back("state menu: " + detail);
  if (chosen) SetModules({chosen, modules_.trafficFiltered});
  return kDone;
}

std::int32_t ReferenceHost::AnswerPanelWindow(PanelWindowRecord& record, std::string& detail) {
  MainWindow* main = ui_ ? ui_->Main() : nullptr;
  HWND window = main ? main->PanelWindow(FromAddress<void>(record.panel)) : nullptr;
  if (!window) {
    detail = "no main window shows the panel";
    return kFailed;
  }
  record.window = AddressOf(window);
  return kDone;
}

std::int32_t ReferenceHost::AnswerNameTable(void* arg) {
  if (names_.empty()) {
    for (const auto& [symbolic, display] : data_.names) {
      NameTableEntry entry{};
      CopyText(entry.symbolicName, kNameCapacity, symbolic);
      CopyText(entry.displayName, kNameCapacity, display);
      names_.push_back(entry);
    }
    namesHeader_ = NameTableHeader{names_.size(), AddressOf(names_.data())};
  }
  *static_cast<const NameTableHeader**>(arg) = &namesHeader_;
  return kDone;
}

std::int32_t ReferenceHost::AnswerText(void* arg, std::string& detail) {
  auto* record = static_cast<TextRequestRecord*>(arg);
  detail = Number("string", record->stringId);
  auto found = data_.texts.find(record->stringId);
  if (found == data_.texts.end()) {
    record->status = kTextNotFound;
    detail += " unknown";
    return kAnswered;
  }
  const std::u16string& text = found->second;
  if (!record->buffer || record->capacity < text.size() + 1) {
    record->status = kTextTooSmallStatuses[0];
    record->capacity = std::uint32_t(text.size() + 1);
    detail += " " + Number("needs", record->capacity);
    return kAnswered;
  }
  std::memcpy(FromAddress<char16_t>(record->buffer), text.c_str(), (text.size() + 1) * 2);
  record->status = kTextDone;
  detail += " " + Text(record->buffer);
  return kAnswered;
}

std::int32_t ReferenceHost::AnswerPlugCall(std::uint32_t param, void* arg, std::string& detail) {
  auto* record = static_cast<PlugCallRecord*>(arg);
  detail = "inner " + std::to_string(record->innerCode);
  if (param != PLUGIN_ID) return kFailed;
  std::uint64_t returned = 0;
  std::uint32_t result = engine_.Answer(record->innerCode, FromAddress<const void>(record->input),
                                        record->inputSize, FromAddress<void>(record->output),
                                        record->outputSize, &returned);
  record->returnedSize = returned;
  record->innerResult = result;
  detail += " " + Number("result", result) + " " + Number("size", returned);
  return kDone;
}

std::int32_t ReferenceHost::AnswerSubmission(std::uint32_t param, void* arg, std::string& detail) {
  auto* record = static_cast<PlugCallRecord*>(arg);
  record->returnedSize = 0;
  record->innerResult = kRejected;
  const char* text = nullptr;
  std::size_t length = 0;
  if (!ReadSubmission(*record, &text, &length, detail)) return kFailed;
  if (!options_.submissions.empty()) {
    const std::wstring name = L"submission-" + std::to_wstring(++submitted_) + L".xml";
    std::ofstream((options_.submissions + L"\\" + name).c_str(), std::ios::binary).write(text, std::streamsize(length));
    char section[64];
    std::snprintf(section, sizeof(section), "The configuration the plug-in submitted (section %08X)", param);
    tourIndex_.AddDocument(parental::common::AsText(name.c_str()), parental::common::FromUtf8(section),
                           std::string(text, length));
  }
  if (!StoreConfiguration(param, text, length, detail)) return kFailed;
  record->innerResult = 0;
  return kDone;
}

bool ReferenceHost::StoreConfiguration(std::uint32_t section, const char* text, std::size_t length,
                                       std::string& detail) {
  char id[16];
  std::snprintf(id, sizeof(id), "%08X", section);
  XmlElement document;
  std::string error;
  ApplyResult result;
  if (!ParseXml(text, length, document, error)) {
    result.error = error;
  } else {
    result = ApplyConfiguration(document, section, parental::platform::DefaultRegistry());
  }
  if (!result.applied) {
    detail = "section " + std::string(id) + " refused: " + result.error;
    events_.push_back("configuration of section " + std::string(id) + " refused: " + result.error);
    return false;
  }
  detail = "section " + std::string(id) + " stored, " + std::to_string(result.writes) + " changes";
  events_.push_back("configuration of section " + std::string(id) + " stored (" +
                    std::to_string(result.writes) + " changes)");
  ++pendingNotices_;
  return true;
}

std::int32_t ReferenceHost::AnswerBitmap(std::uint32_t code, void* arg, std::string& detail) {
  auto* record = static_cast<BitmapRecord*>(arg);
  if (code == kRequestBitmapGet) detail = Text(record->pointer);
  return host::AnswerBitmapRequest(bitmaps_, code, *record);
}

std::int32_t ReferenceHost::AnswerDialog(std::uint32_t code, void* arg, std::string& detail) {
  bool message = code == kRequestMessageBox;
  std::deque<std::int64_t>& script = message ? options_.messageAnswers : options_.dialogAnswers;
  std::int64_t answer = 2;  // Cancel unless scripted or shown
  const bool show = windowsShown_ && script.empty();
  if (!script.empty()) {
    answer = script.front();
    script.pop_front();
  }
  if (message) {
    auto* record = static_cast<MessageBoxRecord*>(arg);
    detail = Text(record->caption) + " " + Text(record->text);
    if (show) answer = ShowMessageBox(*record);
    record->result = std::uint64_t(answer);
  } else {
    auto* record = static_cast<DialogViewRecord*>(arg);
    if (show) answer = RunFormFrame(FromAddress<IDialogView>(record->view), FromAddress<HWND__>(record->owner));
    record->result = std::uint64_t(answer);
  }
  detail += " answered " + std::to_string(answer);
  events_.push_back(std::string(message ? "message box " : "dialog form ") + detail);
  return kDone;
}

}  // namespace host
