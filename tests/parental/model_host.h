#pragma once
// An in-process host for the configuration model: the reference host's engine simulator
// (behind the engine plug, and behind the host link for the plug-in object's plug calls),
// its texts for string ids, and configuration submissions read by XML parsers of their
// own (natively libxml2, strict, and pugixml, which must agree; XmlLite on Windows) and
// applied to a registry mirror as the reference host applies them, each followed by a
// change notice to deliver.
#include <functional>
#include <string>
#include <vector>

#include "config/xml_tree.h"
#include "engine/engine.h"
#include "engine_plug.h"
#include "frame/test_host.h"
#include "platform/memory_registry.h"

namespace parental::corvui {
class CParentalConfig;
}

class ModelHost {
 public:
  // mirror: where submissions are applied; null: the host's own in-memory store.
  explicit ModelHost(parental::platform::IRegistryStore* mirror = nullptr);
  ~ModelHost();

  // Parses text with the independent parser; false when it is not well-formed.
  static bool ParseXml(const std::string& text, host::XmlElement& root);
  // Sends the queued change notices to object, as the host does after a request returns.
  void DeliverNotices(CIOCtlProcTemplate* object);

  EnginePlug engine;
  parental::platform::MemoryRegistry registry;
  host::EngineData data;
  std::vector<std::uint32_t> textCapacities;  // of every text request, as asked
  std::vector<std::uint32_t> submittedSections;
  std::vector<std::string> submittedTexts;
  bool refuseSubmissions = false;
  // Told when the host begins (true) and ends (false) an answer: its own work, which
  // allocation-failure tests leave alone.
  std::function<void(bool)> hostAtWork;

 private:
  std::int32_t Submission(std::uint32_t section, void* arg);

  parental::platform::IRegistryStore& mirror_;
  TestHost host_;
  StubServices services_;
  host::EngineSimulator* simulator_ = nullptr;
  std::size_t pendingNotices_ = 0;
};

// Everything a model holds, as text: roles with parent, categories and exceptions in
// priority order, then the accounts with their roles.
std::string DescribeModel(parental::corvui::CParentalConfig& config);
