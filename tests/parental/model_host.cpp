#include "model_host.h"

#include <fstream>
#include <iterator>

#include "common/text.h"
#include "config/config_apply.h"
#include "config/submission.h"
#include "frame/protocol/process.h"
#include "parental/category_text.h"
#include "parental/parental_config.h"
#ifdef _WIN32
#include "config/xml_reader.h"
#else
#include "support/xml_readers.h"
#endif

namespace {

ModelHost* g_host = nullptr;

// Tells the host's listener that the host is at work for the length of one answer.
class HostAtWork {
 public:
  explicit HostAtWork(const std::function<void(bool)>& listener) : listener_(listener) {
    if (listener_) listener_(true);
  }
  ~HostAtWork() {
    if (listener_) listener_(false);
  }

 private:
  const std::function<void(bool)>& listener_;
};

// Texts by string id, as the reference host serves them: too small a buffer gets status
// 7009 and the capacity needed.
std::int32_t MainRequest(std::uint32_t, std::uint32_t code, void* arg) {
  if (code != kRequestText || !g_host) return kFailed;
  HostAtWork atWork(g_host->hostAtWork);
  auto* record = static_cast<TextRequestRecord*>(arg);
  g_host->textCapacities.push_back(record->capacity);
  auto found = g_host->data.texts.find(record->stringId);
  if (found == g_host->data.texts.end()) {
    record->status = 2;
  } else if (record->capacity < found->second.size() + 1) {
    record->status = kTextTooSmallStatuses[0];
    record->capacity = std::uint32_t(found->second.size() + 1);
  } else {
    parental::common::CopyText(FromAddress<char16_t>(record->buffer), record->capacity, found->second);
    record->status = kTextDone;
  }
  return kAnswered;
}

}  // namespace

ModelHost::ModelHost(parental::platform::IRegistryStore* mirror) : mirror_(mirror ? *mirror : registry) {
  std::ifstream file(ENGINE_DATA_FILE, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()), error;
  host::ParseEngineData(text, data, error);
  simulator_ = new host::EngineSimulator(data);
  engine.answer = [this](std::uint32_t code, const void* input, std::uint64_t inputSize, void* output,
                         std::uint64_t outputSize, std::uint64_t* returned) {
    HostAtWork atWork(hostAtWork);
    return simulator_->Answer(code, input, inputSize, output, outputSize, returned);
  };
  host_.answer = [this](std::uint32_t param, std::uint32_t code, void* arg) {
    HostAtWork atWork(hostAtWork);
    switch (code) {
      case kRequestSubmit:
        return Submission(param, arg);
      case kRequestServices:
        *static_cast<IHostServices**>(arg) = &services_;
        return kDone;
      case kRequestText:
        return MainRequest(param, code, arg);
      case kRequestPlugCall: {
        auto* r = static_cast<PlugCallRecord*>(arg);
        r->innerResult = simulator_->Answer(r->innerCode, FromAddress<const void>(r->input), r->inputSize,
                                            FromAddress<void>(r->output), r->outputSize, &r->returnedSize);
        return kDone;
      }
      default:
        return kDone;
    }
  };
  g_host = this;
  Process().mainRequest = &MainRequest;
}

ModelHost::~ModelHost() {
  Process().mainRequest = nullptr;
  g_host = nullptr;
  delete simulator_;
}

bool ModelHost::ParseXml(const std::string& text, host::XmlElement& root) {
#ifdef _WIN32
  std::string error;
  return host::ParseXml(text.data(), text.size(), root, error);
#else
  return xml_readers::ReadBoth(text, root);
#endif
}

std::int32_t ModelHost::Submission(std::uint32_t section, void* arg) {
  auto* record = static_cast<PlugCallRecord*>(arg);
  const char* text = nullptr;
  std::size_t length = 0;
  std::string error;
  host::XmlElement root;
  if (refuseSubmissions || !host::ReadSubmission(*record, &text, &length, error) ||
      !ParseXml(std::string(text, length), root) || !host::ApplyConfiguration(root, section, mirror_).applied)
    return kFailed;
  ++pendingNotices_;
  submittedSections.push_back(section);
  submittedTexts.emplace_back(text, length);
  record->innerResult = 0;
  return kDone;
}

void ModelHost::DeliverNotices(CIOCtlProcTemplate* object) {
  for (; pendingNotices_; --pendingNotices_) TemplateProcedure(object, 0, kConfigChangeNotices[0], nullptr);
}

std::string DescribeModel(parental::corvui::CParentalConfig& config) {
  using parental::common::ToUtf8;
  std::string out;
  for (const auto& [key, cell] : config.Roles().Roles()) {
    out += ToUtf8(key) + " <" + (cell.role->Parent() ? ToUtf8(cell.role->Parent()->Name()) : "") + "> " +
           ToUtf8(parental::corvui::FormatCategories(cell.role->Categories()));
    for (const auto& e : cell.role->Exceptions()) out += " [" + e.url + (e.state ? " allow]" : " block]");
    out += "\n";
  }
  for (const auto& [sid, entry] : config.Accounts().Accounts())
    out += ToUtf8(sid) + " in " + ToUtf8(entry.roleKey) + " " + std::to_string(entry.account->enabled) + " " +
           std::to_string(entry.account->birthYear) + "\n";
  return out;
}
