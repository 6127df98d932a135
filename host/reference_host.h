#pragma once
// The reference host: loads the plug-in, keeps the table of the objects that register,
// drives their life and answers every request they send.
#include <deque>
#include <string>
#include <vector>

#include "bitmaps.h"
#include "frame/templates/config_template.h"
#include "frame/templates/page_template.h"
#include "engine/engine.h"
#include "engine/visit_log.h"
#include "module_state.h"
#include "frame/protocol/records.h"
#include "options.h"
#include "services.h"
#include "settings_password.h"
#include "tour/tour_index.h"
#include "trace.h"

namespace host {

class HostUi;
class ReferenceHost;

constexpr const char* kSilentRole = "object (sent no request)";

// One object that registered with the host.
struct HostObject {
  ReferenceHost* host;
  std::size_t number;      // 1, 2, ... in order of registration
  IoctlLink registration;  // {id, the object's procedure, the object}
  IoctlLink link;          // the host's link given to the object
  std::string role = kSilentRole;
  bool created = false;
  bool unregistered = false;
};

class ReferenceHost {
 public:
  ReferenceHost(const Options& options, const EngineData& engine);
  ReferenceHost(const ReferenceHost&) = delete;
  ReferenceHost& operator=(const ReferenceHost&) = delete;

  // Loads the plug-in and runs it through its whole life; the program's exit status.
  int Run();

  const std::deque<HostObject>& Objects() const { return objects_; }
  std::size_t Answered() const { return answered_; }
  std::size_t Refused() const { return refused_; }
  const std::vector<std::string>& Events() const { return events_; }

 private:
  static std::int32_t HostLinkProc(void* context, std::uint32_t param, std::uint32_t code, void* arg);
  static std::int32_t ObjectLinkProc(void* context, std::uint32_t param, std::uint32_t code, void* arg);

  std::int32_t Register(const IoctlLink* record);
  std::int32_t Answer(HostObject& from, std::uint32_t param, std::uint32_t code, void* arg,
                      std::string& detail);
  std::int32_t Send(HostObject& to, std::uint32_t code, void* arg);
  HostObject* Find(std::uint64_t object);

  // Answers of the individual requests (answers.cpp).
  std::int32_t AnswerNameTable(void* arg);
  std::int32_t AnswerText(void* arg, std::string& detail);
  std::int32_t AnswerPlugCall(std::uint32_t param, void* arg, std::string& detail);
  std::int32_t AnswerSubmission(std::uint32_t param, void* arg, std::string& detail);
  std::int32_t AnswerBitmap(std::uint32_t code, void* arg, std::string& detail);
  std::int32_t AnswerDialog(std::uint32_t code, void* arg, std::string& detail);
  std::int32_t AnswerStateMenu(const StateMenuRecord& record, std::string& detail);
  std::int32_t AnswerPanelWindow(PanelWindowRecord& record, std::string& detail);

  // The modules' new states: the status table follows, the status panels are told (0x20008)
  // with the next notices.
  void SetModules(const ModuleState& state);
  // The status page the host shows, or null.
  CPageTemplate* StatusPage() const;

  // Stores a configuration text for a section and queues the change notice.
  bool StoreConfiguration(std::uint32_t section, const char* text, std::size_t length,
                          std::string& detail);
  void DeliverNotices();
  // Reads every created status page as the main window would, into the report's events.
  void WalkStatusPages();
  bool ApplyFile(const std::wstring& file, std::uint32_t section);
  // The advanced setup and the script, when asked for; false when the script failed.
  bool RunUserInterface();
  // The access confirmation: refused by --refuse-access, else asks for the settings
  // password when one is set (refused when no window may ask).
  bool ConfirmAccess();
  // The engine's log: the visits of its data judged against the stored configuration.
  std::vector<LogEntry> EngineLog();
  // The tour (tour_run.cpp): its folder made and the configuration emptied before the
  // plug-in starts; the index written at the end. False when the folder cannot be made.
  bool StartTour();
  bool FinishTour();

  Options options_;
  EngineSimulator engine_;
  const EngineData& data_;
  Trace trace_;
  HostServices services_;
  SettingsPassword password_;
  BitmapStore bitmaps_;
  std::vector<NameTableEntry> names_;
  NameTableHeader namesHeader_{};
  std::deque<HostObject> objects_;
  std::size_t pendingNotices_ = 0;
  bool pendingState_ = false;  // the status panels are to hear the modules' state codes
  ModuleState modules_;
  HostUi* ui_ = nullptr;  // the host's windows while they run
  std::size_t submitted_ = 0;  // documents kept with --keep-submissions
  std::size_t answered_ = 0, refused_ = 0;
  std::vector<std::string> events_;  // what the report lists: dialogs, submissions, notices
  CConfigTemplate* pagesConfig_ = nullptr;  // the configuration object that published its pages
  bool windowsShown_ = false;  // forms and message boxes show (unless an answer is scripted)
  TourIndex tourIndex_;
};

}  // namespace host
